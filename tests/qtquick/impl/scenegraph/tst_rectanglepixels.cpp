#include "scenegraphtesting.h"

#include <outlineborderrectanglenode_p.h>
#include <rectanglenode_p.h>

#include <borderpropertygroup.h>
#include <imagepropertygroup.h>
#include <linepropertygroup.h>
#include <outlinepropertygroup.h>

#include <QTemporaryDir>
#include <QtQuick/QQuickItem>
#include <QtQuick/QQuickWindow>
#include <QtTest/QtTest>

using namespace Quilt::Quick;
using Quilt::Color;
using Quilt::Properties::BorderPropertyGroup;
using Quilt::Properties::ImageFlag;
using Quilt::Properties::ImagePropertyGroup;
using Quilt::Properties::LinePropertyGroup;
using Quilt::Properties::LineStyle;
using Quilt::Properties::OutlinePropertyGroup;

namespace
{
Color rgba(const QColor& c)
{
    return Color::rgba(c.red(), c.green(), c.blue(), c.alpha());
}

std::unique_ptr<LinePropertyGroup> line(double size, const QColor& color)
{
    auto result = std::make_unique<LinePropertyGroup>();
    result->setSize(size);
    result->setStyle(LineStyle::Solid);
    result->setColor(rgba(color));
    return result;
}

// Draws the nodes of a styled rectangle from values the test sets, without a
// style: what the shaders make of them is under test here.
class NodeRectangle : public QQuickItem
{
public:
    NodeRectangle() { setFlag(ItemHasContents); }

    std::optional<QColor> fill;
    const ImagePropertyGroup* image = nullptr;
    const BorderPropertyGroup* border = nullptr;
    const OutlinePropertyGroup* outline = nullptr;
    QVector4D radius;
    struct Shadow
    {
        float size = 0;
        float blur = 0;
        QVector2D offset;
        QColor color;
    };
    std::optional<Shadow> shadow;

protected:
    QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData*) override
    {
        delete old;
        auto root = new QSGNode;
        const QRectF r = boundingRect();
        if (shadow) {
            auto node = new RectangleShadowNode;
            node->setRect(r);
            node->setRadius(radius);
            node->setSize(shadow->size);
            node->setBlur(shadow->blur);
            node->setOffset(shadow->offset);
            node->setColor(shadow->color);
            node->update();
            root->appendChildNode(node);
        }
        if (fill || image) {
            auto node = new RectangleNode;
            node->setRect(r);
            node->setRadius(radius);
            node->setColor(fill.value_or(QColor(Qt::transparent)));
            node->setImage(image);
            node->setWindow(window());
            node->update();
            root->appendChildNode(node);
        }
        if (border || outline) {
            auto node = new OutlineBorderRectangleNode;
            node->setRect(r);
            node->setBorder(border);
            node->setOutline(outline);
            node->setRadius(radius);
            node->update();
            root->appendChildNode(node);
        }
        return root;
    }
};
} // namespace

class tst_RectanglePixels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void roundedFill();
    void picture();
    void masks_data();
    void masks();
    void imageThatDoesNotLoad();
    void shadow();
    void sharpShadowWithoutBlur();
    void borderAndOutline();

private:
    QImage render();
    QString writeImage(const QString& name, const QImage& image);

    QTemporaryDir m_dir;
    std::unique_ptr<QQuickWindow> m_window;
    NodeRectangle* m_item = nullptr;
};

void tst_RectanglePixels::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_RectanglePixels::init()
{
    m_window = std::make_unique<QQuickWindow>();
    m_window->setColor(Qt::white);
    m_window->resize(200, 160);
    m_item = new NodeRectangle;
    m_item->setParent(m_window->contentItem());
    m_item->setParentItem(m_window->contentItem());
    m_item->setPosition(QPointF(40, 40));
    m_item->setSize(QSizeF(100, 60));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_RectanglePixels::cleanup()
{
    m_item = nullptr;
    m_window.reset();
}

QImage tst_RectanglePixels::render()
{
    m_item->update();
    QImage image = m_window->grabWindow();
    if (qEnvironmentVariableIsSet("QUILT_TEST_SAVE_IMAGES")) {
        // Enlarged, so that single pixels can be told apart when looking.
        image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QDir::temp().filePath(QStringLiteral("quilt-%1.png").arg(QTest::currentTestFunction())));
    }
    return image;
}

