// The controls under the shipped style and the desktop's colour schemes:
// running controls take the colours of a rewritten scheme file once the
// palette changes, and pictures of a few controls under the default and the
// dark scheme land in the build's look/ folder for people to look at.
// With QUILT_TEST_HIDE_COLOR_PROVIDER set, the same controls run without the
// colour provider: everything is transparent, nothing crashes, and the only
// complaint is the one about the missing provider.

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include "contrast.h"
#include "quicktestfixture.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{
QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        messages.append(QStringLiteral("%1: %2").arg(QLatin1StringView(context.category), message));
    }
    previousHandler(type, context, message);
}

bool providerHidden()
{
    return qEnvironmentVariableIsSet("QUILT_TEST_HIDE_COLOR_PROVIDER");
}

// Everything of QT_PLUGIN_PATH but the colour provider, linked into
// `folder`, which becomes the only plug-in path.
bool hideColorProvider(const QString& folder)
{
    const QStringList paths = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& path : paths) {
        const QDir dir(path);
        for (const QString& kind : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir plugins(dir.filePath(kind));
            if (!QDir().mkpath(folder + u'/' + kind)) {
                return false;
            }
            for (const QString& file : plugins.entryList(QDir::Files)) {
                if (!file.contains(QLatin1StringView("loompalette"))) {
                    QFile::link(plugins.filePath(file), folder + u'/' + kind + u'/' + file);
                }
            }
        }
    }
    qputenv("QT_PLUGIN_PATH", QFile::encodeName(folder));
    return true;
}

// Names `path` as the application's colour scheme and changes the palette,
// as an application does.
void useScheme(const QString& path)
{
    qApp->setProperty("VYR_COLOR_SCHEME_PATH", path);
    QEvent change(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(qApp, &change);
}

using QuiltTest::contrast;

bool fuzzyColor(const QColor& actual, const QColor& expected, int tolerance = 6)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

const QByteArray Controls = R"(
import QtQuick
import QtQuick.Controls
Pane {
    width: 420; height: 330
    Column {
        spacing: 8
        Row {
            spacing: 8
            Button { objectName: "button"; text: "Button"; width: 120; height: 32 }
            Button { text: "Default"; highlighted: true }
            Button { text: "Disabled"; enabled: false }
            RoundButton { text: "+"; checkable: true; checked: true }
            Label { objectName: "label"; text: "Label" }
        }
        Row {
            spacing: 8
            TextField { objectName: "field"; text: "Text field"; width: 140; height: 32 }
            TextField { placeholderText: "Placeholder"; width: 120 }
            TextField { text: "Disabled"; enabled: false; width: 100 }
        }
        Row {
            spacing: 8
            CheckBox { text: "Checked"; checked: true }
            CheckBox { text: "Disabled"; enabled: false }
            Switch { text: "Switch"; checked: true }
            RadioButton { text: "Radio"; checked: true }
        }
        Row {
            spacing: 8
            ComboBox { model: ["Combo box", "Two"] }
            SpinBox { value: 5 }
            Slider { value: 0.4; width: 100 }
        }
        Row {
            spacing: 8
            ProgressBar { value: 0.6; width: 120 }
            ItemDelegate { text: "Selected row"; highlighted: true; width: 140 }
            ItemDelegate { text: "Row"; width: 100 }
        }
        TabBar {
            width: 300
            TabButton { text: "Current" }
            TabButton { text: "Other" }
        }
    }
}
)";
} // namespace

class SchemesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QuiltQuickTest::installShippedStyle(QStringLiteral("halcyon")));
        m_output = QDir(qEnvironmentVariable("QUILT_LOOK_DIR"));
        QVERIFY(m_output.mkpath(QStringLiteral(".")));
        QVERIFY(m_folder.isValid());
        m_scheme = m_folder.filePath(QStringLiteral("scheme.colors"));
    }

    void init()
    {
        QVERIFY(writeScheme(QByteArray()));
        useScheme(m_scheme);
        messages.clear();
    }

    void cleanupTestCase() { useScheme(QString()); }

    void runningControlsRestyle()
    {
        if (providerHidden()) {
            QSKIP("Without the colour provider there are no scheme colours");
        }
        QQuickWindow window;
        QQuickItem* root = show(&window);
        QVERIFY(root);
        QQuickItem* button = root->findChild<QQuickItem*>(QStringLiteral("button"));
        QQuickItem* field = root->findChild<QQuickItem*>(QStringLiteral("field"));
        QVERIFY(button && field);
        const auto face = [&] {
            return probe(&window, button, QPoint(6, 16));
        };
        const auto fieldGround = [&] {
            return probe(&window, field, QPoint(field->width() - 8, 16));
        };
        QVERIFY2(fuzzyColor(face(), QColor(0xfc, 0xfc, 0xfc)), qPrintable(face().name()));
        QVERIFY2(fuzzyColor(fieldGround(), QColor(0xfc, 0xfc, 0xfc)), qPrintable(fieldGround().name()));
        QVERIFY(fuzzyColor(probe(&window, root, QPoint(410, 320)), QColor(0xef, 0xf0, 0xf1)));
        // The colour the style gives the button's icon is written onto the
        // button, and written again for the new palette.
        const auto iconColor = [&] {
            return QQmlProperty::read(button, QStringLiteral("icon.color")).value<QColor>();
        };
        QVERIFY2(iconColor().alpha() == 255 && iconColor().lightness() < 128, qPrintable(iconColor().name()));
        QQuickItem* label = root->findChild<QQuickItem*>(QStringLiteral("label"));
        QVERIFY(label);
        const auto labelColor = [&] {
            return label->property("color").value<QColor>();
        };
        QVERIFY2(labelColor().lightness() < 128, qPrintable(labelColor().name()));

        QFile dark(QStringLiteral(QUILT_TEST_DARK_SCHEME));
        QVERIFY(dark.open(QIODevice::ReadOnly));
        QVERIFY(writeScheme(dark.readAll()));
        useScheme(m_scheme);
        QTRY_VERIFY2(fuzzyColor(face(), QColor(0x29, 0x2c, 0x30)), qPrintable(face().name()));
        QVERIFY2(fuzzyColor(fieldGround(), QColor(0x14, 0x16, 0x18)), qPrintable(fieldGround().name()));
        QVERIFY(fuzzyColor(probe(&window, root, QPoint(410, 320)), QColor(0x20, 0x23, 0x26)));
        QVERIFY2(iconColor().lightness() > 128, qPrintable(iconColor().name()));
        QVERIFY2(labelColor().lightness() > 128, qPrintable(labelColor().name()));

        // And back, from the same file.
        QVERIFY(writeScheme(QByteArray()));
        useScheme(m_scheme);
        QTRY_VERIFY2(fuzzyColor(face(), QColor(0xfc, 0xfc, 0xfc)), qPrintable(face().name()));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("light") << QString();
        QTest::newRow("dark") << QStringLiteral(QUILT_TEST_DARK_SCHEME);
    }

    void pictures()
    {
        QFETCH(QString, scheme);
        useScheme(scheme);
        QQuickWindow window;
        window.setColor(QColor(0xff, 0x00, 0xff));
        QQuickItem* root = show(&window);
        QVERIFY(root);
        QTest::qWait(50);
        const QImage image = window.grabWindow();
        const QString name
            = providerHidden() ? QStringLiteral("no-provider") : QString::fromLatin1(QTest::currentDataTag());
        image.save(m_output.filePath(QStringLiteral("schemes-%1.png").arg(name)));
        if (providerHidden()) {
            // Transparent everywhere: the window's own colour shows through.
            QCOMPARE(image.pixelColor(410, 320), QColor(0xff, 0x00, 0xff));
            const QString expected = QStringLiteral("quilt.general: No provider \"loompalette\" found");
            for (const QString& message : std::as_const(messages)) {
                QCOMPARE(message, expected);
            }
        } else {
            QVERIFY(messages.isEmpty());
        }
    }

    // Text that a control draws takes the style's colour, not the palette's,
    // which a scheme file leaves light: under the dark scheme it reads on
    // the control's dark ground.
    void textReadsInTheDark_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("ground");
        const QColor field(0x14, 0x16, 0x18);
        QTest::newRow("search field") << QByteArray("SearchField { text: \"query\" }") << QStringLiteral("query")
                                      << field;
        QTest::newRow("text field placeholder")
            << QByteArray("TextField { placeholderText: \"Name\" }") << QStringLiteral("Name") << field;
        QTest::newRow("header section") << QByteArray(R"(
            import Qt.labs.qmlmodels
            Column {
                HorizontalHeaderView {
                    syncView: table
                    delegate: HorizontalHeaderViewDelegate {}
                }
                TableView {
                    id: table
                    width: 100; height: 40
                    model: TableModel {
                        TableModelColumn { display: "name" }
                        rows: [{ name: "Apples" }]
                    }
                    delegate: TableViewDelegate {}
                }
            })") << QStringLiteral("1") << QColor(0x25, 0x28, 0x2c);
    }

    void textReadsInTheDark()
    {
        if (providerHidden()) {
            QSKIP("Without the colour provider there are no scheme colours");
        }
        QFETCH(QByteArray, document);
        QFETCH(QString, text);
        QFETCH(QColor, ground);

        useScheme(QStringLiteral(QUILT_TEST_DARK_SCHEME));
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick\nimport QtQuick.Controls\n" + document, QUrl());
        std::unique_ptr<QObject> object(component.create());
        auto* root = qobject_cast<QQuickItem*>(object.get());
        QVERIFY2(root, qPrintable(component.errorString()));
        QQuickWindow window;
        window.resize(240, 120);
        root->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const auto drawnText = [&]() -> QQuickItem* {
            QList<QQuickItem*> items { root };
            while (!items.isEmpty()) {
                QQuickItem* item = items.takeFirst();
                if (item->isVisible() && item->property("text").toString() == text
                    && item->property("color").isValid()) {
                    return item;
                }
                items.append(item->childItems());
            }
            return nullptr;
        };
        QTRY_VERIFY(drawnText());
        const auto ratio = [&] {
            return contrast(drawnText()->property("color").value<QColor>(), ground);
        };
        QTRY_VERIFY2(ratio() >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2: %3:1")
                                    .arg(drawnText()->property("color").value<QColor>().name(), ground.name())
                                    .arg(ratio(), 0, 'f', 2)));
    }

