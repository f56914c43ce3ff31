#include "scenegraphtesting.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQuick/private/qquickitem_p.h>

#include "meshrectanglenode_p.h"
#include "quickelement.h"
#include "quicktestfixture.h"
#include "rectanglenode_p.h"
#include "styledrectangle.h"

#include <atomic>
#include <cmath>

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
const QByteArray Css = R"(
Framed { background-color: #fcfcfc; border: 1px solid #85888b; border-radius: 3px; }
Lines { background-color: #00ff00; border: 2px solid #ff0000; outline: 3px solid #0000ff; }
Sides { background-color: #ffffff; border-left: 4px solid #ff0000; border-top: 2px solid #0000ff; }
Round { background-color: #0000ff; border-radius: 10px; }
RoundLines { background-color: #00ff00; border: 1px solid #ff0000; outline: 1px solid #0000ff; border-radius: 6px; }
Translucent { background-color: rgba(255, 0, 0, 0.5); border: 2px solid #000000; }
Shadowed { background-color: #ff0000; box-shadow: 0px 0px 2px 3px #000000; }
Clear { background-color: rgba(0, 0, 0, 0); }
)";

// Batches of the last frame the renderer built, from its debug output
// (QSG_RENDERER_DEBUG=render: a line per batch, then the frame's times).
std::atomic<int> lastBatches { 0 };
QtMessageHandler previousHandler = nullptr;

void countBatches(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static thread_local int batches = 0;
    if (type == QtDebugMsg && message.startsWith(QLatin1String(" - 0x")) && message.contains(QLatin1String("Nodes:"))) {
        ++batches;
        return;
    }
    if (type == QtDebugMsg && message.startsWith(QLatin1String(" -> times:"))) {
        if (batches > 0) {
            lastBatches = batches;
        }
        batches = 0;
        return;
    }
    if (type == QtDebugMsg && qEnvironmentVariable("QSG_RENDERER_DEBUG") == QLatin1String("render")) {
        return;
    }
    previousHandler(type, context, message);
}

QSGNode* paintNodeOf(QQuickItem* item)
{
    return QQuickItemPrivate::get(item)->paintNode;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}
} // namespace

class tst_MeshRectangle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void edges_data();
    void edges();
    void roundCornerIsSmooth();
    void opaquePartsGoToTheOpaquePass();
    void sameLooksDrawInFewBatches();
    void squareLinesOnThePixelGridBlendNothing();
    void shadowsAndImagesKeepTheShaderNodes();
    void picturesInsideTheBorder_data();
    void picturesInsideTheBorder();

private:
    bool load(const QByteArray& body);
    QImage render();
    QColor probe(const QImage& image, const QPointF& point) const;

    QQmlEngine* m_engine = nullptr;
    std::unique_ptr<QObject> m_root;
    QQuickWindow* m_window = nullptr;
};

void tst_MeshRectangle::initTestCase()
{
    previousHandler = qInstallMessageHandler(countBatches);
}

void tst_MeshRectangle::init()
{
    m_engine = new QQmlEngine;
}

void tst_MeshRectangle::cleanup()
{
    m_window = nullptr;
    m_root.reset();
    delete m_engine;
    m_engine = nullptr;
}

bool tst_MeshRectangle::load(const QByteArray& body)
{
    m_root = createObject(m_engine,
                          "Window { width: 240; height: 160; visible: true; color: \"#808080\"\n" + body + "\n}");
    m_window = qobject_cast<QQuickWindow*>(m_root.get());
    return m_window && QTest::qWaitForWindowExposed(m_window);
}

QImage tst_MeshRectangle::render()
{
    QImage image = m_window->grabWindow();
    if (qEnvironmentVariableIsSet("QUILT_TEST_SAVE_IMAGES")) {
        image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QDir::temp().filePath(QStringLiteral("quilt-mesh-%1-%2.png")
                                            .arg(QTest::currentTestFunction())
                                            .arg(QString::fromLatin1(QTest::currentDataTag()))));
    }
    return image;
}

// The device pixel holding a point given in window units.
QColor tst_MeshRectangle::probe(const QImage& image, const QPointF& point) const
{
    const double k = image.devicePixelRatio();
    return image.pixelColor(int(std::floor(point.x() * k)), int(std::floor(point.y() * k)));
}

void tst_MeshRectangle::edges_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QColor>("expected");

    // Each rectangle at (20, 20), 60 x 40. Points a quarter pixel either
    // side of a boundary land in the pixels next to it at scale 1 and 2.
    const QColor back(0x80, 0x80, 0x80);
    struct Row
    {
        const char* tag;
        const char* type;
        QPointF point;
        QColor expected;
    };
    const Row rows[] = {
        { "lines: fill", "Lines", { 50, 40 }, Qt::green },
        { "lines: border top out", "Lines", { 50, 20.25 }, Qt::red },
        { "lines: border top in", "Lines", { 50, 21.75 }, Qt::red },
        { "lines: fill below border", "Lines", { 50, 22.25 }, Qt::green },
        { "lines: outline top in", "Lines", { 50, 19.75 }, Qt::blue },
        { "lines: outline top out", "Lines", { 50, 17.25 }, Qt::blue },
        { "lines: past the outline", "Lines", { 50, 16.75 }, back },
        { "lines: border left", "Lines", { 20.25, 40 }, Qt::red },
        { "lines: border right", "Lines", { 79.75, 40 }, Qt::red },
        { "lines: fill left of right border", "Lines", { 77.75, 40 }, Qt::green },
        { "lines: outline right", "Lines", { 82.75, 40 }, Qt::blue },
        { "lines: past the right outline", "Lines", { 83.25, 40 }, back },
        { "lines: border bottom", "Lines", { 50, 59.75 }, Qt::red },
        { "lines: outline bottom", "Lines", { 50, 60.25 }, Qt::blue },
        { "lines: border corner", "Lines", { 20.25, 20.25 }, Qt::red },
        { "sides: left", "Sides", { 23.75, 40 }, Qt::red },
        { "sides: fill right of left", "Sides", { 24.25, 40 }, Qt::white },
        { "sides: top", "Sides", { 50, 21.75 }, Qt::blue },
        { "sides: fill below top", "Sides", { 50, 22.25 }, Qt::white },
        { "sides: no right border", "Sides", { 79.75, 40 }, Qt::white },
        { "sides: left below the mitre", "Sides", { 21.5, 21.5 }, Qt::red },
        { "sides: top above the mitre", "Sides", { 23.5, 20.5 }, Qt::blue },
        { "round: corner clear", "Round", { 20.5, 20.5 }, back },
        { "round: straight side", "Round", { 20.25, 40 }, Qt::blue },
        { "round: inside the arc", "Round", { 23.5, 23.5 }, Qt::blue },
        { "roundlines: border mid side", "RoundLines", { 50, 20.5 }, Qt::red },
        { "roundlines: outline mid side", "RoundLines", { 50, 19.5 }, Qt::blue },
        { "roundlines: fill inside the corner", "RoundLines", { 23.5, 23.5 }, Qt::green },
        { "roundlines: clear past the corner", "RoundLines", { 19.25, 19.25 }, back },
        { "translucent: fill over the window", "Translucent", { 50, 40 }, QColor(0xbf, 0x40, 0x40) },
        { "translucent: border", "Translucent", { 50, 20.5 }, Qt::black },
    };
    for (const Row& row : rows) {
        QTest::newRow(row.tag) << QByteArray(row.type) << row.point << row.expected;
    }
}

void tst_MeshRectangle::edges()
{
    QFETCH(QByteArray, type);
    QFETCH(QPointF, point);
    QFETCH(QColor, expected);

    QVERIFY(load("Quilt.StyledRectangle { objectName: \"rect\"; x: 20; y: 20; width: 60; height: 40\n"
                 "Quilt.Element.type: \""
                 + type + "\" }"));
    const QImage image = render();
    QVERIFY(dynamic_cast<MeshRectangleNode*>(paintNodeOf(m_root->findChild<QQuickItem*>(QStringLiteral("rect")))));
    const QColor actual = probe(image, point);
    QVERIFY2(QuiltTest::colorNear(actual, expected, 3),
             qPrintable(QStringLiteral("%1 is %2").arg(QuiltTest::describe(actual), QuiltTest::describe(expected))));
}

void tst_MeshRectangle::roundCornerIsSmooth()
{
    // Every device pixel of the corner shows how much of it the circle
    // covers: no steps, no seams, no blur beyond a pixel.
    QVERIFY(load(R"(Quilt.StyledRectangle { x: 20; y: 20; width: 60; height: 40; Quilt.Element.type: "Round" })"));
    const QImage image = render();
    const double k = image.devicePixelRatio();
    const QColor back(0x80, 0x80, 0x80);
    const QPointF centre(30 * k, 30 * k);
    const double radius = 10 * k;
    int partial = 0;
    for (int y = int(20 * k); y < int(30 * k); ++y) {
        for (int x = int(20 * k); x < int(30 * k); ++x) {
            const double distance = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) - radius;
            const double coverage = std::clamp(0.5 - distance, 0.0, 1.0);
            if (coverage > 0.0 && coverage < 1.0) {
                ++partial;
            }
            const QColor expected = mix(back, Qt::blue, coverage);
            const QColor actual = image.pixelColor(x, y);
            QVERIFY2(QuiltTest::colorNear(actual, expected, 32),
                     qPrintable(QStringLiteral("(%1, %2) is %3, expected %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(QuiltTest::describe(actual), QuiltTest::describe(expected))));
        }
    }
    QVERIFY(partial > 5);
}

void tst_MeshRectangle::opaquePartsGoToTheOpaquePass()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle { objectName: "framed"; x: 20; y: 20; width: 60; height: 40; Quilt.Element.type: "Framed" }
        Quilt.StyledRectangle { objectName: "translucent"; x: 100; y: 20; width: 60; height: 40; Quilt.Element.type: "Translucent" }
    )"));
    render();

    auto framed
        = dynamic_cast<MeshRectangleNode*>(paintNodeOf(m_root->findChild<QQuickItem*>(QStringLiteral("framed"))));
    QVERIFY(framed);
    QVERIFY(!(framed->material()->flags() & QSGMaterial::Blending));
    QVERIFY(framed->opaqueGeometry()->indexCount() > 0);
    // Only the antialiased rim blends: every vertex of it lies within a
    // pixel of the rectangle's edge. It is cut into edges and corners whose
    // bounds leave the middle free, where a control's label lies.
    const std::vector<const QSGGeometryNode*> rims = framed->blendedNodes();
    QVERIFY(rims.size() >= 4);
    const QRectF inner(1, 1, 58, 38);
    const QRectF middle(6, 6, 48, 28);
    for (const QSGGeometryNode* blended : rims) {
        QVERIFY(blended->material()->flags() & QSGMaterial::Blending);
        QCOMPARE(blended->material()->type(), framed->material()->type());
        QCOMPARE(blended->material()->compare(framed->material()), 0);
        const QSGGeometry* rim = blended->geometry();
        QVERIFY(rim->vertexCount() > 0);
        QRectF bounds;
        for (int i = 0; i < rim->vertexCount(); ++i) {
            const auto& v = rim->vertexDataAsColoredPoint2D()[i];
            const bool nearCorner = (v.x < 4 || v.x > 56) && (v.y < 4 || v.y > 36);
            QVERIFY2(!inner.contains(QPointF(v.x, v.y)) || nearCorner,
                     qPrintable(QStringLiteral("rim vertex at (%1, %2)").arg(v.x).arg(v.y)));
            bounds |= QRectF(v.x, v.y, 0.001, 0.001);
        }
        QVERIFY2(!bounds.intersects(middle),
                 qPrintable(QStringLiteral("rim piece over the middle: %1,%2 %3x%4")
                                .arg(bounds.x())
                                .arg(bounds.y())
                                .arg(bounds.width())
                                .arg(bounds.height())));
    }

    // A translucent fill blends; the opaque border over it does not.
    auto translucent
        = dynamic_cast<MeshRectangleNode*>(paintNodeOf(m_root->findChild<QQuickItem*>(QStringLiteral("translucent"))));
    QVERIFY(translucent);
    QVERIFY(translucent->opaqueGeometry()->indexCount() > 0);
    const QSGGeometry* opaque = translucent->opaqueGeometry();
    for (int i = 0; i < opaque->vertexCount(); ++i) {
        QCOMPARE(opaque->vertexDataAsColoredPoint2D()[i].a, uchar(255));
    }
}

void tst_MeshRectangle::sameLooksDrawInFewBatches()
{
    // Two hundred rectangles of three looks, each with its own fill, border
    // and outline: one batch of opaque parts, one of rims.
    QVERIFY(load(R"(
        Grid {
            columns: 20; spacing: 4; x: 4; y: 4
            Repeater {
                model: 200
                Quilt.StyledRectangle {
                    width: 8; height: 8
                    Quilt.Element.type: ["Framed", "Lines", "RoundLines"][index % 3]
                }
            }
        }
    )"));
    lastBatches = 0;
    render();
    QTRY_VERIFY(lastBatches > 0);
    QVERIFY2(lastBatches <= 2, qPrintable(QString::number(lastBatches)));

    // A label in each, as controls have: the rims leave the labels free, so
    // all labels draw in one more batch, not one each.
    QVERIFY(load(R"(
        Grid {
            columns: 10; spacing: 4; x: 4; y: 4
            Repeater {
                model: 100
                Quilt.StyledRectangle {
                    width: 60; height: 24
                    Quilt.Element.type: "Framed"
                    Text { anchors.centerIn: parent; text: "Label"; font.pixelSize: 11 }
                }
            }
        }
    )"));
    lastBatches = 0;
    render();
    QTRY_VERIFY(lastBatches > 0);
    QVERIFY2(lastBatches <= 3, qPrintable(QString::number(lastBatches)));
}

void tst_MeshRectangle::squareLinesOnThePixelGridBlendNothing()
{
    // Square lines on pixel boundaries: the ramp would blend nothing there.
    // A rectangle that draws nothing at first (a list row's clear ground)
    // must still show what it draws later (the row under the pointer).
    QVERIFY(load(R"(
        property string kind: "Clear"
        Quilt.StyledRectangle { objectName: "square"; x: 20; y: 20; width: 60; height: 40; Quilt.Element.type: kind }
        Quilt.StyledRectangle {
            objectName: "turned"; x: 120; y: 40; width: 60; height: 40; rotation: 10
            Quilt.Element.type: "Lines"
        }
    )"));
    QImage image = render();
    QCOMPARE(probe(image, QPointF(50, 40)), QColor(0x80, 0x80, 0x80));

    m_root->setProperty("kind", QStringLiteral("Lines"));
    QTRY_COMPARE(probe(render(), QPointF(50, 40)), QColor(0x00, 0xff, 0x00));
    image = render();
    QCOMPARE(probe(image, QPointF(21.5, 40)), QColor(0xff, 0x00, 0x00));
    QCOMPARE(probe(image, QPointF(18.5, 40)), QColor(0x00, 0x00, 0xff));
    QCOMPARE(probe(image, QPointF(16.5, 40)), QColor(0x80, 0x80, 0x80));

    auto square
        = dynamic_cast<MeshRectangleNode*>(paintNodeOf(m_root->findChild<QQuickItem*>(QStringLiteral("square"))));
    QVERIFY(square);
    QVERIFY(square->blendedNodes().empty());
    // Turned, the edges cross pixels and keep their ramps.
    auto turned
        = dynamic_cast<MeshRectangleNode*>(paintNodeOf(m_root->findChild<QQuickItem*>(QStringLiteral("turned"))));
    QVERIFY(turned);
    QVERIFY(!turned->blendedNodes().empty());
}

void tst_MeshRectangle::shadowsAndImagesKeepTheShaderNodes()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle { objectName: "rect"; x: 20; y: 20; width: 60; height: 40; Quilt.Element.type: "Shadowed" }
    )"));
    QQuickItem* rect = m_root->findChild<QQuickItem*>(QStringLiteral("rect"));
    QImage image = render();
    QSGNode* node = paintNodeOf(rect);
    QVERIFY(!dynamic_cast<MeshRectangleNode*>(node));
    QVERIFY(dynamic_cast<RectangleShadowNode*>(node->firstChild()));
    QCOMPARE(probe(image, { 50, 40 }), QColor(Qt::red));

    // The same item takes the mesh once the shadow goes, and back.
    attached<QuickElement>(rect)->setType(QStringLiteral("Round"));
    image = render();
    QVERIFY(dynamic_cast<MeshRectangleNode*>(paintNodeOf(rect)));
    QCOMPARE(probe(image, { 50, 40 }), QColor(Qt::blue));
    attached<QuickElement>(rect)->setType(QStringLiteral("Shadowed"));
    image = render();
    QVERIFY(!dynamic_cast<MeshRectangleNode*>(paintNodeOf(rect)));
    QCOMPARE(probe(image, { 50, 40 }), QColor(Qt::red));
}

void tst_MeshRectangle::picturesInsideTheBorder_data()
{
    // A 16 x 16 box with a 1-pixel border and 3-pixel corners, a 16 x 16
    // picture stretched over it; visible pixels as given.
    QTest::addColumn<QRect>("visible");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<bool>("drawn");

    const int picture = int(RectangleLook::ImageMode::Picture);
    const QColor opaque(0x3d, 0xae, 0xe9);
    QTest::newRow("a mark in the middle") << QRect(4, 4, 8, 8) << opaque << picture << false << true;
    QTest::newRow("a clear picture") << QRect() << opaque << picture << false << true;
    QTest::newRow("up to the border") << QRect(1, 6, 14, 4) << opaque << picture << false << false;
    QTest::newRow("into a rounded corner") << QRect(3, 3, 4, 4) << opaque << picture << false << false;
    QTest::newRow("under a translucent fill")
        << QRect(4, 4, 8, 8) << QColor(0, 0, 255, 128) << picture << false << false;
    QTest::newRow("a mask") << QRect(4, 4, 8, 8) << opaque << int(RectangleLook::ImageMode::Mask) << false << false;
    QTest::newRow("with a shadow") << QRect(4, 4, 8, 8) << opaque << picture << true << false;
}

void tst_MeshRectangle::picturesInsideTheBorder()
{
    QFETCH(QRect, visible);
    QFETCH(QColor, fill);
    QFETCH(int, mode);
    QFETCH(bool, shadow);
    QFETCH(bool, drawn);

    RectangleLook look;
    look.rect = QRectF(0, 0, 16, 16);
    look.fill = fill;
    look.radius = QVector4D(3, 3, 3, 3);
    look.border = QMarginsF(1, 1, 1, 1);
    look.borderColors.fill(QColor(0x29, 0x80, 0xb9));
    look.image = std::filesystem::path("/check.png");
    look.imageMode = RectangleLook::ImageMode(mode);
    look.hasShadow = shadow;
    look.shadowColor = Qt::black;
    QCOMPARE(MeshRectangleNode::canDrawWithPicture(look, visible, QSize(16, 16), QSizeF(1, 1)), drawn);
    // The picture never makes the plain mesh take an image.
    QVERIFY(!MeshRectangleNode::canDraw(look));
}

QUILT_QUICK_TEST_MAIN(tst_MeshRectangle, Css)
#include "tst_meshrectangle.moc"
