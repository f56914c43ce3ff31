#include "scenegraphtesting.h"

#include <shadermaterial_p.h>
#include <shadernode_p.h>

#include <QMatrix4x4>
#include <QtQuick/QSGTextureProvider>
#include <QtTest/QtTest>

using namespace Quilt::Quick;
using QuiltTest::floatAt;
using QuiltTest::wordAt;

namespace
{
class NullProvider : public QSGTextureProvider
{
public:
    QSGTexture* texture() const override { return nullptr; }
};

// Reads vertex v of a geometry as floats.
QList<float> vertexAt(const QSGGeometry* geometry, int v)
{
    const int floats = geometry->sizeOfVertex() / int(sizeof(float));
    const auto* data = static_cast<const float*>(geometry->vertexData()) + v * floats;
    return QList<float>(data, data + floats);
}
} // namespace

class tst_ShaderNode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vertexLayout();
    void attributeSetPerLayout();
    void quadVertices();
    void uvCountClampsAndTrimsTextures();
    void colorsNeedAnAttribute();
    void materialTypePerName();
    void oneMaterialPerShader();
    void operationsWithoutMaterial();
    void compare();
    void uniformMarkers_data();
    void uniformMarkers();
};

void tst_ShaderNode::vertexLayout()
{
    ShaderNode node;
    node.setUvCount(2);
    node.setColorCount(1);
    node.update();

    const QSGGeometry* geometry = node.geometry();
    QVERIFY(geometry);
    QCOMPARE(geometry->sizeOfVertex(), 40);
    QCOMPARE(geometry->attributeCount(), 4);
    QCOMPARE(geometry->vertexCount(), 4);
    QCOMPARE(geometry->indexType(), int(QSGGeometry::UnsignedShortType));

    const QSGGeometry::Attribute* attributes = geometry->attributes();
    const QSGGeometry::AttributeType types[] = { QSGGeometry::PositionAttribute, QSGGeometry::TexCoordAttribute,
                                                 QSGGeometry::TexCoordAttribute, QSGGeometry::UnknownAttribute };
    const int tuples[] = { 2, 2, 2, 4 };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(attributes[i].position, i);
        QCOMPARE(attributes[i].attributeType, types[i]);
        QCOMPARE(attributes[i].tupleSize, tuples[i]);
        QCOMPARE(attributes[i].type, int(QSGGeometry::FloatType));
        QCOMPARE(bool(attributes[i].isVertexCoordinate), i == 0);
    }

    // A changed layout replaces the geometry.
    node.setColorCount(0);
    node.update();
    QCOMPARE(node.geometry()->sizeOfVertex(), 24);
    QCOMPARE(node.geometry()->attributeCount(), 3);
}

void tst_ShaderNode::attributeSetPerLayout()
{
    // The renderer merges nodes only when their geometries share the very
    // attributes: one set per layout, whichever node asks first.
    ShaderNode a, b, other;
    a.setUvCount(2);
    a.setColorCount(1);
    b.setColorCount(1);
    b.setUvCount(2);
    other.setUvCount(2);
    for (ShaderNode* node : { &a, &b, &other }) {
        node->update();
    }
    QCOMPARE(a.geometry()->attributes(), b.geometry()->attributes());
    QVERIFY(a.geometry()->attributes() != other.geometry()->attributes());

    // A node that goes keeps the set for the others.
    {
        ShaderNode gone;
        gone.setUvCount(2);
        gone.update();
        QCOMPARE(gone.geometry()->attributes(), other.geometry()->attributes());
    }
    QCOMPARE(other.geometry()->attributes()[1].attributeType, QSGGeometry::TexCoordAttribute);
    QCOMPARE(other.geometry()->sizeOfVertex(), 24);
}

void tst_ShaderNode::quadVertices()
{
    ShaderNode node;
    node.setUvCount(2);
    node.setUvRect(1, QRectF(0.25, 0.5, 0.5, 0.25));
    node.setColorCount(1);
    node.setColors(0, QVector4D(1, 0, 0, 0), QVector4D(2, 0, 0, 0), QVector4D(3, 0, 0, 0), QVector4D(4, 0, 0, 0));
    node.setRect(QRectF(10, 20, 30, 40));
    node.update();

    const QSGGeometry* g = node.geometry();
    QCOMPARE(g->drawingMode(), QSGGeometry::DrawTriangleStrip);
    // position | channel 0 | channel 1 | colour (first component marks the corner)
    QCOMPARE(vertexAt(g, 0), (QList<float> { 10, 20, 0, 0, 0.25f, 0.5f, 1, 0, 0, 0 }));
    QCOMPARE(vertexAt(g, 1), (QList<float> { 10, 60, 0, 1, 0.25f, 0.75f, 3, 0, 0, 0 }));
    QCOMPARE(vertexAt(g, 2), (QList<float> { 40, 20, 1, 0, 0.75f, 0.5f, 2, 0, 0, 0 }));
    QCOMPARE(vertexAt(g, 3), (QList<float> { 40, 60, 1, 1, 0.75f, 0.75f, 4, 0, 0, 0 }));

    // Only a change rewrites the vertices.
    auto* data = static_cast<float*>(node.geometry()->vertexData());
    data[0] = -1;
    node.setRect(QRectF(10, 20, 30, 40));
    node.update();
    QCOMPARE(data[0], -1.0f);
    node.setRect(QRectF(11, 20, 30, 40));
    node.update();
    QCOMPARE(data[0], 11.0f);
}

