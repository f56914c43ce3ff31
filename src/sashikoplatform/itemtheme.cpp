#include "itemtheme.h"

#include <QCoreApplication>
#include <QPointer>

#include <cmath>

namespace Sashiko::Platform
{
#define SASHIKO_THEME_EVENT(Name)                                                                                      \
    const QEvent::Type Name::s_type = QEvent::Type(QEvent::registerEventType());                                       \
    Name::Name()                                                                                                       \
        : QEvent(s_type)                                                                                               \
    { }                                                                                                                \
    Name::~Name() = default;

SASHIKO_THEME_EVENT(ThemeDataChangedEvent)
SASHIKO_THEME_EVENT(ColorChangedEvent)
SASHIKO_THEME_EVENT(ColorSetChangedEvent)
SASHIKO_THEME_EVENT(ColorGroupChangedEvent)
SASHIKO_THEME_EVENT(NumberChangedEvent)

#undef SASHIKO_THEME_EVENT

ItemTheme::ItemTheme(QObject* parent)
    : QObject(parent)
{ }

ItemTheme::~ItemTheme() = default;

ItemTheme::ColorGroup ItemTheme::colorGroup() const
{
    return m_group;
}

void ItemTheme::setColorGroup(ColorGroup group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    notify(ColorGroupChange);
}

ItemTheme::ColorSet ItemTheme::colorSet() const
{
    return m_set;
}

void ItemTheme::setColorSet(ColorSet set)
{
    if (set == m_set) {
        return;
    }
    m_set = set;
    notify(ColorSetChange);
}

bool ItemTheme::inherit() const
{
    return m_inherit;
}

void ItemTheme::setInherit(bool inherit)
{
    if (inherit == m_inherit) {
        return;
    }
    m_inherit = inherit;
    notify(DataChange);
}

QColor ItemTheme::color(ColorRole role) const
{
    return role >= 0 && role < ColorRoleCount ? m_colors[role] : QColor();
}

qreal ItemTheme::frameContrast() const
{
    return m_frameContrast;
}

bool ItemTheme::supportsIconColoring() const
{
    return m_supportsIconColoring;
}

void ItemTheme::setSupportsIconColoring(bool supports)
{
    m_supportsIconColoring = supports;
}

QIcon ItemTheme::iconFromTheme(const QString& name, const QColor& customColor)
{
    Q_UNUSED(customColor);
    return QIcon::fromTheme(name);
}

void ItemTheme::setColor(ColorRole role, const QColor& color)
{
    // Only a real change is announced: a theme that updates itself on every
    // colour notice would otherwise never stop.
    if (role < 0 || role >= ColorRoleCount || m_colors[role] == color) {
        return;
    }
    m_colors[role] = color;
    notify(ColorChange);
}

void ItemTheme::setFrameContrast(qreal contrast)
{
    if (contrast == m_frameContrast || (std::isnan(contrast) && std::isnan(m_frameContrast))) {
        return;
    }
    m_frameContrast = contrast;
    notify(NumberChange);
}

void ItemTheme::notify(Changes changes)
{
    if (m_batchDepth > 0) {
        m_pending |= changes;
        return;
    }
    deliver(changes);
}

void ItemTheme::deliver(Changes changes)
{
    if (!changes) {
        return;
    }
    // A receiver may destroy the theme.
    QPointer<ItemTheme> self(this);
    auto send = [&](Change change, auto event) {
        if (self && changes.testFlag(change)) {
            QCoreApplication::sendEvent(this, &event);
        }
    };
    send(DataChange, ThemeDataChangedEvent());
    send(ColorChange, ColorChangedEvent());
    send(ColorSetChange, ColorSetChangedEvent());
    send(ColorGroupChange, ColorGroupChangedEvent());
    send(NumberChange, NumberChangedEvent());
    if (self) {
        Q_EMIT changed(changes);
    }
}

ThemeChangeBatch::ThemeChangeBatch(ItemTheme* theme, ItemTheme::Changes initial)
    : m_theme(theme)
{
    if (m_theme) {
        ++m_theme->m_batchDepth;
        m_theme->m_pending |= initial;
    }
}

ThemeChangeBatch::~ThemeChangeBatch()
{
    if (!m_theme || --m_theme->m_batchDepth > 0) {
        return;
    }
    m_theme->deliver(std::exchange(m_theme->m_pending, {}));
}
} // namespace Sashiko::Platform
