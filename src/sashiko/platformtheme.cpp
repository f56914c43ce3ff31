#include "platformtheme.h"

#include "color.h"
#include "elementhint.h"
#include "platformplugin.h"
#include "quickelement.h"
#include "quickstyle.h"
#include "styleregistry.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QScopedValueRollback>
#include <QtQml/qqml.h>

using namespace Sashiko::Platform;

namespace
{
template<typename T> T* attachedObject(QObject* object)
{
    if (!object) {
        return nullptr;
    }
    const auto function = reinterpret_cast<QQmlAttachedPropertiesFunc>(&T::qmlAttachedProperties);
    return qobject_cast<T*>(qmlAttachedPropertiesObject(object, function, true));
}

QString keyText(const char* enumeration, int value)
{
    const QMetaObject& meta = ItemTheme::staticMetaObject;
    const QMetaEnum metaEnum = meta.enumerator(meta.indexOfEnumerator(enumeration));
    return QString::fromLatin1(metaEnum.valueToKey(value));
}

QColor paletteColor(const QString& group, const QString& set, const char* kind, const char* role)
{
    return Quilt::Color::custom(QStringLiteral("loompalette"),
                                { group, set, QString::fromLatin1(kind), QString::fromLatin1(role) })
        .toQColor();
}
} // namespace

PlatformTheme::PlatformTheme(QObject* parent)
    : ItemTheme(parent)
{
    if (parent) {
        // Sent before the item's children, this theme among them, go.
        connect(parent, &QObject::destroyed, this, [this] { m_parentDestroyed = true; });
    }
    setSupportsIconColoring(true);
    update();
    if (auto* style = attachedObject<Quilt::Quick::QuickStyle>(parent)) {
        style->installEventFilter(this);
    }
    if (auto* item = qobject_cast<QQuickItem*>(parent)) {
        connect(item, &QQuickItem::enabledChanged, this, &PlatformTheme::update);
        connect(item, &QQuickItem::visibleChanged, this, &PlatformTheme::update);
        connect(item, &QQuickItem::windowChanged, this, &PlatformTheme::trackWindow);
        // An item that is already in a window reports no change of window.
        if (item->window()) {
            trackWindow();
        }
    }
}

PlatformTheme::~PlatformTheme()
{
    // The element lists the attribute without owning it: it must not outlive
    // the attribute with a dangling entry. It takes the attribute over, and
    // while the item still lives the attribute stops saying anything.
    if (m_colorSetAttribute && m_element) {
        m_colorSetAttribute->setParent(m_element);
        if (!m_parentDestroyed && !QCoreApplication::closingDown()) {
            m_colorSetAttribute->setValue(QVariant());
        }
    }
}

QIcon PlatformTheme::iconFromTheme(const QString& name, const QColor& customColor)
{
    const auto platform = Quilt::StyleRegistry::instance()->platform();
    return platform ? platform->platformIcon(name, customColor) : QIcon();
}

bool PlatformTheme::event(QEvent* event)
{
    const auto type = event->type();
    if (type == ThemeDataChangedEvent::s_type || type == ColorChangedEvent::s_type
        || type == ColorSetChangedEvent::s_type || type == ColorGroupChangedEvent::s_type
        || type == NumberChangedEvent::s_type) {
        update();
    }
    return ItemTheme::event(event);
}

bool PlatformTheme::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == Quilt::Quick::QuickStyleColorsChangedEvent::s_type) {
        update();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

void PlatformTheme::trackWindow()
{
    if (m_window) {
        disconnect(m_window, &QWindow::activeChanged, this, &PlatformTheme::update);
    }
    m_window = nullptr;
    auto* item = qobject_cast<QQuickItem*>(parent());
    if (QQuickWindow* window = item ? item->window() : nullptr) {
        QWindow* renderWindow = QQuickRenderControl::renderWindowFor(window);
        m_window = renderWindow ? renderWindow : static_cast<QWindow*>(window);
    }
    if (m_window) {
        connect(m_window, &QWindow::activeChanged, this, &PlatformTheme::update);
        update();
    }
}

void PlatformTheme::updateColorSetAttribute(const QString& set)
{
    if (inherit()) {
        if (m_colorSetAttribute) {
            m_colorSetAttribute->setValue(QVariant());
        }
        return;
    }
    if (m_colorSetAttribute) {
        m_colorSetAttribute->setValue(QVariant(set));
        return;
    }
    auto* element = attachedObject<Quilt::Quick::QuickElement>(parent());
    if (!element) {
        return;
    }
    m_element = element;
    QQmlListReference attributes(element, "attributes");
    m_colorSetAttribute = new Quilt::Quick::ElementAttribute(this);
    m_colorSetAttribute->setName(QStringLiteral("colorSet"));
    attributes.append(m_colorSetAttribute);
    element->componentComplete();
    m_colorSetAttribute->setValue(QVariant(set));
}

void PlatformTheme::update()
{
    if (QCoreApplication::closingDown()) {
        return;
    }
    // Setting the colours announces them, and announcements update the
    // theme: one update at a time.
    if (m_updating) {
        return;
    }
    const QScopedValueRollback guard(m_updating, true);

    auto registry = Quilt::StyleRegistry::instance();
    if (!registry->defaultStyle()) {
        registry->load();
    }

    QString group = keyText("ColorGroup", colorGroup());
    if (auto* item = qobject_cast<QQuickItem*>(parent())) {
        if (!item->isEnabled()) {
            group = QStringLiteral("disabled");
        } else if (m_window && !m_window->isActive() && m_window->isExposed()) {
            group = QStringLiteral("inactive");
        }
    }

    ThemeChangeBatch batch(this);
    const QString set = keyText("ColorSet", colorSet());
    updateColorSetAttribute(set);

    const QString selection = QStringLiteral("selection");
    setTextColor(paletteColor(group, set, "foreground", "text"));
    setDisabledTextColor(paletteColor(group, set, "foreground", "inactive"));
    setHighlightedTextColor(paletteColor(group, selection, "foreground", "text"));
    setActiveTextColor(paletteColor(group, set, "foreground", "active"));
    setLinkColor(paletteColor(group, set, "foreground", "link"));
    setVisitedLinkColor(paletteColor(group, set, "foreground", "visited"));
    setPositiveTextColor(paletteColor(group, set, "foreground", "positive"));
    setNeutralTextColor(paletteColor(group, set, "foreground", "neutral"));
    setNegativeTextColor(paletteColor(group, set, "foreground", "negative"));
    setHighlightColor(paletteColor(group, selection, "background", "normal"));
    setBackgroundColor(paletteColor(group, set, "background", "normal"));
    setAlternateBackgroundColor(paletteColor(group, set, "background", "alternate"));
    setActiveBackgroundColor(paletteColor(group, set, "background", "active"));
    setLinkBackgroundColor(paletteColor(group, set, "background", "link"));
    setVisitedLinkBackgroundColor(paletteColor(group, set, "background", "visited"));
    setPositiveBackgroundColor(paletteColor(group, set, "background", "positive"));
    setNeutralBackgroundColor(paletteColor(group, set, "background", "neutral"));
    setNegativeBackgroundColor(paletteColor(group, set, "background", "negative"));
    setHoverColor(paletteColor(group, set, "decoration", "hover"));
    setFocusColor(paletteColor(group, set, "decoration", "focus"));
    setFrameContrast(paletteColor(group, set, "decoration", "framecontrast").alphaF());
}
