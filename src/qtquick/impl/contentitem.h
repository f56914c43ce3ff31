#pragma once

#include "quickimplglobal.h"

#include <QList>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace Quilt::Quick
{
class ContentItemPrivate;

// The content of a button-like control: its icon and its label with the
// label's keyboard mnemonic, laid out together with the control's other
// parts (an indicator, an indentation) by the alignment the style gives
// each, in one pass per change. Its implicit size is what that layout needs
// inside the control's paddings, so that a control sizes itself from its
// content as Qt's own controls do.
class QUILT_QUICK_EXPORT ContentItem : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QQuickItem* control READ control WRITE setControl NOTIFY controlChanged FINAL)
    Q_PROPERTY(QList<QQuickItem*> parts READ parts WRITE setParts NOTIFY partsChanged FINAL)
    Q_PROPERTY(int wrapMode READ wrapMode WRITE setWrapMode RESET resetWrapMode NOTIFY wrapModeChanged FINAL)
    Q_PROPERTY(int elide READ elide WRITE setElide RESET resetElide NOTIFY elideChanged FINAL)
    Q_PROPERTY(int alignment READ alignment WRITE setAlignment NOTIFY alignmentChanged FINAL)
    Q_PROPERTY(double shift READ shift WRITE setShift NOTIFY shiftChanged FINAL)
    Q_PROPERTY(QQuickItem* iconItem READ iconItem NOTIFY iconItemChanged FINAL)
    Q_PROPERTY(QQuickItem* textItem READ textItem CONSTANT FINAL)

public:
    explicit ContentItem(QQuickItem* parent = nullptr);
    ~ContentItem() override;

    QQuickItem* control() const;
    void setControl(QQuickItem* control);
    // The control's other parts, laid out with the icon and the text, in
    // order; the content item itself, when listed, stands for its icon and
    // text, which otherwise come first.
    QList<QQuickItem*> parts() const;
    void setParts(const QList<QQuickItem*>& parts);
    // The text's wrap mode and elide mode: the style's unless set.
    int wrapMode() const;
    void setWrapMode(int mode);
    void resetWrapMode();
    int elide() const;
    void setElide(int mode);
    void resetElide();
    // Where the icon and the text sit in the content box when the style
    // places neither of them (Qt's alignment flags; centred by default).
    int alignment() const;
    void setAlignment(int alignment);
    // How far the template has moved this item on its own (a swiped
    // delegate): the icon and the text go with it.
    double shift() const;
    void setShift(double shift);

    QQuickItem* iconItem() const;
    QQuickItem* textItem() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void controlChanged();
    void partsChanged();
    void wrapModeChanged();
    void elideChanged();
    void alignmentChanged();
    void shiftChanged();
    void iconItemChanged();

protected:
    void classBegin() override;
    void componentComplete() override;
    void updatePolish() override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private Q_SLOTS:
    void markDirty();
    void layOutOnCompletion();
    void updateLabel();
    void updateIcon();

private:
    friend class ContentItemPrivate;
    std::unique_ptr<ContentItemPrivate> d;
};
} // namespace Quilt::Quick
