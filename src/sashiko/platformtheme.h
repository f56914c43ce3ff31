#pragma once

#include <itemtheme.h>

#include <QPointer>
#include <QWindow>

namespace Quilt::Quick
{
class ElementAttribute;
}

// The theme of one item: the colours of the desktop colour scheme for the
// item's colour group and set (through the colour provider "loompalette"),
// the colour set published to the style engine as the element attribute
// "colorSet", and icons from libQuilt's platform plug-in.
class PlatformTheme : public Sashiko::Platform::ItemTheme
{
    Q_OBJECT

public:
    explicit PlatformTheme(QObject* parent);
    ~PlatformTheme() override;

    Q_INVOKABLE QIcon iconFromTheme(const QString& name, const QColor& customColor = Qt::transparent) override;

    void update();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void trackWindow();
    void updateColorSetAttribute(const QString& set);

    Quilt::Quick::ElementAttribute* m_colorSetAttribute = nullptr;
    QPointer<QObject> m_element;
    QPointer<QWindow> m_window;
    bool m_updating = false;
    bool m_parentDestroyed = false;
};
