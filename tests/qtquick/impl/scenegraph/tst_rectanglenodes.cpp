#include "scenegraphtesting.h"

#include <outlineborderrectanglenode_p.h>
#include <rectanglenode_p.h>
#include <shadermaterial_p.h>

#include <borderpropertygroup.h>
#include <imagepropertygroup.h>
#include <linepropertygroup.h>
#include <outlinepropertygroup.h>

#include <QtTest/QtTest>

using namespace Quilt::Quick;
using Quilt::Color;
using Quilt::Properties::BorderPropertyGroup;
using Quilt::Properties::ImageFlag;
using Quilt::Properties::ImageFlags;
using Quilt::Properties::ImagePropertyGroup;
using Quilt::Properties::LinePropertyGroup;
using Quilt::Properties::LineStyle;
using Quilt::Properties::OutlinePropertyGroup;
using QuiltTest::floatAt;
using QuiltTest::wordAt;

namespace
{
std::unique_ptr<LinePropertyGroup> line(std::optional<double> size, const QColor& color = QColor(),
                                        std::optional<LineStyle> style = LineStyle::Solid)
{
    auto result = std::make_unique<LinePropertyGroup>();
    result->setSize(size);
    result->setStyle(style);
    if (color.isValid()) {
        result->setColor(Color::rgba(color.red(), color.green(), color.blue(), color.alpha()));
    }
    return result;
}

// Side widths (left, top, right, bottom), 0 leaving the side out.
template<typename Group> std::unique_ptr<Group> lines(const QVector4D& widths)
{
    auto group = std::make_unique<Group>();
    if (widths.x() > 0) {
        group->setLeft(line(widths.x()));
    }
    if (widths.y() > 0) {
        group->setTop(line(widths.y()));
    }
    if (widths.z() > 0) {
        group->setRight(line(widths.z()));
    }
    if (widths.w() > 0) {
        group->setBottom(line(widths.w()));
    }
    return group;
}

QVector2D vec2At(std::span<const char> data, std::size_t offset)
{
    return { floatAt(data, offset), floatAt(data, offset + 4) };
}

QVector4D vec4At(std::span<const char> data, std::size_t offset)
{
    return { floatAt(data, offset), floatAt(data, offset + 4), floatAt(data, offset + 8), floatAt(data, offset + 12) };
}

bool fuzzyEqual(const QVector4D& a, const QVector4D& b)
{
    return (a - b).length() < 1e-4f;
}

QString shaderName(ShaderNode& node)
{
    return node.shaderMaterial() ? node.shaderMaterial()->name() : QString();
}

void comparePoint(const OutlineBorderRectangleNode::Vertex& v, QPointF position, QPointF uv)
{
    QCOMPARE(QPointF(v.x, v.y), position);
    QVERIFY2(qAbs(v.u - uv.x()) < 1e-5 && qAbs(v.v - uv.y()) < 1e-5,
             qPrintable(QStringLiteral("uv (%1, %2)").arg(v.u).arg(v.v)));
}
} // namespace

class tst_RectangleNodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rectangleUniforms_data();
    void rectangleUniforms();
    void rectangleProgram_data();
    void rectangleProgram();
    void shadowQuad();
    void unchangedShadowStaysClean();
    void borderInnerPoints_data();
    void borderInnerPoints();
    void borderRadiusLimitedToHalfSide();
    void borderProgram_data();
    void borderProgram();
    void borderCornerColours();
    void borderUniforms();
    void crossingInsetsFit();
};

void tst_RectangleNodes::rectangleUniforms_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QVector2D>("aspect");
    QTest::addColumn<float>("f");

    QTest::newRow("wide") << QRectF(0, 0, 100, 50) << QVector2D(2, 1) << 50.0f;
    QTest::newRow("tall") << QRectF(5, 5, 50, 100) << QVector2D(1, 2) << 50.0f;
    QTest::newRow("square") << QRectF(0, 0, 20, 20) << QVector2D(1, 1) << 20.0f;
    QTest::newRow("tiny side") << QRectF(0, 0, 10, 1e-6) << QVector2D(1e7f, 1) << 1e-4f;
}

