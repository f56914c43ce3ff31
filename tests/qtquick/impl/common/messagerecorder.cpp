#include "messagerecorder.h"

#include <QMutex>

#include <utility>

namespace QuiltQuickTest
{
namespace
{
QMutex messagesMutex;
QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        const QMutexLocker locker(&messagesMutex);
        messages.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

void startRecordingMessages()
{
    previousHandler = qInstallMessageHandler(recordMessage);
}

void stopRecordingMessages()
{
    qInstallMessageHandler(previousHandler);
}

QStringList takeMessages()
{
    const QMutexLocker locker(&messagesMutex);
    return std::exchange(messages, {});
}
} // namespace QuiltQuickTest
