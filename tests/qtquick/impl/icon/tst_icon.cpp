#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQuick/private/qquickitem_p.h>
#include <QtQuickTest/quicktest.h>

#include "icon.h"
#include "quicktestfixture.h"

using namespace Qt::StringLiterals;
using Quilt::Quick::Icon;

namespace
{
const QByteArray s_css = R"(
Button { icon-size: 22px; }
Bare { spacing: 1px; }
)";

// Each size of the fixture theme in a colour of its own, so that a pixel
// tells which size was drawn.
const QColor s_colour16(255, 0, 0);
const QColor s_colour22(0, 160, 0);
const QColor s_colour32(0, 0, 255);
const QColor s_background(Qt::white);
const QColor s_resource(255, 255, 0);
const QColor s_own(200, 0, 200);
const QColor s_common(0, 200, 200);
// Where the icon item sits in the window.
constexpr int s_offset = 10;

bool writeTheme(const QString& root)
{
    QByteArray index = "[Icon Theme]\nName=Quilt fixture\nDirectories=16x16/apps,22x22/apps,32x32/apps\n";
    const std::initializer_list<std::pair<int, QColor>> sizes { { 16, s_colour16 },
                                                                { 22, s_colour22 },
                                                                { 32, s_colour32 } };
    for (const auto& [size, colour] : sizes) {
        const QString folder = u"%1x%1/apps"_s.arg(size);
        index += QStringLiteral("\n[%1]\nSize=%2\nType=Fixed\n").arg(folder).arg(size).toUtf8();
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(colour);
        if (!QuiltTest::writeFile(root + u"/quilt-fixture/"_s + folder + u"/fixture-icon.png"_s, {})
            || !image.save(root + u"/quilt-fixture/"_s + folder + u"/fixture-icon.png"_s)) {
            return false;
        }
    }
    // Symbols by the desktop's own names and by their common twins: both
    // for "increase", only the own name for "up", only the twin for "down".
    const std::initializer_list<std::pair<QString, QColor>> symbols {
        { u"spinbox-increase"_s, s_own },
        { u"list-add-symbolic"_s, s_common },
        { u"arrow-up-symbolic"_s, s_own },
        { u"pan-down-symbolic"_s, s_common },
    };
    for (const auto& [name, colour] : symbols) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(colour);
        if (!image.save(root + u"/quilt-fixture/16x16/apps/"_s + name + u".png"_s)) {
            return false;
        }
    }
    return QuiltTest::writeFile(root + u"/quilt-fixture/index.theme"_s, index);
}

bool sameColour(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
}

// The texture an icon item drew with; read after grabWindow(), while the
// render thread waits for the next frame.
QSGTexture* drawnTexture(QQuickItem* item)
{
    QSGNode* node = QQuickItemPrivate::get(item)->paintNode;
    while (node && !dynamic_cast<QSGImageNode*>(node)) {
        node = node->firstChild();
    }
    return node ? static_cast<QSGImageNode*>(node)->texture() : nullptr;
}
} // namespace

class tst_Icon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void themedSizes_data();
    void themedSizes();
    void resourceSource();
    void relativeSource();
    void disabled();
    void sharedTextures();
    void hiddenUntilShown();
    void followsControl();
    void ownNameFirst_data();
    void ownNameFirst();

private:
    // A window with one icon item at (s_offset, s_offset), drawn and grabbed.
    struct Scene
    {
        QQuickWindow window;
        Icon* icon = nullptr;
    };
    std::unique_ptr<Scene> scene(const QSizeF& size);
    static QImage grab(Scene& s);

    QTemporaryDir m_themes;
    QQmlEngine m_engine;
};

void tst_Icon::initTestCase()
{
    QVERIFY(m_themes.isValid());
    QVERIFY(writeTheme(m_themes.path()));
    QIcon::setThemeSearchPaths({ m_themes.path() });
    QIcon::setThemeName(u"quilt-fixture"_s);
    QCOMPARE(QIcon::fromTheme(u"fixture-icon"_s).availableSizes().size(), 3);
}

std::unique_ptr<tst_Icon::Scene> tst_Icon::scene(const QSizeF& size)
{
    auto s = std::make_unique<Scene>();
    s->window.setColor(s_background);
    s->window.resize(80, 80);
    s->icon = new Icon(s->window.contentItem());
    s->icon->setPosition(QPointF(s_offset, s_offset));
    s->icon->setSize(size);
    return s;
}

