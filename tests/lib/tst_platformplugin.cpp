#include "fallbackplatformplugin_p.h"
#include "platformplugin.h"
#include "pluginregistry.h"
#include "testfixture.h"
#include "testpluginpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using Quilt::AnimationSpeedMultiplierChangedEvent;
using Quilt::DefaultStyleChangedEvent;
using Quilt::FallbackPlatformPlugin;
using Quilt::PlatformPlugin;
using namespace QuiltTest;

namespace
{
QStringList toStrings(const QList<std::filesystem::path>& paths)
{
    QStringList strings;
    for (const std::filesystem::path& path : paths) {
        strings.append(QString::fromStdString(path.string()));
    }
    return strings;
}

QString toString(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Sets XDG_DATA_DIRS for the life of the object; TemporaryXdg restores it.
void setDataDirs(const QStringList& dirs)
{
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dirs.join(QLatin1Char(':'))));
}

enum class Announcement
{
    DefaultStyle,
    AnimationSpeed,
};

// Records the events that reach its own event().
class RecordingPlatform : public PlatformPlugin
{
public:
    QString defaultStyleName() const override { return QStringLiteral("recording"); }

    QList<QEvent::Type> received;

protected:
    bool event(QEvent* event) override
    {
        received.append(event->type());
        return PlatformPlugin::event(event);
    }
};

class Filter : public QObject
{
public:
    explicit Filter(bool swallow)
        : m_swallow(swallow)
    { }

    QList<QEvent::Type> seen;
    bool ofItsClass = true;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen.append(event->type());
        if (event->type() == DefaultStyleChangedEvent::s_type) {
            ofItsClass = ofItsClass && dynamic_cast<DefaultStyleChangedEvent*>(event);
        } else if (event->type() == AnimationSpeedMultiplierChangedEvent::s_type) {
            ofItsClass = ofItsClass && dynamic_cast<AnimationSpeedMultiplierChangedEvent*>(event);
        }
        return m_swallow;
    }

private:
    bool m_swallow;
};
} // namespace

class tst_PlatformPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fallback();
    void defaultPackageFolders_data();
    void defaultPackageFolders();
    void platformIconIgnoresColor_data();
    void platformIconIgnoresColor();
    void announcements_data();
    void announcements();
    void eventTypes();
    void platformFixtures_data();
    void platformFixtures();
};

void tst_PlatformPlugin::fallback()
{
    const FallbackPlatformPlugin fallback;
    QCOMPARE(fallback.defaultStyleName(), QStringLiteral("halcyon"));
    QCOMPARE(fallback.smoothScroll(), true);
    QCOMPARE(fallback.animationSpeedMultiplier(), 1.0);
    // Not loaded by a registry: the plug-in fields stay empty.
    QVERIFY(fallback.path().empty());
    QVERIFY(fallback.name().isEmpty());
    QVERIFY(fallback.type().isEmpty());
    QVERIFY(fallback.metadata().isEmpty());
    QVERIFY(!fallback.parent());
    QCOMPARE(fallback.metaObject(), &PlatformPlugin::staticMetaObject);
}

void tst_PlatformPlugin::defaultPackageFolders_data()
{
    // Folder names stand for: "home" the data home, "first" and "second" the
    // two entries of XDG_DATA_DIRS.
    QTest::addColumn<QStringList>("folders"); // where quilt/styles is a folder
    QTest::addColumn<QStringList>("files"); // where quilt/styles is a file
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none") << QStringList() << QStringList() << QStringList();
    QTest::newRow("home only") << QStringList { "home" } << QStringList() << QStringList { "home" };
    QTest::newRow("second only") << QStringList { "second" } << QStringList() << QStringList { "second" };
    QTest::newRow("all, home first") << QStringList { "second", "first", "home" } << QStringList()
                                     << QStringList { "home", "first", "second" };
    QTest::newRow("a file is no folder") << QStringList { "second" } << QStringList { "home", "first" }
                                         << QStringList { "second" };
}