void tst_RectangleNodes::rectangleUniforms()
{
    QFETCH(QRectF, rect);
    QFETCH(QVector2D, aspect);
    QFETCH(float, f);

    RectangleNode node;
    node.setRect(rect);
    node.setColor(QColor(255, 0, 0, 128));
    node.setRadius(QVector4D(0, 0, 0, 10));
    node.update();

    QCOMPARE(shaderName(node), QStringLiteral("rectangle"));
    const auto block = node.uniformData();
    QCOMPARE(block.size(), std::size_t(128));
    QCOMPARE(wordAt(block, 0), quint32(MatrixMarker));
    QCOMPARE(wordAt(block, 64), quint32(OpacityMarker));
    QVERIFY(qFuzzyCompare(vec2At(block, 72).x(), aspect.x()));
    QVERIFY(qFuzzyCompare(vec2At(block, 72).y(), aspect.y()));
    QVERIFY(fuzzyEqual(vec4At(block, 80), QVector4D(128 / 255.0f, 0, 0, 128 / 255.0f) * 1.0f));
    QVERIFY(qFuzzyCompare(floatAt(block, 112 + 12), 10 / f));
    QCOMPARE(node.uvCount(), quint8(2));

    const QSGGeometry* g = node.geometry();
    const auto* v = static_cast<const float*>(g->vertexData());
    QCOMPARE(v[0], float(rect.x()));
    QCOMPARE(v[1], float(rect.y()));
}

void tst_RectangleNodes::rectangleProgram_data()
{
    QTest::addColumn<bool>("hasImage");
    QTest::addColumn<QString>("source");
    QTest::addColumn<std::optional<ImageFlags>>("flags");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QVector4D>("maskColor");

    const QVector4D halfRed(128 / 255.0f, 0, 0, 128 / 255.0f);
    QTest::newRow("no image") << false << QString() << std::optional<ImageFlags>() << "rectangle" << QVector4D();
    QTest::newRow("image without source")
        << true << QString() << std::optional<ImageFlags>(ImageFlag::Mask) << "rectangle" << QVector4D();
    QTest::newRow("unset flags") << true << "/nonexistent/a.png" << std::optional<ImageFlags>() << "rectangle-texture"
                                 << QVector4D();
    QTest::newRow("no flags") << true << "/nonexistent/a.png" << std::optional<ImageFlags>(ImageFlags())
                              << "rectangle-texture" << halfRed;
    QTest::newRow("stretch") << true << "/nonexistent/a.png" << std::optional<ImageFlags>(ImageFlag::StretchBoth)
                             << "rectangle-texture" << halfRed;
    QTest::newRow("mask") << true << "/nonexistent/a.png" << std::optional<ImageFlags>(ImageFlag::Mask)
                          << "rectangle-mask" << halfRed;
    QTest::newRow("inverted mask") << true << "/nonexistent/a.png" << std::optional<ImageFlags>(ImageFlag::InvertedMask)
                                   << "rectangle-invertedmask" << halfRed;
    QTest::newRow("both masks") << true << "/nonexistent/a.png"
                                << std::optional<ImageFlags>(ImageFlag::Mask | ImageFlag::InvertedMask)
                                << "rectangle-mask" << halfRed;
}

void tst_RectangleNodes::rectangleProgram()
{
    QFETCH(bool, hasImage);
    QFETCH(QString, source);
    QFETCH(std::optional<ImageFlags>, flags);
    QFETCH(QString, program);
    QFETCH(QVector4D, maskColor);

    ImagePropertyGroup image;
    if (!source.isEmpty()) {
        image.setSource(std::filesystem::path(source.toStdString()));
    }
    image.setFlags(flags);
    image.setMaskColor(Color::rgba(255, 0, 0, 128));

    RectangleNode node;
    node.setRect(QRectF(0, 0, 40, 20));
    node.setImage(hasImage ? &image : nullptr);
    node.update();
    QCOMPARE(shaderName(node), program);
    QVERIFY(fuzzyEqual(vec4At(node.uniformData(), 96), maskColor));
    // Without a window no texture can be made; nothing is bound.
    QCOMPARE(node.shaderMaterial()->texture(1), nullptr);

    // Switching back to a plain fill replaces the material.
    node.setImage(nullptr);
    node.update();
    QCOMPARE(shaderName(node), QStringLiteral("rectangle"));
}

