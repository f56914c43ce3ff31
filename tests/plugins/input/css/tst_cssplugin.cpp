#include "cssloader.h"
#include "cssplugin.h"

#include "inputplugin.h"
#include "style.h"
#include "stylepackage.h"
#include "testfixture.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTest>

#include <cssweave.h>

using namespace Quilt;

namespace
{
QByteArray metadataJson(const QString& name, const QStringList& authors, const QString& license)
{
    QJsonObject object { { "input-type", "css" }, { "name", name } };
    if (!authors.isEmpty()) {
        object.insert("authors", QJsonArray::fromStringList(authors));
    }
    if (!license.isEmpty()) {
        object.insert("license", license);
    }
    return QJsonDocument(object).toJson();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::filesystem::path fsPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
} // namespace

class TestCssPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pluginFile();
    void validatePackage_data();
    void validatePackage();
    void createPackage_data();
    void createPackage();
    void createPackageKeepsCommentsClosed();
    void createPackageFailures_data();
    void createPackageFailures();
    void createStyle();

private:
    QString writePackage(const QByteArray& metadata, const QMap<QString, QByteArray>& files = {});

    std::unique_ptr<QuiltTest::TemporaryXdg> m_xdg;
};

void TestCssPlugin::init()
{
    m_xdg = std::make_unique<QuiltTest::TemporaryXdg>();
    QVERIFY(m_xdg->isValid());
}

void TestCssPlugin::cleanup()
{
    m_xdg.reset();
}

QString TestCssPlugin::writePackage(const QByteArray& metadata, const QMap<QString, QByteArray>& files)
{
    return QuiltTest::writePackage(m_xdg->stylesFolder(), QStringLiteral("teststyle"), metadata, files);
}

void TestCssPlugin::pluginFile()
{
    const std::shared_ptr<InputPlugin> plugin = InputPlugin::inputPlugin(QStringLiteral("css"));
    QVERIFY(plugin);
    QCOMPARE(plugin->metaObject()->className(), "CssPlugin");
    QCOMPARE(plugin->name(), QStringLiteral("css"));
    QCOMPARE(plugin->type(), QStringLiteral("input"));

    const QJsonObject metaData = QPluginLoader(QString::fromStdString(plugin->path().string())).metaData();
    QCOMPARE(metaData.value("IID").toString(), QStringLiteral("org.vyr.quilt.InputPlugin"));
    QCOMPARE(metaData.value("className").toString(), QStringLiteral("CssPlugin"));
    QCOMPARE(metaData.value("MetaData").toObject().value("quilt-pluginname").toString(), QStringLiteral("css"));
    QCOMPARE(metaData.value("MetaData").toObject().value("quilt-plugintype").toString(), QStringLiteral("input"));

    // The same object for the next request.
    QCOMPARE(InputPlugin::inputPlugin(QStringLiteral("css")), plugin);
}

void TestCssPlugin::validatePackage_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("error");

    QTest::newRow("file") << "file" << 0;
    QTest::newRow("directory") << "directory" << 0;
    QTest::newRow("link to a file") << "link" << 0;
    QTest::newRow("dangling link") << "dangling link" << 2;
    QTest::newRow("no css folder") << "no css folder" << 2;
    QTest::newRow("css folder without style.css") << "empty css folder" << 2;
}

void TestCssPlugin::validatePackage()
{
    QFETCH(QString, layout);
    QFETCH(int, error);

    const QString package = writePackage(metadataJson("Test", {}, {}));
    QVERIFY(!package.isEmpty());
    const QString css = package + QStringLiteral("/contents/css");
    const QString sheet = css + QStringLiteral("/style.css");
    if (layout == "file") {
        QVERIFY(QuiltTest::writeFile(sheet, "Button { width: 1px }"));
    } else if (layout == "directory") {
        QVERIFY(QDir().mkpath(sheet));
    } else if (layout == "link") {
        QVERIFY(QuiltTest::writeFile(css + QStringLiteral("/real.css"), ""));
        QVERIFY(QFile::link(css + QStringLiteral("/real.css"), sheet));
    } else if (layout == "dangling link") {
        QVERIFY(QDir().mkpath(css));
        QVERIFY(QFile::link(css + QStringLiteral("/gone.css"), sheet));
    } else if (layout == "empty css folder") {
        QVERIFY(QDir().mkpath(css));
    }

    CssPlugin plugin;
    QCOMPARE(plugin.validatePackage(StylePackage(fsPath(package))), error);
}

