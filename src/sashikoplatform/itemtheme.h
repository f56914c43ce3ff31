#pragma once

#include "sashikoplatformglobal.h"

#include <QColor>
#include <QEvent>
#include <QFlags>
#include <QIcon>
#include <QObject>
#include <QString>

namespace Sashiko::Platform
{
// The property-change events that a theme receives: each is sent to the
// theme when the change it names took effect (once per change batch).
class SASHIKO_PLATFORM_EXPORT ThemeDataChangedEvent : public QEvent
{
public:
    ThemeDataChangedEvent();
    ~ThemeDataChangedEvent() override;
    static const QEvent::Type s_type;
};

class SASHIKO_PLATFORM_EXPORT ColorChangedEvent : public QEvent
{
public:
    ColorChangedEvent();
    ~ColorChangedEvent() override;
    static const QEvent::Type s_type;
};

class SASHIKO_PLATFORM_EXPORT ColorSetChangedEvent : public QEvent
{
public:
    ColorSetChangedEvent();
    ~ColorSetChangedEvent() override;
    static const QEvent::Type s_type;
};

class SASHIKO_PLATFORM_EXPORT ColorGroupChangedEvent : public QEvent
{
public:
    ColorGroupChangedEvent();
    ~ColorGroupChangedEvent() override;
    static const QEvent::Type s_type;
};

class SASHIKO_PLATFORM_EXPORT NumberChangedEvent : public QEvent
{
public:
    NumberChangedEvent();
    ~NumberChangedEvent() override;
    static const QEvent::Type s_type;
};

class ThemeChangeBatch;

// The theme of one object (normally an item): its colour group and colour
// set, which the framework sets, and the colours and numbers that the
// platform's theme gives for them.
class SASHIKO_PLATFORM_EXPORT ItemTheme : public QObject
{
    Q_OBJECT

public:
    enum ColorGroup
    {
        Active = 0,
        Disabled = 1,
        Inactive = 2,
    };
    Q_ENUM(ColorGroup)

    enum ColorSet
    {
        View = 0,
        Window = 1,
        Button = 2,
        Selection = 3,
        Tooltip = 4,
        Complementary = 5,
        Header = 6,
    };
    Q_ENUM(ColorSet)

    enum Change
    {
        NoChange = 0x0,
        DataChange = 0x1,
        ColorChange = 0x2,
        ColorSetChange = 0x4,
        ColorGroupChange = 0x8,
        NumberChange = 0x10,
    };
    Q_DECLARE_FLAGS(Changes, Change)

    enum ColorRole
    {
        TextColor,
        DisabledTextColor,
        HighlightedTextColor,
        ActiveTextColor,
        LinkColor,
        VisitedLinkColor,
        PositiveTextColor,
        NeutralTextColor,
        NegativeTextColor,
        HighlightColor,
        BackgroundColor,
        AlternateBackgroundColor,
        ActiveBackgroundColor,
        LinkBackgroundColor,
        VisitedLinkBackgroundColor,
        PositiveBackgroundColor,
        NeutralBackgroundColor,
        NegativeBackgroundColor,
        HoverColor,
        FocusColor,
        ColorRoleCount
    };
    Q_ENUM(ColorRole)

    explicit ItemTheme(QObject* parent = nullptr);
    ~ItemTheme() override;

    // The framework's side: what the theme is for.
    ColorGroup colorGroup() const;
    void setColorGroup(ColorGroup group);
    ColorSet colorSet() const;
    void setColorSet(ColorSet set);
    // Whether the colour set comes from the parent object's theme.
    bool inherit() const;
    void setInherit(bool inherit);

    // What the theme gives.
    QColor color(ColorRole role) const;
    qreal frameContrast() const;
    bool supportsIconColoring() const;

    // An icon of the platform's icon theme, coloured with `customColor`
    // unless that is transparent.
    Q_INVOKABLE virtual QIcon iconFromTheme(const QString& name, const QColor& customColor = Qt::transparent);

    QColor textColor() const { return color(TextColor); }
    QColor backgroundColor() const { return color(BackgroundColor); }
    QColor highlightColor() const { return color(HighlightColor); }

Q_SIGNALS:
    // After every batch of changes, with what changed.
    void changed(Sashiko::Platform::ItemTheme::Changes changes);

protected:
    void setSupportsIconColoring(bool supports);

    void setTextColor(const QColor& color) { setColor(TextColor, color); }
    void setDisabledTextColor(const QColor& color) { setColor(DisabledTextColor, color); }
    void setHighlightedTextColor(const QColor& color) { setColor(HighlightedTextColor, color); }
    void setActiveTextColor(const QColor& color) { setColor(ActiveTextColor, color); }
    void setLinkColor(const QColor& color) { setColor(LinkColor, color); }
    void setVisitedLinkColor(const QColor& color) { setColor(VisitedLinkColor, color); }
    void setPositiveTextColor(const QColor& color) { setColor(PositiveTextColor, color); }
    void setNeutralTextColor(const QColor& color) { setColor(NeutralTextColor, color); }
    void setNegativeTextColor(const QColor& color) { setColor(NegativeTextColor, color); }
    void setHighlightColor(const QColor& color) { setColor(HighlightColor, color); }
    void setBackgroundColor(const QColor& color) { setColor(BackgroundColor, color); }
    void setAlternateBackgroundColor(const QColor& color) { setColor(AlternateBackgroundColor, color); }
    void setActiveBackgroundColor(const QColor& color) { setColor(ActiveBackgroundColor, color); }
    void setLinkBackgroundColor(const QColor& color) { setColor(LinkBackgroundColor, color); }
    void setVisitedLinkBackgroundColor(const QColor& color) { setColor(VisitedLinkBackgroundColor, color); }
    void setPositiveBackgroundColor(const QColor& color) { setColor(PositiveBackgroundColor, color); }
    void setNeutralBackgroundColor(const QColor& color) { setColor(NeutralBackgroundColor, color); }
    void setNegativeBackgroundColor(const QColor& color) { setColor(NegativeBackgroundColor, color); }
    void setHoverColor(const QColor& color) { setColor(HoverColor, color); }
    void setFocusColor(const QColor& color) { setColor(FocusColor, color); }
    void setFrameContrast(qreal contrast);

private:
    friend class ThemeChangeBatch;

    void setColor(ColorRole role, const QColor& color);
    // Delivers the changes now, or at the end of the open batch.
    void notify(Changes changes);
    void deliver(Changes changes);

    ColorGroup m_group = Active;
    ColorSet m_set = Window;
    bool m_inherit = true;
    bool m_supportsIconColoring = false;
    QColor m_colors[ColorRoleCount];
    qreal m_frameContrast = 0.0;
    int m_batchDepth = 0;
    Changes m_pending;
};

// Collects the change notices of a theme while it exists and delivers them,
// one event per kind of change, when the outermost batch ends.
class SASHIKO_PLATFORM_EXPORT ThemeChangeBatch
{
public:
    explicit ThemeChangeBatch(ItemTheme* theme, ItemTheme::Changes initial = {});
    ~ThemeChangeBatch();

    ThemeChangeBatch(const ThemeChangeBatch&) = delete;
    ThemeChangeBatch& operator=(const ThemeChangeBatch&) = delete;

private:
    ItemTheme* m_theme;
};
} // namespace Sashiko::Platform

Q_DECLARE_OPERATORS_FOR_FLAGS(Sashiko::Platform::ItemTheme::Changes)
