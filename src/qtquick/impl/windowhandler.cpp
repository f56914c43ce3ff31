#include "windowhandler.h"

#include <QtQml/QQmlListReference>
#include <QtQuick/QQuickItem>
#include <QtQuick/QQuickRenderControl>
#include <QtQuick/QQuickWindow>

#include "quickattached_p.h"
#include "quickelement.h"
#include "windowinactivehint_p.h"

namespace Quilt::Quick
{
namespace
{
QWindow* renderWindow(QQuickWindow* window)
{
    QWindow* render = QQuickRenderControl::renderWindowFor(window);
    return render ? render : window;
}
} // namespace

WindowInactiveHint::WindowInactiveHint(QWindow* window, QObject* parent)
    : ElementHint(parent)
    , m_window(window)
{
    setName(QStringLiteral("inactive"));
    if (window) {
        window->installEventFilter(this);
        setWhen(!window->isActive());
    }
}

WindowInactiveHint::~WindowInactiveHint() = default;

bool WindowInactiveHint::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && m_window) {
        setWhen(!m_window->isActive());
    }
    return ElementHint::eventFilter(watched, event);
}

WindowHandler::WindowHandler() = default;

WindowHandler::~WindowHandler() = default;

std::shared_ptr<WindowHandler> WindowHandler::instance()
{
    static const std::shared_ptr<WindowHandler> handler = std::make_shared<WindowHandler>();
    return handler;
}

void WindowHandler::initialize()
{ }

void WindowHandler::addWindow(QQuickWindow* window)
{
    if (!window || m_windows.contains(window)) {
        return;
    }
    // A scene that a widget shows: the widget's own window carries the
    // elements. The render window names that window only once it exists, so
    // ask the scene's window itself.
    if (window->inherits("QQuickWidgetOffscreenWindow")) {
        return;
    }
    QWindow* render = renderWindow(window);

    auto* element = detail::attachedObject<QuickElement>(window, false);
    const bool created = !element;
    if (created) {
        element = detail::attachedObject<QuickElement>(window, true);
    }
    if (!element) {
        return;
    }

    auto* hint = new WindowInactiveHint(render, element);
    QQmlListReference hints(element, "hints");
    hints.append(hint);
    if (created) {
        element->componentComplete();
    }

    connect(window, &QObject::destroyed, this, &WindowHandler::removeWindow);
    m_windows.insert(window, Entry { window, render, hint });
}

void WindowHandler::removeWindow(QObject* window)
{
    m_windows.remove(window);
}

void WindowHandler::startSystemMove(QQuickItem* item)
{
    if (!item || !item->window()) {
        return;
    }
    renderWindow(item->window())->startSystemMove();
}
} // namespace Quilt::Quick
