#pragma once

#include <QtCore/QPointer>
#include <QtGui/QWindow>

#include "elementhint.h"

namespace Quilt::Quick
{
// The hint "inactive" of a window's Element, on while the window that shows
// the scene is not the active window.
class WindowInactiveHint : public ElementHint
{
    Q_OBJECT

public:
    WindowInactiveHint(QWindow* window, QObject* parent);
    ~WindowInactiveHint() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> m_window;
};
} // namespace Quilt::Quick
