// A style made before any application object exists: it cannot watch the
// application for the mnemonics, says so, and still works as a style.

#include "quiltstyle.h"

#include <QCoreApplication>
#include <QTest>

class tst_WidgetStyleNoApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutApplication();
};

void tst_WidgetStyleNoApp::withoutApplication()
{
    QVERIFY(!QCoreApplication::instance());
    QTest::ignoreMessage(QtWarningMsg, "No application object: mnemonics will not follow the Alt key");
    auto style = std::make_unique<QuiltStyle>();
    QVERIFY(!style->mnemonicsVisible());
    QCOMPARE(mnemonicTextFlags(Qt::TextShowMnemonic, style->mnemonicsVisible()), int(Qt::TextHideMnemonic));
    QCOMPARE(style->memberListForWidget(nullptr), QStringList());
}

// No QApplication on purpose.
int main(int argc, char** argv)
{
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    tst_WidgetStyleNoApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widgetstyle_noapp.moc"