QImage tst_Icon::grab(Scene& s)
{
    if (!s.window.isVisible()) {
        s.window.show();
        if (!QTest::qWaitForWindowExposed(&s.window)) {
            return {};
        }
    }
    if (!QQuickTest::qWaitForPolish(&s.window)) {
        return {};
    }
    return s.window.grabWindow();
}

void tst_Icon::themedSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSizeF>("itemSize");
    // Where the icon is drawn inside the item, and in which colour; an
    // invalid colour: any but the background.
    QTest::addColumn<QRect>("iconRect");
    QTest::addColumn<QColor>("colour");

    // The largest size that fits, centred on whole pixels.
    QTest::newRow("24 uses 22") << u"fixture-icon"_s << QSizeF(24, 24) << QRect(1, 1, 22, 22) << s_colour22;
    QTest::newRow("16 uses 16") << u"fixture-icon"_s << QSizeF(16, 16) << QRect(0, 0, 16, 16) << s_colour16;
    // Smaller than the smallest, larger than the largest: the icon's own choice.
    QTest::newRow("10 asks the icon") << u"fixture-icon"_s << QSizeF(10, 10) << QRect(0, 0, 10, 10) << QColor();
    QTest::newRow("48 asks the icon") << u"fixture-icon"_s << QSizeF(48, 48) << QRect(8, 8, 32, 32) << s_colour32;
    QTest::newRow("odd space rounds") << u"fixture-icon"_s << QSizeF(25, 23) << QRect(2, 1, 22, 22) << s_colour22;
    QTest::newRow("unknown name draws nothing") << u"no-such-icon"_s << QSizeF(24, 24) << QRect() << QColor();
}

void tst_Icon::themedSizes()
{
    QFETCH(QString, name);
    QFETCH(QSizeF, itemSize);
    QFETCH(QRect, iconRect);
    QFETCH(QColor, colour);

    auto s = scene(itemSize);
    s->icon->setName(name);
    const QImage image = grab(*s);
    QVERIFY(!image.isNull());

    const auto at = [&image](int x, int y) {
        return image.pixelColor(s_offset + x, s_offset + y);
    };
    if (iconRect.isNull()) {
        for (int y = 0; y < int(itemSize.height()); ++y) {
            for (int x = 0; x < int(itemSize.width()); ++x) {
                QCOMPARE(at(x, y), s_background);
            }
        }
        return;
    }
    const QRect r = iconRect;
    for (const QPoint& p : { r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center() }) {
        if (colour.isValid()) {
            QVERIFY2(sameColour(at(p.x(), p.y()), colour), qPrintable(at(p.x(), p.y()).name()));
        } else {
            QVERIFY(!sameColour(at(p.x(), p.y()), s_background));
        }
    }
    // Nothing around it.
    for (const QPoint& p : { r.topLeft() - QPoint(1, 1), r.bottomRight() + QPoint(1, 1) }) {
        QVERIFY2(sameColour(at(p.x(), p.y()), s_background), qPrintable(at(p.x(), p.y()).name()));
    }
}

void tst_Icon::resourceSource()
{
    auto s = scene(QSizeF(24, 24));
    s->icon->setName(u"fixture-icon"_s);
    QSignalSpy source(s->icon, &Icon::sourceChanged);
    s->icon->setSource(QUrl(u"qrc:/icon-test/resource-icon.png"_s));
    QCOMPARE(source.size(), 1);
    const QImage image = grab(*s);
    // 20 × 20, centred in 24.
    QVERIFY(sameColour(image.pixelColor(s_offset + 2, s_offset + 2), s_resource));
    QVERIFY(sameColour(image.pixelColor(s_offset + 21, s_offset + 21), s_resource));
    QVERIFY(sameColour(image.pixelColor(s_offset + 1, s_offset + 1), s_background));

    // Back to no source: the name shows again, and the name is kept.
    s->icon->resetSource();
    QCOMPARE(s->icon->name(), u"fixture-icon"_s);
    QVERIFY(sameColour(grab(*s).pixelColor(s_offset + 1, s_offset + 1), s_colour22));
}

void tst_Icon::relativeSource()
{
    auto s = scene(QSizeF(24, 24));
    QSignalSpy name(s->icon, &Icon::nameChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         "Relative URL \"fixture-icon\" used as an Icon source. This is wrong, interpreting it as icon "
                         "name instead");
    s->icon->setSource(QUrl(u"fixture-icon"_s));
    s->icon->setSource(QUrl(u"fixture-icon"_s));
    QCOMPARE(s->icon->name(), u"fixture-icon"_s);
    QCOMPARE(name.size(), 1);
    QVERIFY(sameColour(grab(*s).pixelColor(s_offset + 1, s_offset + 1), s_colour22));

    // Another scheme is kept but not loaded: the name still decides.
    s->icon->setSource(QUrl(u"data:image/png;base64,AAAA"_s));
    QCOMPARE(s->icon->source(), QUrl(u"data:image/png;base64,AAAA"_s));
    QVERIFY(sameColour(grab(*s).pixelColor(s_offset + 1, s_offset + 1), s_colour22));
}