void tst_ShaderNode::uvCountClampsAndTrimsTextures()
{
    ShaderNode node;
    node.setShader(QStringLiteral("rectangle"));
    NullProvider providers[3];
    for (quint8 i = 0; i < 3; ++i) {
        node.setTexture(i, 1, &providers[i]);
    }
    // The same channel and binding replaces its entry.
    node.setTexture(2, 1, &providers[0]);
    QCOMPARE(node.textureCount(), 3);

    node.setUvCount(40);
    QCOMPARE(node.uvCount(), quint8(16));
    QCOMPARE(node.textureCount(), 3);
    node.setUvCount(2);
    QCOMPARE(node.uvCount(), quint8(2));
    QCOMPARE(node.textureCount(), 2);
    node.setUvCount(0);
    QCOMPARE(node.uvCount(), quint8(1));
    QCOMPARE(node.textureCount(), 0);
    node.update();
    QCOMPARE(node.geometry()->attributeCount(), 2);
}

void tst_ShaderNode::colorsNeedAnAttribute()
{
    ShaderNode node;
    node.setColorCount(1);
    node.setColors(1, QColor(Qt::red), QColor(Qt::red), QColor(Qt::red), QColor(Qt::red));
    node.setColors(0, QColor(255, 0, 0, 128), QColor(Qt::blue), QColor(Qt::transparent), QColor(Qt::white));
    node.update();
    const QList<float> topLeft = vertexAt(node.geometry(), 0);
    // Premultiplied: half-transparent red stores half its red.
    QVERIFY(qAbs(topLeft[4] - 128 / 255.0f) < 1e-3f);
    QCOMPARE(topLeft[5], 0.0f);
    QVERIFY(qAbs(topLeft[7] - 128 / 255.0f) < 1e-3f);
}

void tst_ShaderNode::materialTypePerName()
{
    QSGMaterialType* rectangle = ShaderMaterial::typeForName(QStringLiteral("rectangle"));
    QVERIFY(rectangle);
    QCOMPARE(ShaderMaterial::typeForName(QStringLiteral("rectangle")), rectangle);
    QVERIFY(ShaderMaterial::typeForName(QStringLiteral("rectangle-texture")) != rectangle);
    QCOMPARE(ShaderMaterial::nameForType(rectangle), QStringLiteral("rectangle"));

    ShaderMaterial byType(rectangle);
    QCOMPARE(byType.name(), QStringLiteral("rectangle"));
    QCOMPARE(byType.type(), rectangle);
    QVERIFY(byType.flags().testFlag(QSGMaterial::Blending));

    QSGMaterialType unknown;
    QCOMPARE(ShaderMaterial::nameForType(&unknown), QString());
}

void tst_ShaderNode::oneMaterialPerShader()
{
    ShaderNode node;
    node.setShader(QStringLiteral("rectangle"));
    ShaderMaterial* first = node.shaderMaterial();
    QVERIFY(first);
    QCOMPARE(node.material(), first);
    node.setUniformFloatCount(32);
    node.uniformData()[0] = 1;

    node.setShader(QStringLiteral("rectangle"));
    QCOMPARE(node.shaderMaterial(), first);
    QCOMPARE(node.uniformData().size(), std::size_t(128));

    node.setShader(QStringLiteral("rectangle-texture"));
    ShaderMaterial* second = node.shaderMaterial();
    QVERIFY(second != first);
    QCOMPARE(second->name(), QStringLiteral("rectangle-texture"));
    QCOMPARE(node.uniformData().size(), std::size_t(0));

    node.setShader(QStringLiteral("rectangle"));
    QVERIFY(node.shaderMaterial() != second);
    QCOMPARE(node.shaderType(), ShaderMaterial::typeForName(QStringLiteral("rectangle")));
    QCOMPARE(node.uniformData().size(), std::size_t(0));
}

void tst_ShaderNode::operationsWithoutMaterial()
{
    ShaderNode node;
    NullProvider provider;
    node.setUniformFloatCount(32);
    QVERIFY(node.uniformData().empty());
    node.setTexture(0, 1, &provider);
    QCOMPARE(node.textureCount(), 0);
    node.setTexture(0, 1, QImage(), nullptr);
    node.setTexture(0, 1, std::filesystem::path("/nonexistent/image.png"), nullptr, QSizeF(16, 16));
    QCOMPARE(node.textureCount(), 0);
    QVERIFY(!node.shaderMaterial());
}

