// What a user sees of the controls under halcyon, in the light and the dark
// colour scheme, read back from the drawn window at chosen points: marks
// that tell the states apart, disabled parts that look disabled and stay
// legible, icons that show, rows that stand apart.

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "contrast.h"
#include "quicktestfixture.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

using QuiltTest::contrast;

namespace
{
// Names `path` as the application's colour scheme (none: the default one)
// and changes the palette, as an application does.
void useScheme(const QString& path)
{
    qApp->setProperty("VYR_COLOR_SCHEME_PATH", path);
    QEvent change(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(qApp, &change);
}

QString schemeFile(const QString& scheme)
{
    return scheme == QLatin1StringView("dark") ? QStringLiteral(QUILT_TEST_DARK_SCHEME) : QString();
}

// A test run once in each scheme: the column "scheme" for schemeFile().
void schemeRows()
{
    QTest::addColumn<QString>("scheme");
    QTest::newRow("light") << QStringLiteral("light");
    QTest::newRow("dark") << QStringLiteral("dark");
}

// Each control type in each scheme: the columns "scheme" and "type" (the
// name that stands for TYPE in the document shown).
void schemeAndTypeRows(std::initializer_list<const char*> types)
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QByteArray>("type");
    for (const char* scheme : { "light", "dark" }) {
        for (const char* type : types) {
            QTest::addRow("%s, %s", type, scheme) << QString::fromLatin1(scheme) << QByteArray(type);
        }
    }
}

double distance(const QColor& a, const QColor& b)
{
    const double red = a.red() - b.red();
    const double green = a.green() - b.green();
    const double blue = a.blue() - b.blue();
    return std::sqrt(red * red + green * green + blue * blue);
}

// The ground of a box (its most common colour, inside the border) and the
// colour that stands out from it most: the mark drawn on it.
struct Mark
{
    QColor ground;
    QColor mark;
    int markPixels = 0; // pixels clearly off the ground

    double contrast() const { return QuiltTest::contrast(ground, mark); }
    QString describe() const
    {
        return QStringLiteral("%1 on %2 (%3:1, %4 pixels)")
            .arg(mark.name(), ground.name())
            .arg(contrast(), 0, 'f', 2)
            .arg(markPixels);
    }
};

Mark markIn(const QImage& image, const QRect& box)
{
    const QRect inner = box.adjusted(2, 2, -2, -2);
    QHash<QRgb, int> counts;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    Mark result;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            result.ground = QColor::fromRgb(it.key());
        }
    }
    result.mark = result.ground;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (QuiltTest::contrast(colour, result.ground) > result.contrast())
                result.mark = colour;
            if (distance(colour, result.ground) > 40)
                ++result.markPixels;
        }
    }
    return result;
}
} // namespace

class HalcyonPixelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QuiltQuickTest::installShippedStyle(QStringLiteral("halcyon")));
        // Halcyon's own icons, where an installed system has them.
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral(QUILT_TEST_ICONS_DIR));
    }

    void cleanup()
    {
        m_object.reset();
        m_window.reset();
        useScheme(QString());
    }

    // A partially checked box shows the accent with a mark of its own: not
    // empty as an unchecked one, not ticked as a checked one.
    void partiallyChecked_data() { schemeAndTypeRows({ "CheckBox", "CheckDelegate" }); }

    void partiallyChecked()
    {
        QFETCH(QString, scheme);
        QFETCH(QByteArray, type);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(
            Column {
                TYPE { objectName: "unchecked"; text: "None"; tristate: true; width: 160 }
                TYPE { objectName: "partial"; text: "Some"; tristate: true; checkState: Qt.PartiallyChecked; width: 160 }
                TYPE { objectName: "checked"; text: "All"; tristate: true; checkState: Qt.Checked; width: 160 }
            })",
                                type);
        QVERIFY(root);
        const QImage image = m_window->grabWindow();
        const Mark unchecked = markIn(image, indicatorBox("unchecked"));
        const Mark partial = markIn(image, indicatorBox("partial"));
        const Mark checked = markIn(image, indicatorBox("checked"));

        QVERIFY2(distance(partial.ground, unchecked.ground) > 40,
                 qPrintable(QStringLiteral("partial %1, unchecked %2").arg(partial.describe(), unchecked.describe())));
        QVERIFY2(distance(partial.ground, checked.ground) < 8,
                 qPrintable(QStringLiteral("partial %1, checked %2").arg(partial.describe(), checked.describe())));
        QVERIFY2(partial.contrast() >= 2 && partial.markPixels >= 8, qPrintable(partial.describe()));
        // A dash, not the tick.
        const QRect partialBox = indicatorBox("partial");
        const QRect checkedBox = indicatorBox("checked");
        int differing = 0;
        for (int y = 2; y < partialBox.height() - 2; ++y) {
            for (int x = 2; x < partialBox.width() - 2; ++x) {
                if (distance(image.pixelColor(partialBox.topLeft() + QPoint(x, y)),
                             image.pixelColor(checkedBox.topLeft() + QPoint(x, y)))
                    > 40)
                    ++differing;
            }
        }
        QVERIFY2(differing >= 8, qPrintable(QString::number(differing)));
    }

    // Rows of toggles stand apart: the label of one keeps a gap to the box
    // of the next, as when the application lays them out without spacing.
    void togglesKeepApart_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("check box") << QByteArray("CheckBox");
        QTest::newRow("radio button") << QByteArray("RadioButton");
        QTest::newRow("switch") << QByteArray("Switch");
    }

    void togglesKeepApart()
    {
        QFETCH(QByteArray, type);
        QQuickItem* root = show(R"(
            Row {
                TYPE { objectName: "first"; text: "Checked" }
                TYPE { objectName: "second"; text: "Flat" }
            })",
                                type);
        QVERIFY(root);
        QQuickItem* first = control("first");
        QQuickItem* second = control("second");
        QQuickItem* label = labelOf(first);
        QVERIFY(label);
        const double labelEnd = label->mapToScene(QPointF(label->property("contentWidth").toDouble(), 0)).x();
        const double nextBox = indicatorBox("second").left();
        QVERIFY2(nextBox - labelEnd >= 6,
                 qPrintable(QStringLiteral("label ends at %1, the next box starts at %2").arg(labelEnd).arg(nextBox)));
        // Nothing of the first reaches into the second.
        QVERIFY(first->x() + first->width() <= second->x());
    }

    // A toggle given a size smaller than its content, as a row of a form or
    // a grid gives it: the label stays beside the box, on its middle, and is
    // elided within the control instead of running over the next one.
    void sizedToggleKeepsLabelBeside_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("check box") << QByteArray("CheckBox");
        QTest::newRow("radio button") << QByteArray("RadioButton");
    }

    void sizedToggleKeepsLabelBeside()
    {
        QFETCH(QByteArray, type);
        QQuickItem* root = show(R"(
            Item {
                width: 300; height: 60
                TYPE { objectName: "small"; x: 10; y: 10; width: 70; height: 22; text: "A label longer than its control" }
            })",
                                type);
        QVERIFY(root);
        QQuickItem* small = control("small");
        QQuickItem* label = labelOf(small);
        QVERIFY(small && label);
        QTRY_VERIFY(label->property("truncated").toBool());
        const QRectF box = indicatorBox("small");
        const QRectF text = label->mapRectToScene(label->boundingRect());
        const QString found = QStringLiteral("box %1,%2 %3x%4, label %5,%6 %7x%8")
                                  .arg(box.x())
                                  .arg(box.y())
                                  .arg(box.width())
                                  .arg(box.height())
                                  .arg(text.x())
                                  .arg(text.y())
                                  .arg(text.width())
                                  .arg(text.height());
        QVERIFY2(std::abs(text.center().y() - box.center().y()) <= 1.5, qPrintable(found));
        QVERIFY2(text.left() >= box.right(), qPrintable(found));
        QVERIFY2(text.right() <= small->mapToScene(QPointF(small->width(), 0)).x(), qPrintable(found));
    }

    // Disabled labels recede from the window's text in either scheme, as
    // the switch's always did.
    void disabledLabelsRecede_data() { schemeAndTypeRows({ "CheckBox", "RadioButton", "Switch" }); }

    void disabledLabelsRecede()
    {
        QFETCH(QString, scheme);
        QFETCH(QByteArray, type);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(
            Pane {
                width: 300; height: 100
                Column {
                    TYPE { objectName: "enabled"; text: "Enabled"; checked: true }
                    TYPE { objectName: "disabled"; text: "Disabled"; checked: true; enabled: false }
                }
            })",
                                type);
        QVERIFY(root);
        const QColor ground = m_window->grabWindow().pixelColor(290, 90);
        const auto ratio = [&](const char* name) {
            return contrast(labelOf(control(name))->property("color").value<QColor>(), ground);
        };
        const double enabled = ratio("enabled");
        const double disabled = ratio("disabled");
        QVERIFY2(enabled >= 4.5, qPrintable(QString::number(enabled)));
        QVERIFY2(disabled < enabled / 2 && disabled >= 1.5,
                 qPrintable(QStringLiteral("%1:1 disabled, %2:1 enabled").arg(disabled).arg(enabled)));
    }

    // A disabled mark is dimmer than an enabled one, yet still shows on its
    // box: not white on a muted ground.
    void disabledMarkShowsDimmed_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("state");
        for (const char* scheme : { "light", "dark" }) {
            for (const char* type : { "CheckBox", "CheckDelegate" }) {
                for (const char* state : { "Qt.Checked", "Qt.PartiallyChecked" }) {
                    QTest::addRow("%s, %s, %s", type, state + 3, scheme)
                        << QString::fromLatin1(scheme) << QByteArray(type) << QByteArray(state);
                }
            }
        }
    }

    void disabledMarkShowsDimmed()
    {
        QFETCH(QString, scheme);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, state);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(QByteArray(R"(
            Column {
                TYPE { objectName: "enabled"; text: "Enabled"; tristate: true; checkState: STATE; width: 160 }
                TYPE { objectName: "disabled"; text: "Disabled"; tristate: true; checkState: STATE; width: 160
                       enabled: false }
            })")
                                    .replace("STATE", state),
                                type);
        QVERIFY(root);
        const QImage image = m_window->grabWindow();
        const Mark enabled = markIn(image, indicatorBox("enabled"));
        const Mark disabled = markIn(image, indicatorBox("disabled"));
        const QString found = QStringLiteral("disabled %1, enabled %2").arg(disabled.describe(), enabled.describe());
        QVERIFY2(disabled.markPixels >= 8 && disabled.contrast() >= 1.5, qPrintable(found));
        QVERIFY2(disabled.contrast() < enabled.contrast(), qPrintable(found));
        QVERIFY2(QuiltTest::luminance(disabled.mark) <= QuiltTest::luminance(enabled.mark) + 0.01, qPrintable(found));
    }

    // The search field shows a magnifier before the text.
    void searchFieldShowsMagnifier_data() { schemeRows(); }

    void searchFieldShowsMagnifier()
    {
        QFETCH(QString, scheme);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(SearchField { objectName: "field"; width: 200 })");
        QVERIFY(root);
        auto* indicator = QQmlProperty::read(root, QStringLiteral("searchIndicator.indicator")).value<QQuickItem*>();
        QVERIFY(indicator);
        QCOMPARE(indicator->property("name").toString(), QStringLiteral("system-search-symbolic"));
        QVERIFY(indicator->width() >= 12 && indicator->height() >= 12);
        const QRect box = indicator->mapRectToScene(indicator->boundingRect()).toAlignedRect();
        // The field's ground, at its far end (an empty field shows no clear
        // button there).
        const QPoint end = root->mapToScene(QPointF(root->width() - 12, root->height() / 2)).toPoint();
        QTRY_VERIFY2(markIn(m_window->grabWindow(), box.adjusted(-2, -2, 2, 2)).markPixels >= 10,
                     qPrintable(markIn(m_window->grabWindow(), box.adjusted(-2, -2, 2, 2)).describe()));
        const QImage image = m_window->grabWindow();
        const Mark magnifier = markIn(image, box.adjusted(-2, -2, 2, 2));
        QVERIFY2(distance(magnifier.ground, image.pixelColor(end)) < 8, qPrintable(magnifier.describe()));
    }

    // The handle of a checked switch sits at the end of its track, away from
    // the label: on the left when the content runs right to left, be it by
    // layout mirroring or by the application's direction.
    void switchHandleFollowsDirection_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("mirroring");
        QTest::addColumn<bool>("applicationRightToLeft");
        QTest::addColumn<bool>("checked");
        for (const char* type : { "Switch", "SwitchDelegate" }) {
            for (const bool checked : { true, false }) {
                const char* state = checked ? "on" : "off";
                QTest::addRow("%s, %s, left to right", type, state)
                    << QByteArray(type) << QByteArray("false") << false << checked;
                QTest::addRow("%s, %s, mirrored", type, state)
                    << QByteArray(type) << QByteArray("true") << false << checked;
                QTest::addRow("%s, %s, right-to-left application", type, state)
                    << QByteArray(type) << QByteArray("false") << true << checked;
            }
        }
    }

    void switchHandleFollowsDirection()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, mirroring);
        QFETCH(bool, applicationRightToLeft);
        QFETCH(bool, checked);
        QGuiApplication::setLayoutDirection(applicationRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        QQuickItem* root = show(QByteArray(R"(
            TYPE {
                objectName: "switch"; text: "Switch"; width: 200; checked: CHECKED
                LayoutMirroring.enabled: MIRRORED
            })")
                                    .replace("CHECKED", checked ? "true" : "false")
                                    .replace("MIRRORED", mirroring),
                                type);
        QVERIFY(root);
        const bool rightToLeft = applicationRightToLeft || mirroring == "true";
        const QRect track = indicatorBox("switch");
        QQuickItem* label = labelOf(root);
        QVERIFY(label && !track.isEmpty());
        const double labelCentre = label->mapRectToScene(label->boundingRect()).center().x();
        // The track and the label change sides together: the switch's track
        // comes first, the delegate's last.
        QCOMPARE(track.center().x() > labelCentre, type == "SwitchDelegate" ? !rightToLeft : rightToLeft);

        // The handle, drawn over the track.
        const QList<QQuickItem*> parts = root->property("indicator").value<QQuickItem*>()->childItems();
        QVERIFY(!parts.isEmpty());
        QQuickItem* handle = parts.last();
        const double handleCentre = handle->mapRectToScene(handle->boundingRect()).center().x();
        const bool atRight = handleCentre > track.center().x();
        QVERIFY2(
            atRight == (checked != rightToLeft),
            qPrintable(
                QStringLiteral("handle at %1, track %2..%3").arg(handleCentre).arg(track.left()).arg(track.right())));
    }

    // The row under the pointer in a drawer stands out from the drawer, and
    // from the current row.
    void drawerRowShowsHover_data() { schemeRows(); }

    void drawerRowShowsHover()
    {
        QFETCH(QString, scheme);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(
            Item {
                width: 380; height: 280
                Drawer {
                    objectName: "drawer"
                    width: 200; height: 280
                    modal: false
                    ListView {
                        anchors.fill: parent
                        model: ["Buttons", "Check boxes", "Delegates", "Frames"]
                        currentIndex: 1
                        delegate: ItemDelegate {
                            required property string modelData
                            required property int index
                            objectName: "row" + index
                            width: ListView.view.width
                            text: modelData
                            highlighted: ListView.isCurrentItem
                            hoverEnabled: true
                        }
                    }
                }
            })");
        QVERIFY(root);
        QObject* drawer = root->findChild<QObject*>(QStringLiteral("drawer"));
        QVERIFY(drawer);
        QVERIFY(QMetaObject::invokeMethod(drawer, "open"));
        QTRY_VERIFY(drawer->property("opened").toBool());
        QQuickItem* hovered = nullptr;
        QTRY_VERIFY((hovered = itemNamed(m_window->contentItem(), "row2")));
        QQuickItem* current = itemNamed(m_window->contentItem(), "row1");
        QQuickItem* plain = itemNamed(m_window->contentItem(), "row3");
        QVERIFY(current && plain);
        // The rows' ground, at their far end where no text is.
        const auto ground = [&](QQuickItem* row) {
            return m_window->grabWindow().pixelColor(
                row->mapToScene(QPointF(row->width() - 8, row->height() / 2)).toPoint());
        };
        const QColor before = ground(hovered);
        // From outside the row, so that the pointer enters it whatever an
        // earlier test left.
        QTest::mouseMove(m_window.get(), QPoint(m_window->width() - 2, m_window->height() - 2));
        QTest::mouseMove(m_window.get(), hovered->mapToScene(QPointF(40, hovered->height() / 2)).toPoint());
        QTRY_VERIFY(hovered->property("hovered").toBool());
        QTRY_VERIFY(ground(hovered) != before);
        const QColor hover = ground(hovered);
        const QString found = QStringLiteral("hovered %1, plain %2, current %3")
                                  .arg(hover.name(), ground(plain).name(), ground(current).name());
        QVERIFY2(distance(hover, ground(plain)) >= 15, qPrintable(found));
        QVERIFY2(distance(hover, ground(current)) >= 15, qPrintable(found));
    }

    // A button's own symbol, drawn black as applications ship theirs, shows
    // in either scheme: the style tints it as the button's text.
    void buttonSymbolShows_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("named"); // from the application's icon theme, not a file
        for (const char* scheme : { "light", "dark" }) {
            for (const char* type : { "ToolButton", "Button", "RoundButton" })
                QTest::addRow("%s, %s", type, scheme) << QString::fromLatin1(scheme) << QByteArray(type) << false;
            QTest::addRow("ToolButton, %s, named", scheme)
                << QString::fromLatin1(scheme) << QByteArray("ToolButton") << true;
        }
    }

    void buttonSymbolShows()
    {
        QFETCH(QString, scheme);
        QFETCH(QByteArray, type);
        QFETCH(bool, named);
        useScheme(schemeFile(scheme));
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QImage symbol(24, 24, QImage::Format_ARGB32);
        symbol.fill(Qt::transparent);
        for (int y = 4; y < 20; ++y) {
            for (int x = 4; x < 20; ++x)
                symbol.setPixelColor(x, y, Qt::black);
        }
        const QString path = folder.filePath(QStringLiteral("symbol.png"));
        QVERIFY(symbol.save(path));
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        const auto restoreTheme = qScopeGuard([&] {
            QIcon::setThemeSearchPaths(searchPaths);
            QIcon::setThemeName(themeName);
        });
        if (named) {
            QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("app/24x24")));
            QFile index(folder.filePath(QStringLiteral("app/index.theme")));
            QVERIFY(index.open(QIODevice::WriteOnly));
            index.write("[Icon Theme]\nName=app\nDirectories=24x24\n\n[24x24]\nSize=24\nType=Fixed\n");
            index.close();
            QVERIFY(symbol.save(folder.filePath(QStringLiteral("app/24x24/app-symbol.png"))));
            QIcon::setThemeSearchPaths(searchPaths + QStringList { folder.path() });
            QIcon::setThemeName(QStringLiteral("app"));
        }
        QByteArray body = R"(
            Pane {
                TYPE {
                    objectName: "button"
                    display: AbstractButton.IconOnly
                    ICON
                    icon.width: 24; icon.height: 24
                }
            })";
        body.replace("ICON",
                     named ? QByteArray("icon.name: \"app-symbol\"")
                           : "icon.source: \"" + QUrl::fromLocalFile(path).toEncoded() + '"');
        QQuickItem* root = show(body, type);
        QVERIFY(root);
        QQuickItem* button = itemNamed(root, "button");
        QVERIFY(button);
        QTest::qWait(100);
        const QImage image = m_window->grabWindow();
        const QRectF box = button->mapRectToScene(button->boundingRect());
        // The ground beside the symbol: the button's face, or the window's
        // own colour under a flat tool button.
        const QColor ground = image.pixelColor(QPointF(box.center().x(), box.top() + 3).toPoint());
        const QColor mark = image.pixelColor(box.center().toPoint());
        QVERIFY2(contrast(mark, ground) >= 3,
                 qPrintable(QStringLiteral("symbol %1 on %2").arg(mark.name(), ground.name())));
    }

    // The current row of a list on a page, as Qt's gallery declares its
    // lists, stands out clearly from the page and the other rows: the page
    // is the window's colour, not the view's the row tint is mixed from.
    void pageRowShowsHighlight_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("active");
        for (const char* scheme : { "light", "dark" }) {
            QTest::addRow("%s, active window", scheme) << QString::fromLatin1(scheme) << true;
            QTest::addRow("%s, inactive window", scheme) << QString::fromLatin1(scheme) << false;
        }
    }

    void pageRowShowsHighlight()
    {
        QFETCH(QString, scheme);
        QFETCH(bool, active);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(
            Page {
                width: 320; height: 260
                ListView {
                    anchors.fill: parent
                    model: ["Buttons", "Check boxes", "Delegates"]
                    currentIndex: 1
                    delegate: ItemDelegate {
                        required property string modelData
                        required property int index
                        objectName: "row" + index
                        width: ListView.view.width
                        text: modelData
                        highlighted: ListView.isCurrentItem
                    }
                }
            })");
        QVERIFY(root);
        // Another window takes the focus from the list's window.
        QWindow other;
        if (active) {
            m_window->requestActivate();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        } else {
            other.resize(40, 40);
            other.show();
            other.requestActivate();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
        QTest::qWait(50);
        QQuickItem* current = nullptr;
        QTRY_VERIFY((current = itemNamed(root, "row1")));
        QQuickItem* plain = itemNamed(root, "row2");
        QVERIFY(plain);
        const QImage image = m_window->grabWindow();
        const auto ground = [&](QQuickItem* row) {
            return image.pixelColor(row->mapToScene(QPointF(row->width() - 8, row->height() / 2)).toPoint());
        };
        const QColor page
            = image.pixelColor(root->mapToScene(QPointF(root->width() - 8, root->height() - 8)).toPoint());
        const QString found = QStringLiteral("current %1, plain %2, page %3")
                                  .arg(ground(current).name(), ground(plain).name(), page.name());
        QVERIFY2(distance(ground(current), ground(plain)) >= 40, qPrintable(found));
        QVERIFY2(distance(ground(current), page) >= 40, qPrintable(found));
        // Its text stays legible on the tint.
        QQuickItem* label = labelOf(current);
        if (label) {
            const QColor text = label->property("color").value<QColor>();
            QVERIFY2(contrast(text, ground(current)) >= 4.5, qPrintable(found + u' ' + text.name()));
        }
    }

    // Halcyon's own arrows of a combo box and a spin box, which no desktop
    // plug-in colours here, stand out from the control by 3:1 or more in
    // either scheme, not in their files' one grey.
    void ownArrowsShow_data() { schemeRows(); }

    void ownArrowsShow()
    {
        QFETCH(QString, scheme);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(
            Pane {
                Column {
                    spacing: 10
                    // The test's environment hides the installed default
                    // sheet that shows every indicator.
                    ComboBox { objectName: "combo"; model: ["One", "Two"]; indicator.visible: true }
                    SpinBox { objectName: "spin"; value: 5 }
                }
            })");
        QVERIFY(root);
        QQuickItem* spin = itemNamed(root, "spin");
        QVERIFY(spin);
        for (const char* which : { "combo", "up", "down" }) {
            QQuickItem* indicator = which == QByteArrayView("combo")
                ? itemNamed(root, "combo")->property("indicator").value<QQuickItem*>()
                : QQmlProperty::read(spin, QString::fromLatin1(which) + QStringLiteral(".indicator"))
                      .value<QQuickItem*>();
            QVERIFY(indicator);
            const QRect box = indicator->mapRectToScene(indicator->boundingRect()).toAlignedRect();
            QVERIFY(box.width() >= 8 && box.height() >= 8);
            QTRY_VERIFY2(markIn(m_window->grabWindow(), box).markPixels >= 4,
                         qPrintable(markIn(m_window->grabWindow(), box).describe()));
            const Mark arrow = markIn(m_window->grabWindow(), box);
            QVERIFY2(arrow.contrast() >= 3.0, qPrintable(QString::fromLatin1(which) + u' ' + arrow.describe()));
        }
    }

    // The band of a list's section, a tool bar as Qt's contact list declares
    // it, stands out from the rows around it.
    void listSectionShowsBand_data() { schemeRows(); }

    void listSectionShowsBand()
    {
        QFETCH(QString, scheme);
        useScheme(schemeFile(scheme));
        QQuickItem* root = show(R"(
            Pane {
                width: 320; height: 260
                padding: 0
                ListView {
                    id: list
                    anchors.fill: parent
                    model: ["Angel Hogan", "Felicia Patton", "Grant Crawford", "Gretchen Little"]
                    section.property: "modelData"
                    section.criteria: ViewSection.FirstCharacter
                    section.delegate: ToolBar {
                        id: band
                        required property string section
                        objectName: "band" + section
                        width: list.width
                        Label {
                            text: band.section
                            anchors.fill: parent
                            horizontalAlignment: Qt.AlignHCenter
                            verticalAlignment: Qt.AlignVCenter
                        }
                    }
                    delegate: ItemDelegate {
                        required property string modelData
                        objectName: modelData
                        width: list.width
                        text: modelData
                    }
                }
            })");
        QVERIFY(root);
        QQuickItem* band = nullptr;
        QTRY_VERIFY((band = itemNamed(root, "bandG")));
        QQuickItem* row = itemNamed(root, "Grant Crawford");
        QVERIFY(row);
        QVERIFY(band->height() >= 14);
        const QImage image = m_window->grabWindow();
        const auto at = [&](QQuickItem* item) {
            return image.pixelColor(item->mapToScene(QPointF(item->width() - 12, item->height() / 2)).toPoint());
        };
        QVERIFY2(distance(at(band), at(row)) >= 12,
                 qPrintable(QStringLiteral("band %1, row %2").arg(at(band).name(), at(row).name())));
    }

private:
    // Shows the document `body` (TYPE replaced by `type`) in a window of its
    // own; the root item, or null on failure.
    QQuickItem* show(QByteArray body, const QByteArray& type = QByteArray(), const QSize& size = QSize(400, 300))
    {
        body.replace("TYPE", type);
        m_object.reset();
        m_window = std::make_unique<QQuickWindow>();
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick\nimport QtQuick.Controls\n" + body, QUrl());
        m_object.reset(component.create());
        auto* root = qobject_cast<QQuickItem*>(m_object.get());
        if (!root) {
            qWarning() << component.errorString();
            return nullptr;
        }
        m_window->resize(size);
        root->setParentItem(m_window->contentItem());
        root->setPosition(QPointF(10, 10));
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return nullptr;
        QTest::qWait(50);
        return root;
    }

    QQuickItem* control(const char* name) const
    {
        auto* root = qobject_cast<QQuickItem*>(m_object.get());
        if (root && root->objectName() == QLatin1StringView(name))
            return root;
        return root ? root->findChild<QQuickItem*>(QLatin1StringView(name)) : nullptr;
    }

    QRect indicatorBox(const char* name) const
    {
        QQuickItem* item = control(name);
        auto* indicator = item ? item->property("indicator").value<QQuickItem*>() : nullptr;
        return indicator ? indicator->mapRectToScene(indicator->boundingRect()).toAlignedRect() : QRect();
    }

    // The item called `name` at or below `item`, through the items drawn
    // there (a view's rows and a popup's contents are no object children).
    static QQuickItem* itemNamed(QQuickItem* item, const char* name)
    {
        if (item->objectName() == QLatin1StringView(name))
            return item;
        for (QQuickItem* child : item->childItems()) {
            if (QQuickItem* found = itemNamed(child, name))
                return found;
        }
        return nullptr;
    }

    static QQuickItem* labelOf(QQuickItem* button)
    {
        auto* content = button ? button->property("contentItem").value<QQuickItem*>() : nullptr;
        return content ? content->property("textItem").value<QQuickItem*>() : nullptr;
    }

    QQmlEngine m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QObject> m_object;
};

QUILT_QUICK_TEST_MAIN(HalcyonPixelsTest, "/* Drawn with the shipped style. */")

#include "tst_halcyonpixels.moc"
