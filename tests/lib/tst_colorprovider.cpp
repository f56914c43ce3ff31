#include "color.h"
#include "colorprovider.h"
#include "testpluginpaths.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QTest>

#include <dlfcn.h>

using Quilt::Color;
using Quilt::ColorProvider;
using namespace QuiltTest;

namespace
{
QString fixture(const char* path)
{
    return QString::fromUtf8(path);
}

// Asks the dynamic loader, not Qt, whether code of the file is mapped.
bool isLoaded(const char* path)
{
    void* handle = dlopen(path, RTLD_LAZY | RTLD_NOLOAD);
    if (handle) {
        dlclose(handle);
    }
    return handle != nullptr;
}

// The fixture object that libQuilt loaded: Qt hands out one root object per
// library, so this is the very provider that resolves the colours.
QObject* testColors()
{
    return QPluginLoader(fixture(Fixtures::testColors)).instance();
}

int callsOf(QObject* provider)
{
    return provider ? provider->property("calls").toInt() : -1;
}

QByteArray noProviderWarning(const QString& source)
{
    return "No provider \"" + source.toUtf8() + "\" found";
}

// A provider of the application's own: always the same colour.
class FixedProvider : public ColorProvider
{
public:
    explicit FixedProvider(Quilt::Rgba value)
        : m_value(value)
    { }

    std::optional<Quilt::Rgba> resolveColor(const QStringList& arguments) override
    {
        ++calls;
        lastArguments = arguments;
        return m_value;
    }

    int calls = 0;
    QStringList lastArguments;

private:
    Quilt::Rgba m_value;
};

const Quilt::Rgba fixedValue { 1, 2, 3, 4 };
const QColor fixedColor(1, 2, 3, 4);
} // namespace

class tst_ColorProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    // Must run first: it watches the first custom colour of the process.
    void firstCustomColorScansOnce();

    void resolution_data();
    void resolution();
    void everyResolutionAsksTheProvider();
    void registeredProviderWins_data();
    void registeredProviderWins();
    void destroyedProviderFallsBack();
    void unknownSource_data();
    void unknownSource();
};

void tst_ColorProvider::init()
{
    // Only the warnings a test expects may appear: a provider that cannot
    // resolve its arguments is silent on libQuilt's side.
    QTest::failOnWarning();
}

void tst_ColorProvider::firstCustomColorScansOnce()
{
    const QStringList defaultPaths = QCoreApplication::libraryPaths();
    QVERIFY(!isLoaded(Fixtures::testColors));

    // The scan happens here, while the shared fixtures are on the library
    // paths, although nothing is resolved yet.
    const Color early = Color::custom(QStringLiteral("testcolors"), { QStringLiteral("red") });
    QVERIFY(!isLoaded(Fixtures::testColors));

    // A later custom colour does not scan again: this folder is never seen.
    QCoreApplication::setLibraryPaths({ fixture(Fixtures::lateLibraryPath) });
    const Color late = Color::custom(QStringLiteral("latecolors"), { QStringLiteral("red") });

    QCOMPARE(early.toQColor(), QColor(Qt::red));
    QVERIFY(isLoaded(Fixtures::testColors));
    QTest::ignoreMessage(QtWarningMsg, noProviderWarning(QStringLiteral("latecolors")).constData());
    QCOMPARE(late.toQColor(), QColor(Qt::transparent));
    QVERIFY(!isLoaded(Fixtures::lateColors));

    QCoreApplication::setLibraryPaths(defaultPaths);
}

void tst_ColorProvider::resolution_data()
{
    QTest::addColumn<Color>("color");
    // The same expression over plain RGBA values, or an invalid colour when
    // the custom colour resolves to none.
    QTest::addColumn<Color>("expected");

    const auto custom = [](const QStringList& arguments) {
        return Color::custom(QStringLiteral("testcolors"), arguments);
    };
    const Color red = Color::rgba(255, 0, 0, 255);
    const Color hex = Color::rgba(0x10, 0x20, 0x30, 0x80);
    const Color blue = Color::rgba(0, 0, 255, 255);

    QTest::newRow("name") << custom({ "red" }) << red;
    QTest::newRow("hex with alpha") << custom({ "#80102030" }) << hex;
    QTest::newRow("unresolvable") << custom({ "no-such-colour" }) << Color();
    QTest::newRow("no arguments") << custom({}) << Color();
    QTest::newRow("too many arguments") << custom({ "red", "blue" }) << Color();
    QTest::newRow("mix") << Color::mix(custom({ "red" }), blue, 0.25) << Color::mix(red, blue, 0.25);
    QTest::newRow("set in add") << Color::add(Color::set(custom({ "#80102030" }), std::nullopt, 7, std::nullopt, 255),
                                              custom({ "blue" }))
                                << Color::add(Color::set(hex, std::nullopt, 7, std::nullopt, 255), blue);
    QTest::newRow("unresolved operand") << Color::subtract(blue, custom({ "nothing" }))
                                        << Color::subtract(blue, Color::rgba(0, 0, 0, 0));
}