void tst_Icon::disabled()
{
    auto s = scene(QSizeF(24, 24));
    s->icon->setName(u"fixture-icon"_s);
    QVERIFY(sameColour(grab(*s).pixelColor(s_offset + 12, s_offset + 12), s_colour22));

    s->icon->setEnabled(false);
    QTRY_VERIFY(!sameColour(s->window.grabWindow().pixelColor(s_offset + 12, s_offset + 12), s_colour22));
    const QColor disabled = s->window.grabWindow().pixelColor(s_offset + 12, s_offset + 12);
    QVERIFY(!sameColour(disabled, s_background));

    s->icon->setEnabled(true);
    QTRY_VERIFY(sameColour(s->window.grabWindow().pixelColor(s_offset + 12, s_offset + 12), s_colour22));
}

// Icons of the same picture in a window draw from one texture; any
// difference in what the picture depends on gets a texture of its own.
void tst_Icon::sharedTextures()
{
    auto s = scene(QSizeF(24, 24));
    s->icon->setName(u"fixture-icon"_s);
    const auto add = [&s](int x, const QSizeF& size) {
        auto* icon = new Icon(s->window.contentItem());
        icon->setPosition(QPointF(s_offset + x, s_offset));
        icon->setSize(size);
        icon->setName(u"fixture-icon"_s);
        return icon;
    };
    Icon* same = add(30, QSizeF(24, 24));
    Icon* smaller = add(60, QSizeF(16, 16));
    Icon* disabled = add(90, QSizeF(24, 24));
    disabled->setEnabled(false);
    Icon* tinted = add(120, QSizeF(24, 24));
    tinted->setColor(Qt::red);
    s->window.resize(160, 60);
    QImage image = grab(*s);
    QVERIFY(!image.isNull());

    QSGTexture* texture = drawnTexture(s->icon);
    QVERIFY(texture);
    QCOMPARE(drawnTexture(same), texture);
    for (Icon* other : { smaller, disabled, tinted }) {
        QVERIFY(drawnTexture(other));
        QVERIFY(drawnTexture(other) != texture);
    }
    QVERIFY(sameColour(image.pixelColor(s_offset + 30 + 12, s_offset + 12), s_colour22));
    QVERIFY(sameColour(image.pixelColor(s_offset + 60 + 8, s_offset + 8), s_colour16));
    QVERIFY(!sameColour(image.pixelColor(s_offset + 90 + 12, s_offset + 12), s_colour22));

    // The texture outlives the first icon while another draws it, and a new
    // icon of the same picture takes it up.
    delete s->icon;
    s->icon = nullptr;
    image = grab(*s);
    QVERIFY(sameColour(image.pixelColor(s_offset + 30 + 12, s_offset + 12), s_colour22));
    QCOMPARE(drawnTexture(same), texture);
    Icon* again = add(0, QSizeF(24, 24));
    image = grab(*s);
    QCOMPARE(drawnTexture(again), texture);
    QVERIFY(sameColour(image.pixelColor(s_offset + 12, s_offset + 12), s_colour22));

    // Another size for one of them leaves the other's picture alone.
    same->setSize(QSizeF(16, 16));
    image = grab(*s);
    QVERIFY(sameColour(image.pixelColor(s_offset + 30 + 8, s_offset + 8), s_colour16));
    QVERIFY(sameColour(image.pixelColor(s_offset + 12, s_offset + 12), s_colour22));
    QCOMPARE(drawnTexture(same), drawnTexture(smaller));
}