void tst_RectangleNodes::shadowQuad()
{
    RectangleShadowNode node;
    QCOMPARE(shaderName(node), QStringLiteral("rectangleshadow"));
    node.setRect(QRectF(0, 0, 100, 50));
    node.setSize(4);
    node.setBlur(2);
    node.setOffset(QVector2D(1, 3));
    node.setRadius(QVector4D(6.2f, 0, 0, 0));
    node.setColor(QColor(0, 0, 0, 51));
    node.update();

    QCOMPARE(node.ShaderNode::rect(), QRectF(-5, -3, 112, 62));
    QCOMPARE(node.rect(), QRectF(0, 0, 100, 50));
    const auto block = node.uniformData();
    QCOMPARE(wordAt(block, 0), quint32(MatrixMarker));
    QCOMPARE(wordAt(block, 64), quint32(OpacityMarker));
    QVERIFY(qFuzzyCompare(vec2At(block, 72).x(), 112.0f / 62.0f));
    QCOMPARE(vec2At(block, 72).y(), 1.0f);
    QVERIFY(qFuzzyCompare(floatAt(block, 80), 4.0f / 62.0f));
    QVERIFY(qFuzzyCompare(floatAt(block, 84), 2.0f / 62.0f));
    QVERIFY(qFuzzyCompare(floatAt(block, 96), 0.1f));
    QVERIFY(fuzzyEqual(vec4At(block, 112), QVector4D(0, 0, 0, 0.2f)));

    const auto* v = static_cast<const float*>(node.geometry()->vertexData());
    QCOMPARE(QPointF(v[0], v[1]), QPointF(-5, -3));
}

void tst_RectangleNodes::unchangedShadowStaysClean()
{
    QuiltTest::RecordingRenderer renderer;
    auto* node = new RectangleShadowNode;
    renderer.root.appendChildNode(node);

    auto apply = [node](float blur) {
        node->setRect(QRectF(0, 0, 100, 50));
        node->setSize(4);
        node->setBlur(blur);
        node->setOffset(QVector2D(1, 3));
        node->setRadius(QVector4D(1, 2, 3, 4));
        node->setColor(QColor(Qt::black));
        node->update();
    };
    apply(2);
    renderer.changes.clear();
    apply(2);
    QVERIFY(renderer.changes.isEmpty());

    apply(3);
    bool materialDirty = false;
    for (const auto& [changed, state] : std::as_const(renderer.changes)) {
        materialDirty |= changed == node && (state & QSGNode::DirtyMaterial);
    }
    QVERIFY(materialDirty);
}

void tst_RectangleNodes::borderInnerPoints_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QVector4D>("borderWidths");
    QTest::addColumn<QVector4D>("outlineWidths");
    QTest::addColumn<QRectF>("outer");
    QTest::addColumn<QRectF>("inner"); // P_tl to P_br
    QTest::addColumn<QRectF>("innerUv");

    QTest::newRow("bare") << QRectF(0, 0, 100, 50) << QVector4D() << QVector4D() << QRectF(0, 0, 100, 50)
                          << QRectF(QPointF(1, 1), QPointF(99, 49)) << QRectF(QPointF(0.01, 0.02), QPointF(0.99, 0.98));
    QTest::newRow("border and outline") << QRectF(10, 20, 100, 50) << QVector4D(1, 2, 3, 4) << QVector4D(5, 6, 7, 8)
                                        << QRectF(QPointF(5, 14), QPointF(117, 78))
                                        << QRectF(QPointF(12, 23), QPointF(106, 65))
                                        << QRectF(QPointF(0.07, 0.18), QPointF(0.89, 0.74));
}

