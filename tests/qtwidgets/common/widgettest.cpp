#include "widgettest.h"

#include "platformplugin.h"
#include "quiltstyle.h"
#include "styleregistry.h"
#include "testfixture.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace QuiltWidgetTest
{
namespace
{
const QString styleName = QStringLiteral("widgettest");
const QString themeName = QStringLiteral("quilt-test");

QPointer<QuiltStyle> installedStyle;

// Element types and the states the standard sheet colours each of them in.
const QStringList standardTypes {
    QStringLiteral("ApplicationWindow"),
    QStringLiteral("Button"),
    QStringLiteral("CheckBox"),
    QStringLiteral("ComboBox"),
    QStringLiteral("DockWidget"),
    QStringLiteral("FocusFrame"),
    QStringLiteral("Frame"),
    QStringLiteral("GroupBox"),
    QStringLiteral("HeaderViewDelegate"),
    QStringLiteral("ItemViewItem"),
    QStringLiteral("TextField"),
    QStringLiteral("MenuBar"),
    QStringLiteral("MenuBarItem"),
    QStringLiteral("Menu"),
    QStringLiteral("MenuItem"),
    QStringLiteral("ProgressBar"),
    QStringLiteral("RadioButton"),
    QStringLiteral("RubberBand"),
    QStringLiteral("ScrollAreaCorner"),
    QStringLiteral("ScrollBar"),
    QStringLiteral("SizeGrip"),
    QStringLiteral("Slider"),
    QStringLiteral("SpinBox"),
    QStringLiteral("Splitter"),
    QStringLiteral("StatusBar"),
    QStringLiteral("TabButton"),
    QStringLiteral("TabBar"),
    QStringLiteral("TabWidget"),
    QStringLiteral("TitleBar"),
    QStringLiteral("ToolBar"),
    QStringLiteral("ToolButton"),
    QStringLiteral("ToolBox"),
    QStringLiteral("ToolTip"),
    QStringLiteral("TreeView"),
    QStringLiteral("Widget"),
};
const QStringList standardStates {
    QStringLiteral(":hover"),    QStringLiteral(":pressed"),     QStringLiteral(":checked"),
    QStringLiteral(":disabled"), QStringLiteral(":highlighted"),
};

const QStringList iconNames {
    QStringLiteral("pan-down-symbolic"),        QStringLiteral("pan-up-symbolic"),
    QStringLiteral("pan-start-symbolic"),       QStringLiteral("pan-end-symbolic"),
    QStringLiteral("list-add-symbolic"),        QStringLiteral("list-remove-symbolic"),
    QStringLiteral("window-close-symbolic"),    QStringLiteral("window-minimize-symbolic"),
    QStringLiteral("window-maximize-symbolic"), QStringLiteral("window-shade-symbolic"),
    QStringLiteral("help-contextual-symbolic"), QStringLiteral("application-menu-symbolic"),
    QStringLiteral("window-restore"),
};

// Seven levels per channel, about 42 apart: index 0 (black) and 342 (white)
// are not handed out.
QColor paletteColor(int index)
{
    Q_ASSERT(index > 0 && index < 342);
    const auto level = [](int step) {
        return step * 255 / 6;
    };
    return QColor(level(index / 49 % 7), level(index / 7 % 7), level(index % 7));
}

bool writeIconTheme(const QString& folder)
{
    QString index = QStringLiteral("[Icon Theme]\nName=Quilt test\nComment=Fixture\nDirectories=icons\n\n"
                                   "[icons]\nSize=16\nMinSize=8\nMaxSize=256\nType=Scalable\n");
    if (!QuiltTest::writeFile(folder + QStringLiteral("/index.theme"), index.toUtf8())) {
        return false;
    }
    QDir().mkpath(folder + QStringLiteral("/icons"));
    for (const QString& name : iconNames) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(iconColor(name));
        if (!image.save(folder + QStringLiteral("/icons/") + name + QStringLiteral(".png"))) {
            return false;
        }
    }
    return true;
}
} // namespace