// A hidden icon holds no texture; it draws its current picture once shown,
// whether it was hidden by itself or by an ancestor.
void tst_Icon::hiddenUntilShown()
{
    auto s = scene(QSizeF(24, 24));
    auto* parent = new QQuickItem(s->window.contentItem());
    auto* nested = new Icon(parent);
    nested->setPosition(QPointF(s_offset + 30, s_offset));
    nested->setSize(QSizeF(24, 24));
    nested->setName(u"fixture-icon"_s);
    parent->setVisible(false);
    s->icon->setName(u"no-such-icon"_s);
    s->icon->setVisible(false);
    s->window.resize(80, 50);
    QImage image = grab(*s);
    QVERIFY(!image.isNull());
    QVERIFY(!drawnTexture(s->icon));
    QVERIFY(!drawnTexture(nested));
    QCOMPARE(image.pixelColor(s_offset + 12, s_offset + 12), s_background);
    QCOMPARE(image.pixelColor(s_offset + 42, s_offset + 12), s_background);

    // Changed while hidden: the new picture and size show.
    s->icon->setName(u"fixture-icon"_s);
    s->icon->setSize(QSizeF(16, 16));
    s->icon->setVisible(true);
    parent->setVisible(true);
    image = grab(*s);
    QVERIFY(sameColour(image.pixelColor(s_offset + 8, s_offset + 8), s_colour16));
    QVERIFY(sameColour(image.pixelColor(s_offset + 42, s_offset + 12), s_colour22));

    // Hidden again and shown: the same picture, without another look-up.
    s->icon->setVisible(false);
    QCOMPARE(grab(*s).pixelColor(s_offset + 8, s_offset + 8), s_background);
    s->icon->setVisible(true);
    QVERIFY(sameColour(grab(*s).pixelColor(s_offset + 8, s_offset + 8), s_colour16));
}

void tst_Icon::followsControl()
{
    QQuickWindow window;
    window.resize(100, 100);
    auto root = QuiltQuickTest::createObject(&m_engine, R"(
import QtQuick.Templates as T
T.AbstractButton {
    id: button
    property alias iconItem: iconItem
    width: 60; height: 40
    Quilt.Element.type: "Button"
    icon.name: "fixture-icon"
    icon.color: "red"
    icon.width: 16
    icon.height: 16
    Quilt.Icon { id: iconItem; control: button }
})");
    QVERIFY(root);
    auto* button = qobject_cast<QQuickItem*>(root.get());
    button->setParentItem(window.contentItem());
    auto* icon = root->property("iconItem").value<Icon*>();
    QVERIFY(icon);
    QCOMPARE(icon->control(), button);
    QCOMPARE(icon->name(), u"fixture-icon"_s);
    QCOMPARE(icon->color(), QColor(Qt::red));
    QCOMPARE(icon->implicitWidth(), 16);
    QCOMPARE(icon->implicitHeight(), 16);

    // A size of 0 takes the style's icon size, once the style has answered.
    QVariant settings = button->property("icon");
    const QMetaObject* meta = settings.metaType().metaObject();
    QVERIFY(meta);
    meta->property(meta->indexOfProperty("width")).writeOnGadget(settings.data(), 0);
    meta->property(meta->indexOfProperty("name")).writeOnGadget(settings.data(), u"other-icon"_s);
    button->setProperty("icon", settings);
    QTRY_COMPARE(icon->implicitWidth(), 22);
    QCOMPARE(icon->implicitHeight(), 22);
    QCOMPARE(icon->name(), u"other-icon"_s);

    // Let go: what was taken stays.
    QSignalSpy controlChanged(icon, &Icon::controlChanged);
    icon->resetControl();
    QCOMPARE(controlChanged.size(), 1);
    QVERIFY(!icon->control());
    QCOMPARE(icon->name(), u"other-icon"_s);
    QCOMPARE(icon->color(), QColor(Qt::red));
    meta->property(meta->indexOfProperty("name")).writeOnGadget(settings.data(), u"third-icon"_s);
    button->setProperty("icon", settings);
    QCOMPARE(icon->name(), u"other-icon"_s);
}

// The desktop's own name of a symbol first, then its common twin; without
// either the item shows nothing, and the control draws its own symbol.
void tst_Icon::ownNameFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("both names") << u"spinbox-increase"_s << s_own;
    QTest::newRow("own name only") << u"arrow-up-symbolic"_s << s_own;
    QTest::newRow("common name only") << u"arrow-down-symbolic"_s << s_common;
    QTest::newRow("neither") << u"arrow-left-symbolic"_s << s_background;
}

void tst_Icon::ownNameFirst()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    auto s = scene(QSizeF(16, 16));
    s->icon->setName(name);
    const QImage image = grab(*s);
    QVERIFY(!image.isNull());
    const QColor centre = image.pixelColor(s_offset + 8, s_offset + 8);
    QVERIFY2(sameColour(centre, colour), qPrintable(centre.name()));
}

// A widget application: its style makes the disabled pixmaps, where a bare
// GUI application hands out the normal ones.
int main(int argc, char** argv)
{
    QuiltQuickTest::Environment environment(s_css);
    QApplication app(argc, argv);
    environment.load();
    tst_Icon test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_icon.moc"