void tst_RectangleNodes::borderInnerPoints()
{
    QFETCH(QRectF, rect);
    QFETCH(QVector4D, borderWidths);
    QFETCH(QVector4D, outlineWidths);
    QFETCH(QRectF, outer);
    QFETCH(QRectF, inner);
    QFETCH(QRectF, innerUv);

    const auto border = lines<BorderPropertyGroup>(borderWidths);
    const auto outline = lines<OutlinePropertyGroup>(outlineWidths);
    OutlineBorderRectangleNode node;
    node.setRect(rect);
    node.setBorder(border.get());
    node.setOutline(outline.get());
    node.setRadius(QVector4D(1e-3f, 1e-3f, 1e-3f, 1e-3f));
    node.update();

    const auto& v = node.vertices();
    comparePoint(v[0], outer.topLeft(), { 0, 0 });
    comparePoint(v[9], outer.topRight(), { 1, 0 });
    comparePoint(v[13], outer.bottomLeft(), { 0, 1 });
    comparePoint(v[21], outer.bottomRight(), { 1, 1 });
    for (int i : { 3, 4, 11, 24 }) {
        comparePoint(v[i], inner.topLeft(), innerUv.topLeft());
    }
    for (int i : { 6, 7, 16, 26 }) {
        comparePoint(v[i], inner.topRight(), innerUv.topRight());
    }
    for (int i : { 12, 15, 22, 25 }) {
        comparePoint(v[i], inner.bottomLeft(), innerUv.bottomLeft());
    }
    for (int i : { 17, 19, 23, 27 }) {
        comparePoint(v[i], inner.bottomRight(), innerUv.bottomRight());
    }
    comparePoint(v[1], { outer.left(), inner.top() }, { 0, innerUv.top() });
    comparePoint(v[2], { inner.left(), outer.top() }, { innerUv.left(), 0 });

    // The geometry holds the records and the nine-patch indices.
    const QSGGeometry* g = node.geometry();
    QCOMPARE(g->sizeOfVertex(), 48);
    QCOMPARE(g->vertexCount(), 28);
    QCOMPARE(g->indexCount(), 54);
    QCOMPARE(g->drawingMode(), QSGGeometry::DrawTriangles);
    QCOMPARE(std::memcmp(g->vertexData(), v.data(), 28 * 48), 0);
    const quint16* indices = g->indexDataAsUShort();
    QCOMPARE(indices[0], quint16(0));
    QCOMPARE(indices[16], quint16(8));
    QCOMPARE(indices[53], quint16(26));
}

void tst_RectangleNodes::borderRadiusLimitedToHalfSide()
{
    OutlineBorderRectangleNode node;
    node.setRect(QRectF(0, 0, 100, 50));
    node.setRadius(QVector4D(0, 0, 0, 40));
    node.update();
    comparePoint(node.vertices()[3], { 40, 25 }, { 0.4, 0.5 });
    QVERIFY(qFuzzyCompare(floatAt(node.uniformData(), 112 + 12), 40.0f / 50.0f));
}

void tst_RectangleNodes::borderProgram_data()
{
    QTest::addColumn<bool>("hasBorder");
    QTest::addColumn<QVector4D>("borderWidths");
    QTest::addColumn<bool>("hasOutline");
    QTest::addColumn<QVector4D>("outlineWidths");
    QTest::addColumn<QString>("program");

    QTest::newRow("no groups") << false << QVector4D() << false << QVector4D() << "styledrectangle";
    QTest::newRow("groups without widths") << true << QVector4D() << true << QVector4D() << "styledrectangle";
    QTest::newRow("border") << true << QVector4D(1, 1, 1, 1) << false << QVector4D() << "styledrectangle-border";
    QTest::newRow("one outline side") << true << QVector4D() << true << QVector4D(0, 0, 2, 0)
                                      << "styledrectangle-outline";
    QTest::newRow("both") << true << QVector4D(0, 1, 0, 0) << true << QVector4D(1, 0, 0, 0)
                          << "styledrectangle-border-outline";
}

void tst_RectangleNodes::borderProgram()
{
    QFETCH(bool, hasBorder);
    QFETCH(QVector4D, borderWidths);
    QFETCH(bool, hasOutline);
    QFETCH(QVector4D, outlineWidths);
    QFETCH(QString, program);

    const auto border = lines<BorderPropertyGroup>(borderWidths);
    const auto outline = lines<OutlinePropertyGroup>(outlineWidths);
    OutlineBorderRectangleNode node;
    node.setRect(QRectF(0, 0, 30, 20));
    node.setBorder(hasBorder ? border.get() : nullptr);
    node.setOutline(hasOutline ? outline.get() : nullptr);
    node.update();
    QCOMPARE(shaderName(node), program);
    QCOMPARE(node.uniformData().size(), std::size_t(128));
}