QStringList standardSelectors()
{
    QStringList selectors;
    for (const QString& type : standardTypes) {
        selectors.append(type);
        for (const QString& state : standardStates) {
            selectors.append(type + state);
        }
    }
    return selectors;
}

QColor fixtureColor(const QString& selector)
{
    static const QStringList selectors = standardSelectors();
    const int index = selectors.indexOf(selector);
    Q_ASSERT_X(index >= 0, "fixtureColor", qPrintable(selector));
    Q_ASSERT(1 + index < 341 - iconNames.size());
    return paletteColor(1 + index);
}

QByteArray standardStyleSheet()
{
    QByteArray sheet;
    for (const QString& selector : standardSelectors()) {
        sheet += selector.toUtf8() + " { background-color: " + fixtureColor(selector).name().toUtf8() + "; }\n";
    }
    return sheet;
}

QStringList fixtureIconNames()
{
    return iconNames;
}

QColor iconColor(const QString& name)
{
    const int index = iconNames.indexOf(name);
    Q_ASSERT_X(index >= 0, "iconColor", qPrintable(name));
    // From the other end of the palette than the style sheet's colours.
    return paletteColor(341 - index);
}

QuiltStyle* style()
{
    return installedStyle.data();
}

QObject* platform()
{
    return Quilt::StyleRegistry::instance()->platform().get();
}

int runTests(int argc, char** argv, QObject* test, const Fixture& fixture)
{
    QuiltTest::TemporaryXdg xdg;
    if (!xdg.isValid()) {
        qCritical("Could not create the temporary XDG folders");
        return 1;
    }
    if (fixture.styleSheet) {
        const QByteArray metadata = R"({ "input-type": "css", "name": "Widget test" })";
        if (QuiltTest::writePackage(xdg.stylesFolder(), styleName, metadata,
                                    { { QStringLiteral("contents/css/style.css"), *fixture.styleSheet } })
                .isEmpty()) {
            qCritical("Could not write the fixture style");
            return 1;
        }
    } else {
        // Hide the build's styles, "halcyon" among them, which would otherwise
        // serve as the fallback default style.
        const QString empty = xdg.path() + QStringLiteral("/no-data");
        QDir().mkpath(empty);
        qputenv("XDG_DATA_DIRS", QFile::encodeName(empty));
    }
    qputenv("QUILT_STYLE_NAME", styleName.toUtf8());
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");

    const QString themes = xdg.path() + QStringLiteral("/icons");
    if (!writeIconTheme(themes + QLatin1Char('/') + themeName)) {
        qCritical("Could not write the fixture icon theme");
        return 1;
    }

    QApplication application(argc, argv);
    QIcon::setThemeSearchPaths({ themes });
    QIcon::setThemeName(themeName);
    installedStyle = new QuiltStyle;
    QApplication::setStyle(installedStyle);
    return QTest::qExec(test, argc, argv);
}

bool showAndWait(QWidget* widget)
{
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}

QImage grabImage(QWidget* widget)
{
    return widget->grab().toImage();
}

bool fuzzyColor(const QColor& actual, const QColor& expected, int tolerance)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance && qAbs(actual.alpha() - expected.alpha()) <= tolerance;
}

QColor colorAt(const QImage& image, const QPoint& point)
{
    // Grabs of a widget come at the screen's pixel ratio; points are logical.
    const QPoint device = (QPointF(point) * image.devicePixelRatio()).toPoint();
    return image.pixelColor(device);
}

bool containsColor(const QImage& image, const QRect& rect, const QColor& color, int tolerance)
{
    const QRect device = QRect(rect.topLeft() * image.devicePixelRatio(), rect.size() * image.devicePixelRatio())
                             .intersected(image.rect());
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (fuzzyColor(image.pixelColor(x, y), color, tolerance)) {
                return true;
            }
        }
    }
    return false;
}

QString describe(const QColor& color)
{
    return color.name(QColor::HexArgb);
}

QImage paintImage(const QSize& size, const std::function<void(QPainter*)>& paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint(&painter);
    painter.end();
    return image;
}
} // namespace QuiltWidgetTest