void TestCssPlugin::createPackage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("authors");
    QTest::addColumn<QString>("license");
    QTest::addColumn<QByteArray>("licenseLine");
    QTest::addColumn<QByteArray>("authorText");
    QTest::addColumn<QByteArray>("nameLine");

    QTest::newRow("everything given") << "Breeze Light" << QStringList { "Ann Example", "Bob Example" } << "MIT"
                                      << QByteArray("/* SPDX-License-Identifier: MIT */") << QByteArray("Ann Example")
                                      << QByteArray("/* This is the main CSS file for the Quilt style Breeze Light */");
    QTest::newRow("no authors, no licence")
        << "Plain" << QStringList() << QString() << QByteArray("/* SPDX-License-Identifier: Unknown */")
        << QByteArray("Unknown") << QByteArray("/* This is the main CSS file for the Quilt style Plain */");
    QTest::newRow("empty name") << "" << QStringList { "Ann" } << "MIT"
                                << QByteArray("/* SPDX-License-Identifier: MIT */") << QByteArray("Ann")
                                << QByteArray("/* This is the main CSS file for the Quilt style  */");
}

void TestCssPlugin::createPackage()
{
    QFETCH(QString, name);
    QFETCH(QStringList, authors);
    QFETCH(QString, license);
    QFETCH(QByteArray, licenseLine);
    QFETCH(QByteArray, authorText);
    QFETCH(QByteArray, nameLine);

    const QString package = writePackage(metadataJson(name, authors, license));
    QVERIFY(!package.isEmpty());
    StylePackage stylePackage(fsPath(package));
    CssPlugin plugin;
    std::error_code error = std::make_error_code(std::errc::invalid_argument);
    QVERIFY(plugin.createPackage(stylePackage, error));
    QVERIFY(!error);

    const QByteArray expected = licenseLine + "\n" + "/* SPDX-FileCopyrightText: "
        + QByteArray::number(QDate::currentDate().year()) + " " + authorText + " */\n" + "\n" + nameLine + "\n" + "\n"
        + "/* It is recommended to not place any style rules in this file, but instead\n"
        + "   create separate files for different categories of rules and use @import\n"
        + "   here to include them in the style. */\n";
    QCOMPARE(readFile(package + "/contents/css/style.css"), expected);
    QCOMPARE(readFile(package + "/contents/images/README"),
             QByteArray("This directory should contain any images your style uses.\n"));
    QCOMPARE(plugin.validatePackage(stylePackage), 0);
}

void TestCssPlugin::createPackageKeepsCommentsClosed()
{
    // Texts from the metadata must not end the header's comments early and
    // slip rules into the new style sheet, nor break its lines.
    const QString package = writePackage(metadataJson("Evil */ Button { width: 5px } /*",
                                                      { "Eve */ * { opacity: 0.1 } /*" }, "MIT\nLabel { width: 1px }"));
    QVERIFY(!package.isEmpty());
    StylePackage stylePackage(fsPath(package));
    std::error_code error;
    QVERIFY(CssPlugin().createPackage(stylePackage, error));

    const QByteArray text = readFile(package + "/contents/css/style.css");
    QCOMPARE(text.count('\n'), 8);
    cssparser::StyleSheet sheet(fsPath(package + "/contents/css/style.css"));
    sheet.parse();
    QVERIFY(sheet.errors().empty());
    QVERIFY(sheet.rules().empty());
}

void TestCssPlugin::createPackageFailures_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("styleSheetWritten");

    QTest::newRow("css folder cannot be made") << "contents/css" << false;
    QTest::newRow("style.css cannot be written") << "contents/css/style.css" << false;
    QTest::newRow("images folder cannot be made") << "contents/images" << true;
    QTest::newRow("README cannot be written") << "contents/images/README" << true;
}

void TestCssPlugin::createPackageFailures()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, styleSheetWritten);

    const QString package = writePackage(metadataJson("Test", {}, {}));
    QVERIFY(!package.isEmpty());
    // A file where a folder must go, or a folder where a file must go.
    if (obstacle.endsWith(".css") || obstacle.endsWith("README")) {
        QVERIFY(QDir().mkpath(package + "/" + obstacle + "/inside"));
    } else {
        QVERIFY(QuiltTest::writeFile(package + "/" + obstacle, "not a folder"));
    }

    StylePackage stylePackage(fsPath(package));
    std::error_code error;
    QVERIFY(!CssPlugin().createPackage(stylePackage, error));
    QVERIFY2(error, "a failure must never read as success");
    QCOMPARE(QFileInfo(package + "/contents/css/style.css").isFile(), styleSheetWritten);
    if (!styleSheetWritten) {
        QVERIFY(!QFileInfo::exists(package + "/contents/images") || obstacle == "contents/images");
    }
}

void TestCssPlugin::createStyle()
{
    const QString package
        = writePackage(metadataJson("Test", {}, {}), { { "contents/css/style.css", "Button { width: 1px }" } });
    QVERIFY(!package.isEmpty());
    CssPlugin plugin;
    const std::shared_ptr<Style> style = plugin.createStyle(StylePackage(fsPath(package)));
    QVERIFY(style);
    QCOMPARE(style->path(), fsPath(package));
    QVERIFY(style->rules().isEmpty());
    auto* loader = dynamic_cast<Css::CssLoader*>(style->loader());
    QVERIFY(loader);
    QVERIFY(loader->mainStyleSheetPath().empty());
}

QTEST_MAIN(TestCssPlugin)
#include "tst_cssplugin.moc"
