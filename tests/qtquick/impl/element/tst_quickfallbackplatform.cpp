#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTest>

#include "platformplugin.h"
#include "styleregistry.h"

#include "quickelement.h"
#include "quicktestfixture.h"

using namespace Qt::StringLiterals;
using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
struct Message
{
    QtMsgType type;
    QString text;
};

QList<Message> s_messages;
QtMessageHandler s_previous = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (qstrcmp(context.category, "quilt.general") == 0) {
        s_messages.append({ type, text });
        return;
    }
    s_previous(type, context, text);
}
} // namespace

// Run where no platform plug-in serves, so that the first element QML
// completes creates the registry and with it the fallback platform plug-in.
class tst_QuickFallbackPlatform : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void registryCreatedByQml();
};

void tst_QuickFallbackPlatform::registryCreatedByQml()
{
    // Debug output on, so that the messages reach the handler at all: they
    // must come at debug level, the same as when a widget style starts first.
    QLoggingCategory::setFilterRules(u"quilt.general.debug=true"_s);
    s_previous = qInstallMessageHandler(&recordMessage);
    {
        auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
        QVERIFY(object);
        QVERIFY(attached<QuickElement>(object.get())->isCompleted());
    }
    qInstallMessageHandler(s_previous);
    QLoggingCategory::setFilterRules(QString());

    const auto platform = Quilt::StyleRegistry::instance()->platform();
    QVERIFY(platform);
    QVERIFY(platform->name().isEmpty());
    QStringList fallbackMessages;
    for (const Message& message : std::as_const(s_messages)) {
        // The import loads the registry, which then looks for the default
        // style; without library paths there is no input plug-in to read it.
        if (message.text.startsWith(u"Could not find style"_s))
            continue;
        QVERIFY2(message.type == QtDebugMsg, qPrintable(message.text));
        if (message.text.contains(u"fallback"_s) || message.text.startsWith(u"Could not find a supported"_s)) {
            fallbackMessages.append(message.text);
        }
    }
    QCOMPARE(fallbackMessages.size(), 2);
    QVERIFY(fallbackMessages[0].startsWith(u"Could not find a supported platform plugin for platform \"offscreen\""_s));
    QCOMPARE(fallbackMessages[1], u"Creating a default fallback platform plugin"_s);
}

int main(int argc, char** argv)
{
    // No plug-in folders and nothing forced: every platform falls back.
    qunsetenv("QUILT_FORCE_PLATFORM");
    QuiltQuickTest::Environment environment { QByteArray() };
    QGuiApplication app(argc, argv);
    QCoreApplication::setLibraryPaths({});
    tst_QuickFallbackPlatform test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    QuiltQuickTest::pinLoadedLibraries();
    return result;
}

#include "tst_quickfallbackplatform.moc"
