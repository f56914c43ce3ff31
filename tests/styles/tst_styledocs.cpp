// The example of docs/style-sheets.md, "Building on halcyon", as a user
// writes it: the package with the documented metadata.json and the sheet
// that imports halcyon's. It must load without an error, have its own
// button colour, and resolve every other element exactly as halcyon does.

#include "testfixture.h"

#include "element.h"
#include "elementquery.h"
#include "packagehandler.h"
#include "style.h"
#include "stylepackage.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Quilt;
using namespace Qt::StringLiterals;

namespace
{
// Outermost first: each element's type and states.
using Links = QList<QPair<QString, Element::States>>;

// The first block of `language` below the heading `section`.
QString exampleBlock(const QString& section, const QString& language)
{
    QFile guide(QStringLiteral(QUILT_STYLE_SHEET_GUIDE));
    if (!guide.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(guide.readAll());
    const qsizetype start = text.indexOf(u"\n## "_s + section + u'\n');
    if (start < 0) {
        return {};
    }
    const QRegularExpression block(u"```"_s + language + u"\\n(.*?)```"_s,
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = block.match(text, start);
    const qsizetype nextSection = text.indexOf(u"\n## "_s, start + 1);
    if (!match.hasMatch() || (nextSection >= 0 && match.capturedStart() > nextSection)) {
        return {};
    }
    return match.captured(1);
}

QString resolved(const std::shared_ptr<Style>& style, const Links& links, const QStringList& hints = {})
{
    ElementChain chain;
    for (const auto& [type, states] : links) {
        auto element = Element::create();
        element->setType(type);
        element->setStates(states);
        element->setHints(hints);
        chain.append(element);
    }
    ElementQuery query(style);
    query.setElements(chain);
    query.execute();
    return query.properties() ? query.properties()->toString(0, {}) : QString();
}
} // namespace

class tst_StyleDocs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void metadata();
    void buildsOnHalcyon_data();
    void buildsOnHalcyon();

public:
    explicit tst_StyleDocs(const QuiltTest::TemporaryXdg& xdg)
        : m_xdg(xdg)
    { }

private:
    const QuiltTest::TemporaryXdg& m_xdg;
    std::shared_ptr<Style> m_style;
    std::shared_ptr<Style> m_halcyon;
};

void tst_StyleDocs::initTestCase()
{
    QVERIFY(m_xdg.isValid());
    const QString metadata = exampleBlock(u"The package and its metadata.json"_s, u"json"_s);
    QString sheet = exampleBlock(u"Building on halcyon"_s, u"css"_s);
    QVERIFY(!metadata.isEmpty());
    QVERIFY(sheet.contains(u"@import"_s));

    // The example names halcyon where a system install puts it; here it is
    // the build's copy.
    const QString halcyon = QStandardPaths::locate(QStandardPaths::GenericDataLocation, u"quilt/styles/halcyon"_s,
                                                   QStandardPaths::LocateDirectory);
    QVERIFY(!halcyon.isEmpty());
    QVERIFY(sheet.contains(u"/usr/share/quilt/styles/halcyon/"_s));
    sheet.replace(u"/usr/share/quilt/styles/halcyon/"_s, halcyon + u'/');

    QMap<QString, QByteArray> files { { u"contents/css/style.css"_s, sheet.toUtf8() } };
    // halcyon's images, copied beside the sheet as the guide says.
    const QDir images(halcyon + u"/contents/images"_s);
    for (const QString& name : images.entryList(QDir::Files)) {
        QFile image(images.filePath(name));
        QVERIFY(image.open(QIODevice::ReadOnly));
        files.insert(u"contents/images/"_s + name, image.readAll());
    }
    QVERIFY(files.size() > 1);
    QVERIFY(!QuiltTest::writePackage(m_xdg.stylesFolder(), u"my-style"_s, metadata.toUtf8(), files).isEmpty());

    // Nothing may be wrong with the example: no warning at all.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
    registry->load();
    m_style = registry->style(u"my-style"_s);
    m_halcyon = registry->style(u"halcyon"_s);
    QVERIFY(m_style);
    QVERIFY(m_halcyon);
    QVERIFY(!m_style->hasErrors());
}

void tst_StyleDocs::metadata()
{
    const StylePackage package = StyleRegistry::instance()->packageHandler()->package(u"my-style"_s);
    QVERIFY(package.isValid());
    QCOMPARE(package.inputType(), u"css"_s);
    QCOMPARE(package.name(), u"My Style"_s);
    QCOMPARE(package.version(), u"1.0"_s);
    QCOMPARE(package.authors(), QStringList { u"Ann Author"_s });
    QVERIFY(!package.isHidden());
    const QLocale before;
    QLocale::setDefault(QLocale(u"de_DE"_s));
    QCOMPARE(package.name(), u"Mein Stil"_s);
    QLocale::setDefault(before);
}

void tst_StyleDocs::buildsOnHalcyon_data()
{
    QTest::addColumn<Links>("chain");
    QTest::addColumn<QStringList>("hints");
    const Element::States none;

    QTest::newRow("check box indicator") << Links {
        { u"Window"_s, none }, { u"CheckBox"_s, none }, { u"Indicator"_s, none }
    } << QStringList();
    QTest::newRow("checked check box indicator")
        << Links { { u"CheckBox"_s, Element::State::Checked }, { u"Indicator"_s, Element::State::Checked } }
        << QStringList();
    QTest::newRow("line edit") << Links { { u"Window"_s, none }, { u"TextField"_s, none } } << QStringList();
    QTest::newRow("combo box") << Links { { u"ComboBox"_s, none } } << QStringList();
    QTest::newRow("slider groove") << Links { { u"Slider"_s, none } } << QStringList { u"horizontal"_s };
    QTest::newRow("slider fill") << Links { { u"Slider"_s, none }, { u"Fill"_s, none } } << QStringList();
}

void tst_StyleDocs::buildsOnHalcyon()
{
    QFETCH(Links, chain);
    QFETCH(QStringList, hints);

    // Images are found in each package's own folder.
    QString own = resolved(m_style, chain, hints);
    own.replace(QString::fromStdString(m_style->path().string()), QString::fromStdString(m_halcyon->path().string()));
    QVERIFY(!own.isEmpty());
    QCOMPARE(own, resolved(m_halcyon, chain, hints));
}

int main(int argc, char** argv)
{
    // Outlives the application: the registry writes its caches when the
    // application goes.
    QuiltTest::TemporaryXdg xdg;
    QGuiApplication app(argc, argv);
    tst_StyleDocs test(xdg);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_styledocs.moc"