void tst_PlatformPlugin::defaultPackageFolders()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);

    const TemporaryXdg xdg;
    QVERIFY(xdg.isValid());
    const QHash<QString, QString> roots {
        { QStringLiteral("home"), xdg.dataHome() },
        { QStringLiteral("first"), xdg.path() + QStringLiteral("/first") },
        { QStringLiteral("second"), xdg.path() + QStringLiteral("/second") },
    };
    setDataDirs({ roots.value(QStringLiteral("first")), roots.value(QStringLiteral("second")) });
    for (const QString& folder : folders) {
        QVERIFY(QDir().mkpath(roots.value(folder) + QStringLiteral("/quilt/styles")));
    }
    for (const QString& file : files) {
        QVERIFY(writeFile(roots.value(file) + QStringLiteral("/quilt/styles"), "not a folder"));
    }
    QStringList expectedPaths;
    for (const QString& name : expected) {
        expectedPaths.append(roots.value(name) + QStringLiteral("/quilt/styles"));
    }

    const FallbackPlatformPlugin platform;
    QCOMPARE(toStrings(platform.stylePackagePaths()), expectedPaths);
    // Named whether or not it exists, and not created by asking.
    const QString installPath = xdg.dataHome() + QStringLiteral("/quilt/styles");
    QCOMPARE(toString(platform.stylePackageInstallPath()), installPath);
    if (!folders.contains(QStringLiteral("home")) && !files.contains(QStringLiteral("home"))) {
        QVERIFY(!QFileInfo::exists(installPath));
    }
}

void tst_PlatformPlugin::platformIconIgnoresColor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inTheme");

    QTest::newRow("icon of the theme") << "quilt-test-icon" << true;
    QTest::newRow("unknown icon") << "quilt-test-missing" << false;
}