void tst_ColorProvider::resolution()
{
    QFETCH(Color, color);
    QFETCH(Color, expected);

    QCOMPARE(color.toRgba(), expected.toRgba());
    QCOMPARE(color.toQColor(), expected.isValid() ? expected.toQColor() : QColor(Qt::transparent));
}

void tst_ColorProvider::everyResolutionAsksTheProvider()
{
    // Blanks, case and order of the arguments are the provider's business.
    const QStringList arguments { QStringLiteral(" Active"), QStringLiteral("view "), QString() };
    const Color color = Color::custom(QStringLiteral("testcolors"), arguments);
    const Color twice = Color::mix(color, color, 0.5);

    QVERIFY(!color.toRgba().isValid()); // loads the plug-in, if no test did
    QObject* provider = testColors();
    QVERIFY(provider);
    const int before = callsOf(provider);

    QVERIFY(!color.toRgba().isValid());
    QCOMPARE(color.toQColor(), QColor(Qt::transparent));
    QCOMPARE(callsOf(provider), before + 2);
    QCOMPARE(provider->property("lastArguments").toStringList(), arguments);

    // Unresolved operands count as 0 in every channel.
    QCOMPARE(twice.toRgba(), Color::rgba(0, 0, 0, 0));
    QCOMPARE(callsOf(provider), before + 4);
}

void tst_ColorProvider::registeredProviderWins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("pluginUsedFirst");

    QTest::newRow("plug-in never asked") << "shadowedcolors" << fixture(Fixtures::shadowedColors) << false;
    QTest::newRow("plug-in used before") << "testcolors" << fixture(Fixtures::testColors) << true;
}

void tst_ColorProvider::registeredProviderWins()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(bool, pluginUsedFirst);

    const QStringList arguments { QStringLiteral("blue") };
    const Color color = Color::custom(name, arguments);
    if (pluginUsedFirst) {
        QCOMPARE(color.toQColor(), QColor(Qt::blue));
    }
    const int pluginCalls = pluginUsedFirst ? callsOf(QPluginLoader(file).instance()) : 0;

    FixedProvider own(fixedValue);
    ColorProvider::registerProvider(name, &own);
    QCOMPARE(color.toQColor(), fixedColor);
    QCOMPARE(Color::custom(name, arguments).toRgba(), Color::rgba(1, 2, 3, 4));
    QCOMPARE(own.calls, 2);
    QCOMPARE(own.lastArguments, arguments);
    if (pluginUsedFirst) {
        QCOMPARE(callsOf(QPluginLoader(file).instance()), pluginCalls);
    } else {
        QVERIFY(!isLoaded(file.toUtf8().constData()));
    }

    // A null registration hands the name back to the plug-ins.
    ColorProvider::registerProvider(name, nullptr);
    QCOMPARE(color.toQColor(), QColor(Qt::blue));
    QCOMPARE(own.calls, 2);
    QCOMPARE(callsOf(QPluginLoader(file).instance()), pluginCalls + 1);
}

void tst_ColorProvider::destroyedProviderFallsBack()
{
    const Color color = Color::custom(QStringLiteral("testcolors"), { QStringLiteral("blue") });
    const Color own = Color::custom(QStringLiteral("owncolors"), {});
    {
        FixedProvider provider(fixedValue);
        ColorProvider::registerProvider(QStringLiteral("testcolors"), &provider);
        ColorProvider::registerProvider(QStringLiteral("owncolors"), &provider);
        QCOMPARE(color.toQColor(), fixedColor);
        QCOMPARE(own.toQColor(), fixedColor);
    }

    // Gone without being unregistered: the names behave as if never
    // registered instead of calling into freed memory.
    QCOMPARE(color.toQColor(), QColor(Qt::blue));
    QTest::ignoreMessage(QtWarningMsg, noProviderWarning(QStringLiteral("owncolors")).constData());
    QCOMPARE(own.toQColor(), QColor(Qt::transparent));
}

void tst_ColorProvider::unknownSource_data()
{
    QTest::addColumn<QString>("source");

    QTest::newRow("no such provider") << "nosuchcolors";
    QTest::newRow("plug-in name in other case") << "TestColors";
    QTest::newRow("registered name in other case") << "Registered";
    QTest::newRow("empty") << "";
}

void tst_ColorProvider::unknownSource()
{
    QFETCH(QString, source);

    FixedProvider registered(fixedValue);
    ColorProvider::registerProvider(QStringLiteral("registered"), &registered);
    const Color color = Color::custom(source, { QStringLiteral("red") });

    // The failure is not remembered: every attempt warns again.
    const QByteArray warning = noProviderWarning(source);
    QTest::ignoreMessage(QtWarningMsg, warning.constData());
    QVERIFY(!color.toRgba().isValid());
    QTest::ignoreMessage(QtWarningMsg, warning.constData());
    QCOMPARE(Color::add(color, Color::rgba(5, 6, 7, 8)).toQColor(), QColor(5, 6, 7, 8));
    QCOMPARE(registered.calls, 0);

    ColorProvider::registerProvider(QStringLiteral("registered"), nullptr);
}

QTEST_GUILESS_MAIN(tst_ColorProvider)
#include "tst_colorprovider.moc"
