#pragma once

#include <QList>
#include <QPair>
#include <QtQuick/private/qsgabstractrenderer_p.h>
#include <QtQuick/QSGNode>

#include <cstring>
#include <span>

namespace QuiltTest
{
// A renderer that draws nothing and records which nodes were marked dirty,
// so that tests see what a node update tells the scene graph.
class RecordingRenderer : public QSGAbstractRenderer
{
public:
    RecordingRenderer() { setRootNode(&root); }
    ~RecordingRenderer() override { setRootNode(nullptr); }

    void renderScene() override { }

    QSGRootNode root;
    QList<QPair<QSGNode*, QSGNode::DirtyState>> changes;

protected:
    void nodeChanged(QSGNode* node, QSGNode::DirtyState state) override { changes.append({ node, state }); }
};

inline float floatAt(std::span<const char> data, std::size_t offset)
{
    float value = 0.0f;
    if (offset + sizeof(float) <= data.size()) {
        std::memcpy(&value, data.data() + offset, sizeof(value));
    }
    return value;
}

inline quint32 wordAt(std::span<const char> data, std::size_t offset)
{
    quint32 value = 0;
    if (offset + sizeof(value) <= data.size()) {
        std::memcpy(&value, data.data() + offset, sizeof(value));
    }
    return value;
}
} // namespace QuiltTest

#include <QColor>
#include <QImage>
#include <QString>

namespace QuiltTest
{
// Whether two colours differ by at most `tolerance` in every channel.
inline bool colorNear(const QColor& actual, const QColor& expected, int tolerance = 8)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance && qAbs(actual.alpha() - expected.alpha()) <= tolerance;
}

inline QString describe(const QColor& color)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}
} // namespace QuiltTest

// Compares the pixel at (x, y) of an image with a colour, within a tolerance.
#define QUILT_COMPARE_PIXEL(image, x, y, expected, tolerance)                                                          \
    do {                                                                                                               \
        const QColor quiltActual = (image).pixelColor((x), (y));                                                       \
        QVERIFY2(QuiltTest::colorNear(quiltActual, (expected), (tolerance)),                                           \
                 qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")                                        \
                                .arg(x)                                                                                \
                                .arg(y)                                                                                \
                                .arg(QuiltTest::describe(quiltActual), QuiltTest::describe(expected))));               \
    } while (false)