void tst_ShaderNode::compare()
{
    ShaderMaterial a(QStringLiteral("rectangle"));
    ShaderMaterial b(QStringLiteral("rectangle"));
    QCOMPARE(a.compare(&b), 0);

    a.setUniformDataSize(128);
    b.setUniformDataSize(128);
    QCOMPARE(a.compare(&b), 0);

    a.uniformData()[100] = 7;
    QVERIFY(a.compare(&b) != 0);
    QCOMPARE(a.compare(&b), -b.compare(&a));
    b.uniformData()[100] = 7;
    QCOMPARE(a.compare(&b), 0);

    // Resizing drops the old contents.
    b.setUniformDataSize(64);
    QVERIFY(a.compare(&b) != 0);
    b.setUniformDataSize(128);
    QCOMPARE(b.uniformData()[100], '\0');

    ShaderMaterial c(QStringLiteral("rectangle"));
    ShaderMaterial d(QStringLiteral("rectangle"));
    auto* texture = reinterpret_cast<QSGTexture*>(quintptr(0x10));
    c.setTexture(1, texture);
    QVERIFY(c.compare(&d) != 0);
    d.setTexture(1, texture);
    QCOMPARE(c.compare(&d), 0);
    QCOMPARE(c.texture(1), texture);
    QCOMPARE(c.texture(2), nullptr);
}

void tst_ShaderNode::uniformMarkers_data()
{
    QTest::addColumn<int>("targetBytes");
    QTest::addColumn<int>("sourceBytes");
    QTest::addColumn<int>("markerWord");
    QTest::addColumn<quint32>("marker");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("matrix at 0") << 128 << 128 << 0 << quint32(MatrixMarker) << true;
    QTest::newRow("matrix filling the block") << 128 << 128 << 16 << quint32(MatrixMarker) << true;
    QTest::newRow("matrix past the end") << 128 << 128 << 17 << quint32(MatrixMarker) << false;
    QTest::newRow("opacity in the last word") << 128 << 128 << 31 << quint32(OpacityMarker) << true;
    QTest::newRow("viewport in the last 4 words") << 128 << 128 << 28 << quint32(ViewportMarker) << true;
    QTest::newRow("viewport past the end") << 128 << 128 << 29 << quint32(ViewportMarker) << false;
    QTest::newRow("larger source") << 64 << 128 << 15 << quint32(OpacityMarker) << true;
    QTest::newRow("marker beyond a smaller target") << 64 << 128 << 16 << quint32(OpacityMarker) << false;
    QTest::newRow("smaller source") << 128 << 64 << 0 << quint32(MatrixMarker) << true;
}

void tst_ShaderNode::uniformMarkers()
{
    QFETCH(int, targetBytes);
    QFETCH(int, sourceBytes);
    QFETCH(int, markerWord);
    QFETCH(quint32, marker);
    QFETCH(bool, replaced);

    QByteArray source(sourceBytes, '\0');
    for (int i = 0; i < sourceBytes; ++i) {
        source[i] = char(i + 1);
    }
    std::memcpy(source.data() + markerWord * 4, &marker, 4);
    QByteArray target(targetBytes, char(0xee));

    QMatrix4x4 matrix;
    for (int i = 0; i < 16; ++i) {
        matrix.data()[i] = float(i) + 0.5f;
    }
    writeUniformBlock({ target.data(), std::size_t(target.size()) }, { source.constData(), std::size_t(source.size()) },
                      matrix, 0.25f, QRectF(1, 2, 3, 4));

    QCOMPARE(target.size(), targetBytes);
    const int values = marker == MatrixMarker ? 16 : marker == ViewportMarker ? 4 : 1;
    const std::span<const char> bytes(target.constData(), target.size());
    for (int word = 0; word < targetBytes / 4; ++word) {
        const bool isValue = replaced && word >= markerWord && word < markerWord + values;
        if (isValue) {
            const int k = word - markerWord;
            const float expected = marker == MatrixMarker ? float(k) + 0.5f
                : marker == ViewportMarker                ? float(k + 1)
                                                          : 0.25f;
            QCOMPARE(floatAt(bytes, word * 4), expected);
        } else if (word * 4 < sourceBytes) {
            quint32 expected;
            std::memcpy(&expected, source.constData() + word * 4, 4);
            QCOMPARE(wordAt(bytes, word * 4), expected);
        } else {
            QCOMPARE(wordAt(bytes, word * 4), 0xeeeeeeeeu);
        }
    }
}

QTEST_MAIN(tst_ShaderNode)
#include "tst_shadernode.moc"
