#pragma once

#include <QObject>

namespace Quilt
{
// Turns the Alt key into the switch between the two forms of every label. One
// per process, on the application object, so that no window misses the key.
class MnemonicEventFilter : public QObject
{
    Q_OBJECT

public:
    static MnemonicEventFilter* instance();

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void altPressed();
    void altReleased();

private:
    MnemonicEventFilter() = default;

    bool m_altDown = false;
};
} // namespace Quilt