void tst_PlatformPlugin::platformIconIgnoresColor()
{
    QFETCH(QString, name);
    QFETCH(bool, inTheme);

    // A theme of one green 16x16 icon.
    const QTemporaryDir themes;
    QVERIFY(themes.isValid());
    QVERIFY(writeFile(themes.filePath(QStringLiteral("quilt-test/index.theme")),
                      "[Icon Theme]\nName=quilt-test\nDirectories=16x16/apps\n\n"
                      "[16x16/apps]\nSize=16\nType=Fixed\n"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QVERIFY(QDir().mkpath(themes.filePath(QStringLiteral("quilt-test/16x16/apps"))));
    QVERIFY(image.save(themes.filePath(QStringLiteral("quilt-test/16x16/apps/quilt-test-icon.png"))));

    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    QIcon::setThemeSearchPaths({ themes.path() });
    QIcon::setThemeName(QStringLiteral("quilt-test"));

    const FallbackPlatformPlugin platform;
    const QIcon reference = QIcon::fromTheme(name);
    QCOMPARE(reference.isNull(), !inTheme);
    const QList<QColor> colors { Qt::red, Qt::blue, QColor() };
    for (const QColor& color : colors) {
        const QIcon icon = platform.platformIcon(name, color);
        QCOMPARE(icon.isNull(), reference.isNull());
        QCOMPARE(icon.name(), reference.name());
        QCOMPARE(icon.pixmap(16).toImage(), reference.pixmap(16).toImage());
    }
    if (inTheme) {
        QCOMPARE(platform.platformIcon(name, Qt::red).pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::green));
    }

    QIcon::setThemeName(themeName);
    QIcon::setThemeSearchPaths(searchPaths);
}

void tst_PlatformPlugin::announcements_data()
{
    QTest::addColumn<Announcement>("announcement");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<bool>("swallow");

    const QList<std::pair<const char*, Announcement>> kinds {
        { "default style", Announcement::DefaultStyle },
        { "animation speed", Announcement::AnimationSpeed },
    };
    for (const auto& [name, kind] : kinds) {
        QTest::addRow("%s, no filter", name) << kind << false << false;
        QTest::addRow("%s, filter passes it on", name) << kind << true << false;
        QTest::addRow("%s, filter keeps it", name) << kind << true << true;
    }
}

void tst_PlatformPlugin::announcements()
{
    QFETCH(Announcement, announcement);
    QFETCH(bool, filtered);
    QFETCH(bool, swallow);

    RecordingPlatform platform;
    Filter filter(swallow);
    if (filtered) {
        platform.installEventFilter(&filter);
    }

    QEvent::Type type = QEvent::None;
    if (announcement == Announcement::DefaultStyle) {
        type = DefaultStyleChangedEvent::s_type;
        platform.sendDefaultStyleChangedEvent();
    } else {
        type = AnimationSpeedMultiplierChangedEvent::s_type;
        platform.sendAnimationSpeedMultiplierChangedEvent();
    }

    // Delivered at once, to the filter first.
    QCOMPARE(filter.seen, filtered ? QList<QEvent::Type> { type } : QList<QEvent::Type>());
    QVERIFY(filter.ofItsClass);
    QCOMPARE(platform.received, swallow ? QList<QEvent::Type>() : QList<QEvent::Type> { type });
}

void tst_PlatformPlugin::eventTypes()
{
    const QEvent::Type defaultStyle = DefaultStyleChangedEvent::s_type;
    const QEvent::Type animationSpeed = AnimationSpeedMultiplierChangedEvent::s_type;

    QVERIFY(defaultStyle != animationSpeed);
    for (const QEvent::Type type : { defaultStyle, animationSpeed }) {
        QVERIFY(type >= QEvent::User && type <= QEvent::MaxUser);
        // Already taken: asking for it as a hint gives another number.
        QVERIFY(QEvent::registerEventType(type) != type);
    }
    QCOMPARE(DefaultStyleChangedEvent().type(), defaultStyle);
    QCOMPARE(AnimationSpeedMultiplierChangedEvent().type(), animationSpeed);
}

void tst_PlatformPlugin::platformFixtures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("platforms");
    QTest::addColumn<QStringList>("sessions");
    QTest::addColumn<QString>("defaultStyle");
    QTest::addColumn<QString>("packageFolder"); // below the data home

    QTest::newRow("testdesktop") << "testdesktop" << QStringList { "XCB", "Wayland" } << QStringList { "TestDesktop" }
                                 << "testdesktop-style"
                                 << "testdesktop/styles";
    QTest::newRow("testplain") << "testplain" << QStringList { "offscreen" } << QStringList() << "halcyon"
                               << "quilt/styles";
}

// The platform plug-ins that later tests choose among: found, loaded and
// answering as their notes in the build files say.
void tst_PlatformPlugin::platformFixtures()
{
    QFETCH(QString, name);
    QFETCH(QStringList, platforms);
    QFETCH(QStringList, sessions);
    QFETCH(QString, defaultStyle);
    QFETCH(QString, packageFolder);

    const TemporaryXdg xdg;
    QVERIFY(xdg.isValid());
    setDataDirs({ xdg.path() + QStringLiteral("/none") });
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({ QString::fromUtf8(Fixtures::sharedLibraryPath) });

    Quilt::PluginRegistry<PlatformPlugin> registry(QStringLiteral("platform"), QJsonObject());
    const std::optional<Quilt::PluginEntry> entry = registry.findEntry(name);
    QVERIFY(entry);
    QCOMPARE(entry->metadata.value(QStringLiteral("quilt-supported-platforms")).toVariant().toStringList(), platforms);
    QCOMPARE(entry->metadata.value(QStringLiteral("quilt-supported-sessions")).toVariant().toStringList(), sessions);

    PlatformPlugin* platform = registry.plugin(name);
    QCoreApplication::setLibraryPaths(libraryPaths);
    QVERIFY(platform);
    QCOMPARE(platform->defaultStyleName(), defaultStyle);
    const QString folder = xdg.dataHome() + QLatin1Char('/') + packageFolder;
    QCOMPARE(toString(platform->stylePackageInstallPath()), folder);
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(toStrings(platform->stylePackagePaths()), QStringList { folder });
}

QTEST_MAIN(tst_PlatformPlugin)
#include "tst_platformplugin.moc"