void tst_RectangleNodes::borderCornerColours()
{
    BorderPropertyGroup border;
    border.setLeft(line(2, Qt::red));
    border.setTop(line(3, Qt::blue));
    // A side whose style is None, or that has no size, is 0 wide.
    border.setRight(line(3, Qt::green, LineStyle::None));
    border.setBottom(line(std::nullopt, Qt::green));

    OutlineBorderRectangleNode node;
    node.setRect(QRectF(0, 0, 100, 50));
    node.setBorder(&border);
    node.update();

    const auto& v = node.vertices();
    QVERIFY(fuzzyEqual(v[0].border, QVector4D(0.5f, 0, 0.5f, 1)));
    QVERIFY(fuzzyEqual(v[3].border, QVector4D(0.5f, 0, 0.5f, 1)));
    QVERIFY(fuzzyEqual(v[1].border, QVector4D(1, 0, 0, 1)));
    QVERIFY(fuzzyEqual(v[2].border, QVector4D(0, 0, 1, 1)));
    QVERIFY(fuzzyEqual(v[8].border, QVector4D(0, 1, 0, 1)));
    QVERIFY(fuzzyEqual(v[24].border, QVector4D()));
    QVERIFY(fuzzyEqual(v[0].outline, QVector4D()));
    QVERIFY(fuzzyEqual(vec4At(node.uniformData(), 80), QVector4D(2, 3, 0, 0) / 50.0f));

    // Colours are rewritten only while some width is set.
    BorderPropertyGroup none;
    none.setLeft(line(0, Qt::white));
    node.setBorder(&none);
    node.update();
    QVERIFY(fuzzyEqual(node.vertices()[1].border, QVector4D(1, 0, 0, 1)));
    QCOMPARE(shaderName(node), QStringLiteral("styledrectangle"));
}

void tst_RectangleNodes::borderUniforms()
{
    // The outline grows the drawn area, not the metrics.
    const auto outline = lines<OutlinePropertyGroup>(QVector4D(10, 10, 10, 10));
    OutlineBorderRectangleNode node;
    node.setRect(QRectF(0, 0, 100, 50));
    node.setOutline(outline.get());
    node.setRadius(QVector4D(5, 5, 5, 5));
    node.update();

    const auto block = node.uniformData();
    QCOMPARE(wordAt(block, 0), quint32(MatrixMarker));
    QCOMPARE(wordAt(block, 64), quint32(OpacityMarker));
    QCOMPARE(vec2At(block, 72), QVector2D(2, 1));
    QVERIFY(fuzzyEqual(vec4At(block, 80), QVector4D()));
    QVERIFY(fuzzyEqual(vec4At(block, 96), QVector4D(0.2f, 0.2f, 0.2f, 0.2f)));
    QVERIFY(fuzzyEqual(vec4At(block, 112), QVector4D(0.1f, 0.1f, 0.1f, 0.1f)));
    comparePoint(node.vertices()[0], { -10, -10 }, { 0, 0 });
}

void tst_RectangleNodes::crossingInsetsFit()
{
    // 1 px borders on a 2 px high rectangle: each vertical inset wants 2 px.
    const auto border = lines<BorderPropertyGroup>(QVector4D(0, 1, 0, 1));
    OutlineBorderRectangleNode node;
    node.setRect(QRectF(0, 0, 20, 2));
    node.setBorder(border.get());
    node.update();

    const auto& v = node.vertices();
    comparePoint(v[3], { 1, 1 }, { 0.05, 0.5 });
    comparePoint(v[12], { 1, 1 }, { 0.05, 0.5 });
    comparePoint(v[17], { 19, 1 }, { 0.95, 0.5 });
    // Horizontal insets that fit stay as they are.
    comparePoint(v[2], { 1, 0 }, { 0.05, 0 });

    // A rectangle narrower than two insets shares its width between them.
    const auto wide = lines<BorderPropertyGroup>(QVector4D(3, 0, 1, 0));
    node.setRect(QRectF(0, 0, 4, 10));
    node.setBorder(wide.get());
    node.update();
    QCOMPARE(node.vertices()[3].x, 4.0f * 4.0f / 6.0f);
    QCOMPARE(node.vertices()[6].x, 4.0f * 4.0f / 6.0f);
}

QTEST_MAIN(tst_RectangleNodes)
#include "tst_rectanglenodes.moc"
