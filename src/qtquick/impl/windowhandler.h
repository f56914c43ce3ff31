#pragma once

#include <QtCore/QHash>
#include <QtCore/QObject>
#include <QtQml/qqmlregistration.h>

#include <memory>

#include "quickimplglobal.h"

class QQuickItem;
class QQuickWindow;
class QWindow;

namespace Quilt::Quick
{
class WindowInactiveHint;

// Gives the Element of every registered window the hint "inactive" while the
// window is not active, and moves windows for items that act as drag areas.
class QUILT_QUICK_EXPORT WindowHandler : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    WindowHandler();
    ~WindowHandler() override;

    // The handler the Elements register their windows with.
    static std::shared_ptr<WindowHandler> instance();

    void initialize();
    void addWindow(QQuickWindow* window);
    void removeWindow(QObject* window);
    Q_INVOKABLE void startSystemMove(QQuickItem* item);

private:
    struct Entry
    {
        QQuickWindow* window;
        QWindow* renderWindow;
        WindowInactiveHint* hint;
    };
    QHash<QObject*, Entry> m_windows;
};
} // namespace Quilt::Quick