private:
    bool writeScheme(const QByteArray& contents)
    {
        QFile file(m_scheme);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
    }

    QQuickItem* show(QQuickWindow* window)
    {
        m_component = std::make_unique<QQmlComponent>(&m_engine);
        m_component->setData(Controls, QUrl());
        m_object.reset(m_component->create());
        auto* root = qobject_cast<QQuickItem*>(m_object.get());
        if (!root) {
            qWarning() << m_component->errorString();
            return nullptr;
        }
        window->resize(int(root->width()), int(root->height()));
        root->setParentItem(window->contentItem());
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            return nullptr;
        }
        return root;
    }

    static QColor probe(QQuickWindow* window, QQuickItem* item, const QPoint& point)
    {
        const QPointF scene = item->mapToScene(point);
        return window->grabWindow().pixelColor(scene.toPoint());
    }

    QQmlEngine m_engine;
    std::unique_ptr<QQmlComponent> m_component;
    std::unique_ptr<QObject> m_object;
    QTemporaryDir m_folder;
    QString m_scheme;
    QDir m_output;
};

int main(int argc, char** argv)
{
    QTemporaryDir plugins;
    if (providerHidden() && (!plugins.isValid() || !hideColorProvider(plugins.path()))) {
        qFatal("Cannot make a plug-in folder without the colour provider");
    }
    QuiltQuickTest::Environment environment { "/* The controls draw with the shipped style. */" };
    previousHandler = qInstallMessageHandler(recordMessage);
    QGuiApplication app(argc, argv);
    environment.load();
    SchemesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    qInstallMessageHandler(previousHandler);
    QuiltQuickTest::pinLoadedLibraries();
    return result;
}

#include "tst_controlsschemes.moc"
