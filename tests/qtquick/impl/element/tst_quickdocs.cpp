#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>

#include "quicktestfixture.h"

namespace
{
// A style for the types the examples describe, so that they read values.
const QByteArray Css = R"(
Button { width: 80px; height: 28px; padding: 4px 8px; text-color: #232629; background-color: #fcfcfc;
         border: 1px solid #b7b9bb; border-radius: 3px; }
TextField { background-color: white; }
Frame { padding: 6px; }
Label { text-alignment-horizontal: center; }
)";
} // namespace

// The QML examples of docs/quick.md: each is a complete document that must
// load and run without a single warning, so that the guide stays true.
class tst_QuickDocs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importLoadsTheStyles();
    void examples_data();
    void examples();

private:
    QQmlEngine m_engine;
};

// The guide runs its examples with the `qml` tool, which loads no style:
// nothing in this process loads the registry but the module's import.
void tst_QuickDocs::importLoadsTheStyles()
{
    std::unique_ptr<QObject> button
        = QuiltQuickTest::createObject(&m_engine,
                                       "Item { Quilt.Element.type: \"Button\"\n"
                                       "implicitWidth: Quilt.Style.properties.layout.width ?? 0 }");
    QVERIFY(button);
    QCOMPARE(button->property("implicitWidth").toReal(), 80.0);
}

void tst_QuickDocs::examples_data()
{
    QTest::addColumn<QByteArray>("document");
    QFile guide(QStringLiteral(QUILT_QUICK_GUIDE));
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
    const QString text = QString::fromUtf8(guide.readAll());
    static const QRegularExpression block(QStringLiteral("```qml\\n(.*?)```"),
                                          QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (const auto& match : block.globalMatch(text)) {
        const QString document = match.captured(1);
        static const QRegularExpression root(QStringLiteral("^(\\w+) \\{"), QRegularExpression::MultilineOption);
        const QString firstType = root.match(document).captured(1);
        QTest::addRow("%d %s", ++count, qPrintable(firstType)) << document.toUtf8();
    }
    QVERIFY(count >= 10);
}

void tst_QuickDocs::examples()
{
    QFETCH(QByteArray, document);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QQmlComponent component(&m_engine);
    component.setData(document, QUrl(QStringLiteral("file:///docs/example.qml")));
    QVERIFY2(component.isReady(), qPrintable(component.errorString()));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCoreApplication::processEvents();
}

// No call into the registry: the module's plug-in has to load it.
QUILT_QUICK_TEST_MAIN_LOADING(tst_QuickDocs, Css, false)

#include "tst_quickdocs.moc"