QString tst_RectanglePixels::writeImage(const QString& name, const QImage& image)
{
    const QString path = m_dir.filePath(name);
    return image.save(path) ? path : QString();
}

void tst_RectanglePixels::roundedFill()
{
    m_item->fill = QColor(Qt::red);
    m_item->radius = QVector4D(20, 20, 20, 20);
    const QImage image = render();
    QCOMPARE(image.devicePixelRatio(), 1.0);

    QUILT_COMPARE_PIXEL(image, 90, 70, QColor(Qt::red), 2);
    QUILT_COMPARE_PIXEL(image, 41, 41, QColor(Qt::white), 2); // top-left corner
    QUILT_COMPARE_PIXEL(image, 138, 98, QColor(Qt::white), 2); // bottom-right corner
    // Straight edges reach the item's edge; the antialiasing band takes a few
    // percent of the outermost pixels.
    QUILT_COMPARE_PIXEL(image, 90, 40, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 90, 39, QColor(Qt::white), 12);
    QUILT_COMPARE_PIXEL(image, 139, 70, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 140, 70, QColor(Qt::white), 12);
    // Along the diagonal the corner's arc lies 20 - 20 / sqrt(2) = 5.9 px in.
    QUILT_COMPARE_PIXEL(image, 44, 44, QColor(Qt::white), 2);
    QUILT_COMPARE_PIXEL(image, 48, 48, QColor(Qt::red), 2);
}

void tst_RectanglePixels::picture()
{
    // Left half opaque green, right half blue at 50 %; stretched over the fill.
    QImage source(4, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.setPixelColor(x, y, x < 2 ? QColor(0, 255, 0) : QColor(0, 0, 255, 128));
        }
    }
    ImagePropertyGroup image;
    image.setSource(writeImage(QStringLiteral("picture.png"), source).toStdString());
    m_item->image = &image;

    const QImage shown = render();
    QUILT_COMPARE_PIXEL(shown, 52, 70, QColor(0, 255, 0), 4);
    // Half blue over the white window, not a quarter.
    QUILT_COMPARE_PIXEL(shown, 128, 70, QColor(127, 127, 255), 4);

    // Over an opaque fill the image composites "over" it.
    m_item->fill = QColor(Qt::red);
    const QImage overRed = render();
    QUILT_COMPARE_PIXEL(overRed, 128, 70, QColor(127, 0, 128), 4);
    QUILT_COMPARE_PIXEL(overRed, 52, 70, QColor(0, 255, 0), 4);
}

void tst_RectanglePixels::masks_data()
{
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<QColor>("maskColor");
    QTest::addColumn<QColor>("masked");
    QTest::addColumn<QColor>("unmasked");

    QTest::newRow("mask") << false << QColor(Qt::red) << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("inverted mask") << true << QColor(Qt::red) << QColor(Qt::blue) << QColor(Qt::red);
    // A translucent mask colour stays translucent: half red over the blue fill.
    QTest::newRow("translucent mask") << false << QColor(255, 0, 0, 128) << QColor(128, 0, 127) << QColor(Qt::blue);
}

void tst_RectanglePixels::masks()
{
    QFETCH(bool, inverted);
    QFETCH(QColor, maskColor);
    QFETCH(QColor, masked);
    QFETCH(QColor, unmasked);

    // The mask's left half is opaque (its colour plays no part), the right clear.
    QImage source(4, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.setPixelColor(x, y, x < 2 ? QColor(Qt::green) : QColor(Qt::transparent));
        }
    }
    ImagePropertyGroup image;
    image.setSource(writeImage(QStringLiteral("mask.png"), source).toStdString());
    image.setFlags(inverted ? ImageFlag::InvertedMask : ImageFlag::Mask);
    image.setMaskColor(rgba(maskColor));
    m_item->image = &image;
    m_item->fill = QColor(Qt::blue);

    const QImage shown = render();
    QUILT_COMPARE_PIXEL(shown, 52, 70, masked, 4);
    QUILT_COMPARE_PIXEL(shown, 128, 70, unmasked, 4);
}

void tst_RectanglePixels::imageThatDoesNotLoad()
{
    ImagePropertyGroup image;
    image.setSource(m_dir.filePath(QStringLiteral("missing.png")).toStdString());
    m_item->image = &image;
    m_item->fill = QColor(Qt::blue);
    const QImage shown = render();
    QUILT_COMPARE_PIXEL(shown, 52, 70, QColor(Qt::blue), 2);
    QUILT_COMPARE_PIXEL(shown, 128, 70, QColor(Qt::blue), 2);
}

