#pragma once

#include <QStringList>

namespace QuiltQuickTest
{
// Records every warning, critical and fatal message of the process (from any
// thread) while it runs, and passes each message on to the handler that was
// installed before. Tests that must log nothing take the messages after each
// step.
void startRecordingMessages();
void stopRecordingMessages();
// The messages recorded since the last call, oldest first.
QStringList takeMessages();
} // namespace QuiltQuickTest
