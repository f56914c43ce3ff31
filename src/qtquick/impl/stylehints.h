#pragma once

#include <QtCore/QEvent>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QUrl>
#include <QtQml/qqmlregistration.h>

#include "quickimplglobal.h"

namespace Quilt::Quick
{
// Sent by StyleHints to itself on every change.
class QUILT_QUICK_EXPORT StyleHintsChangedEvent : public QEvent
{
public:
    StyleHintsChangedEvent();
    ~StyleHintsChangedEvent() override;

    static int s_type;
};

// The attached `StyleHints`: per-item hints that a style sheet cannot express,
// set from outside QML, and the platform's animation speed.
class QUILT_QUICK_EXPORT StyleHints : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool useAlternatingColors READ useAlternatingColors WRITE setUseAlternatingColors NOTIFY
                   useAlternatingColorsChanged FINAL)
    Q_PROPERTY(bool showFramedBackground READ showFramedBackground WRITE setShowFramedBackground NOTIFY
                   showFramedBackgroundChanged FINAL)
    Q_PROPERTY(
        int tickMarkStepSize READ tickMarkStepSize WRITE setTickMarkStepSize NOTIFY tickMarkStepSizeChanged FINAL)
    Q_PROPERTY(QString iconName READ iconName WRITE setIconName NOTIFY iconNameChanged FINAL)
    Q_PROPERTY(QUrl iconSource READ iconSource WRITE setIconSource NOTIFY iconSourceChanged FINAL)
    Q_PROPERTY(
        bool spellCheckEnabled READ spellCheckEnabled WRITE setSpellCheckEnabled NOTIFY spellCheckEnabledChanged FINAL)
    Q_PROPERTY(
        double animationSpeedMultiplier READ animationSpeedMultiplier NOTIFY animationSpeedMultiplierChanged FINAL)
    QML_ELEMENT
    QML_UNCREATABLE("Attached Property")
    QML_ATTACHED(StyleHints)

public:
    explicit StyleHints(QObject* attachee);
    ~StyleHints() override;

    static StyleHints* qmlAttachedProperties(QObject* object);

    bool useAlternatingColors() const;
    void setUseAlternatingColors(bool use);
    bool showFramedBackground() const;
    void setShowFramedBackground(bool show);
    int tickMarkStepSize() const;
    void setTickMarkStepSize(int size);
    QString iconName() const;
    void setIconName(const QString& name);
    QUrl iconSource() const;
    void setIconSource(const QUrl& source);
    bool spellCheckEnabled() const;
    void setSpellCheckEnabled(const bool& enabled);

    // Read from the platform plug-in on every call.
    double animationSpeedMultiplier() const;

    void update();

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void useAlternatingColorsChanged();
    void showFramedBackgroundChanged();
    void tickMarkStepSizeChanged();
    void iconNameChanged();
    void iconSourceChanged();
    void spellCheckEnabledChanged();
    void animationSpeedMultiplierChanged();
    void updated();

private:
    template<typename T> void set(T& field, const T& value, void (StyleHints::*changed)());

    bool m_useAlternatingColors = false;
    bool m_showFramedBackground = false;
    bool m_spellCheckEnabled = false;
    int m_tickMarkStepSize = 0;
    QString m_iconName;
    QUrl m_iconSource;
};
} // namespace Quilt::Quick