void tst_RectanglePixels::shadow()
{
    // Grown by size 4 to (36, 36, 108, 68), fading over 2 * blur = 8 px.
    m_item->shadow = NodeRectangle::Shadow { 4, 4, QVector2D(0, 0), QColor(Qt::black) };
    const QImage shown = render();
    QUILT_COMPARE_PIXEL(shown, 90, 70, QColor(Qt::black), 2);
    QUILT_COMPARE_PIXEL(shown, 90, 41, QColor(Qt::black), 8);
    QUILT_COMPARE_PIXEL(shown, 90, 36, QColor(128, 128, 128), 24);
    QUILT_COMPARE_PIXEL(shown, 90, 31, QColor(Qt::white), 4);
    QUILT_COMPARE_PIXEL(shown, 90, 20, QColor(Qt::white), 0);
    // It fades steadily outward.
    const int near = qGray(shown.pixel(90, 34));
    const int far = qGray(shown.pixel(90, 33));
    QVERIFY2(qGray(shown.pixel(90, 38)) < near && near < far, qPrintable(QString::number(near)));

    // An offset moves it.
    m_item->shadow->offset = QVector2D(0, 10);
    const QImage moved = render();
    QUILT_COMPARE_PIXEL(moved, 90, 36, QColor(Qt::white), 4);
    QUILT_COMPARE_PIXEL(moved, 90, 105, QColor(Qt::black), 8);
}

void tst_RectanglePixels::sharpShadowWithoutBlur()
{
    m_item->shadow = NodeRectangle::Shadow { 4, 0, QVector2D(0, 0), QColor(Qt::black) };
    const QImage shown = render();
    QUILT_COMPARE_PIXEL(shown, 90, 37, QColor(Qt::black), 2);
    QUILT_COMPARE_PIXEL(shown, 90, 34, QColor(Qt::white), 2);
    QUILT_COMPARE_PIXEL(shown, 37, 70, QColor(Qt::black), 2);
    QUILT_COMPARE_PIXEL(shown, 34, 70, QColor(Qt::white), 2);
    QUILT_COMPARE_PIXEL(shown, 90, 70, QColor(Qt::black), 2);
}

void tst_RectanglePixels::borderAndOutline()
{
    BorderPropertyGroup border;
    border.setLeft(line(2, Qt::red));
    border.setTop(line(3, Qt::blue));
    OutlinePropertyGroup outline;
    for (auto set : { &OutlinePropertyGroup::setLeft, &OutlinePropertyGroup::setTop, &OutlinePropertyGroup::setRight,
                      &OutlinePropertyGroup::setBottom }) {
        (outline.*set)(line(3, Qt::green));
    }
    m_item->border = &border;
    m_item->outline = &outline;

    const QImage shown = render();
    // Left border: 2 px red inside the edge at x = 40.
    QUILT_COMPARE_PIXEL(shown, 40, 70, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(shown, 41, 70, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(shown, 42, 70, QColor(Qt::white), 12);
    // Top border: 3 px blue.
    QUILT_COMPARE_PIXEL(shown, 90, 40, QColor(Qt::blue), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 42, QColor(Qt::blue), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 43, QColor(Qt::white), 12);
    // Inside stays clear, and so do the sides without a border.
    QUILT_COMPARE_PIXEL(shown, 90, 70, QColor(Qt::white), 0);
    QUILT_COMPARE_PIXEL(shown, 139, 70, QColor(Qt::white), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 99, QColor(Qt::white), 12);
    // A 3 px outline outside every side.
    QUILT_COMPARE_PIXEL(shown, 90, 37, QColor(Qt::green), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 39, QColor(Qt::green), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 36, QColor(Qt::white), 12);
    QUILT_COMPARE_PIXEL(shown, 37, 70, QColor(Qt::green), 12);
    QUILT_COMPARE_PIXEL(shown, 36, 70, QColor(Qt::white), 12);
    QUILT_COMPARE_PIXEL(shown, 142, 70, QColor(Qt::green), 12);
    QUILT_COMPARE_PIXEL(shown, 143, 70, QColor(Qt::white), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 102, QColor(Qt::green), 12);
    QUILT_COMPARE_PIXEL(shown, 90, 103, QColor(Qt::white), 12);
}

QTEST_MAIN(tst_RectanglePixels)
#include "tst_rectanglepixels.moc"
