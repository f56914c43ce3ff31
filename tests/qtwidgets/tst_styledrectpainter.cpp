// The styled-rectangle painter on images: borders as rings and as sides with
// corners, radii, insets, background colours and images, and rectangles
// without area.

#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "cornerpropertygroup.h"
#include "cornerspropertygroup.h"
#include "imagepropertygroup.h"
#include "layoutpropertygroup.h"
#include "linepropertygroup.h"
#include "sizepropertygroup.h"
#include "styledrectpainter.h"
#include "stylepropertygroup.h"
#include "widgettest.h"

#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace QuiltWidgetTest;
using namespace Quilt::Properties;

namespace
{
Quilt::Color color(const QColor& c)
{
    return Quilt::Color::rgba(c.red(), c.green(), c.blue(), c.alpha());
}

// Property groups as the style would resolve them, built in place.
class Properties
{
public:
    Properties& background(const QColor& c)
    {
        backgroundGroup()->setColor(color(c));
        return *this;
    }
    // All four sides alike.
    Properties& border(double width, const QColor& c)
    {
        for (BorderPart side : { BorderPart::Left, BorderPart::Right, BorderPart::Top, BorderPart::Bottom }) {
            this->side(side, width, c);
        }
        return *this;
    }
    // An invalid colour leaves the line's colour unset.
    Properties& side(BorderPart side, double width, const QColor& c)
    {
        auto line = std::make_unique<LinePropertyGroup>();
        line->setSize(width);
        if (c.isValid()) {
            line->setColor(color(c));
        }
        BorderPropertyGroup* border = borderGroup();
        switch (side) {
        case BorderPart::Left:
            border->setLeft(std::move(line));
            break;
        case BorderPart::Right:
            border->setRight(std::move(line));
            break;
        case BorderPart::Top:
            border->setTop(std::move(line));
            break;
        default:
            border->setBottom(std::move(line));
            break;
        }
        return *this;
    }
    Properties& radii(double topLeft, double topRight, double bottomLeft, double bottomRight)
    {
        auto corners = std::make_unique<CornersPropertyGroup>();
        auto corner = [](double radius) {
            auto group = std::make_unique<CornerPropertyGroup>();
            group->setRadius(radius);
            return group;
        };
        corners->setTopLeft(corner(topLeft));
        corners->setTopRight(corner(topRight));
        corners->setBottomLeft(corner(bottomLeft));
        corners->setBottomRight(corner(bottomRight));
        m_group.setCorners(std::move(corners));
        return *this;
    }
    Properties& radius(double r) { return radii(r, r, r, r); }
    Properties& inset(double all)
    {
        auto inset = std::make_unique<SizePropertyGroup>();
        inset->setLeft(all);
        inset->setRight(all);
        inset->setTop(all);
        inset->setBottom(all);
        layoutGroup()->setInset(std::move(inset));
        return *this;
    }
    Properties& size(double width, double height)
    {
        layoutGroup()->setWidth(width);
        layoutGroup()->setHeight(height);
        return *this;
    }
    Properties& image(const QString& file, std::optional<ImageFlags> flags = {}, const QColor& mask = QColor())
    {
        auto image = std::make_unique<ImagePropertyGroup>();
        image->setSource(std::filesystem::path(file.toStdString()));
        image->setFlags(flags);
        if (mask.isValid()) {
            image->setMaskColor(color(mask));
        }
        backgroundGroup()->setImage(std::move(image));
        return *this;
    }

    const StylePropertyGroup* get() const { return &m_group; }

private:
    BackgroundPropertyGroup* backgroundGroup()
    {
        if (!m_group.background()) {
            m_group.setBackground(std::make_unique<BackgroundPropertyGroup>());
        }
        return m_group.background();
    }
    BorderPropertyGroup* borderGroup()
    {
        if (!m_group.border()) {
            m_group.setBorder(std::make_unique<BorderPropertyGroup>());
        }
        return m_group.border();
    }
    LayoutPropertyGroup* layoutGroup()
    {
        if (!m_group.layout()) {
            m_group.setLayout(std::make_unique<LayoutPropertyGroup>());
        }
        return m_group.layout();
    }

    StylePropertyGroup m_group;
};

QImage paint(const QSize& size, const QRectF& rect, const Properties& properties,
             StyledRectMode mode = StyledRectMode::BackgroundAndBorder, const QColor& override = QColor())
{
    return paintImage(size,
                      [&](QPainter* painter) { paintStyledRect(painter, rect, properties.get(), mode, override); });
}

bool isBlank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return false;
            }
        }
    }
    return true;
}

const QColor red(Qt::red);
const QColor blue(Qt::blue);
const QColor green(Qt::green);
const QColor transparent(Qt::transparent);
} // namespace

class tst_StyledRectPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void onePixelFrame();
    void uniformRing();
    void ringWithOneRoundCorner();
    void gradientCorner();
    void radiiLimitedToHalfTheSide();
    void sideEatenByCorners();
    void insetCollapse();
    void overrideAndImage();
    void centredMask();
    void modesWithoutTheirGroup();
    void nothingWithoutProperties();
    void rectanglesWithoutArea_data();
    void rectanglesWithoutArea();
    void reusedShapesMatchDirectPaint_data();
    void reusedShapesMatchDirectPaint();

private:
    QTemporaryDir m_dir;
    QString m_halfBlue;
};

void tst_StyledRectPainter::initTestCase()
{
    // 10 x 6: opaque blue on the left half, transparent on the right.
    QVERIFY(m_dir.isValid());
    QImage image(10, 6, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.setPixelColor(x, y, blue);
        }
    }
    m_halfBlue = m_dir.filePath(QStringLiteral("half.png"));
    QVERIFY(image.save(m_halfBlue));
}

void tst_StyledRectPainter::onePixelFrame()
{
    // No corners group: the radii are not uniform, and the ring comes from two
    // paths without arcs.
    const QImage image = paint(QSize(30, 20), QRectF(0, 0, 30, 20), Properties().border(1, red));
    for (const QPoint point : { QPoint(0, 0), QPoint(15, 0), QPoint(29, 0), QPoint(0, 10), QPoint(29, 10),
                                QPoint(0, 19), QPoint(15, 19), QPoint(29, 19) }) {
        QUILT_COMPARE_COLOR(image.pixelColor(point), red);
    }
    for (const QPoint point : { QPoint(1, 1), QPoint(15, 10), QPoint(28, 18), QPoint(15, 1), QPoint(1, 10) }) {
        QUILT_COMPARE_COLOR(image.pixelColor(point), transparent);
    }

    // With a background, it fills the inside of the frame.
    const QImage filled = paint(QSize(30, 20), QRectF(0, 0, 30, 20), Properties().border(1, red).background(green));
    QUILT_COMPARE_COLOR(filled.pixelColor(1, 1), green);
    QUILT_COMPARE_COLOR(filled.pixelColor(15, 10), green);
    QUILT_COMPARE_COLOR(filled.pixelColor(0, 10), red);
}

void tst_StyledRectPainter::uniformRing()
{
    const QImage image
        = paint(QSize(40, 30), QRectF(0, 0, 40, 30), Properties().border(1, red).radius(6).background(green));
    QUILT_COMPARE_COLOR(image.pixelColor(20, 0), red);
    QUILT_COMPARE_COLOR(image.pixelColor(0, 15), red);
    QUILT_COMPARE_COLOR(image.pixelColor(39, 15), red);
    QUILT_COMPARE_COLOR(image.pixelColor(20, 29), red);
    QUILT_COMPARE_COLOR(image.pixelColor(20, 15), green);
    // Outside the outer arc (radius 6 around (6, 6)) nothing is painted.
    for (const QPoint point : { QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29) }) {
        QUILT_COMPARE_COLOR(image.pixelColor(point), transparent);
    }
    // On the arc at 45 degrees the ring, inside it the background (radius 5).
    QVERIFY(image.pixelColor(2, 2).red() > 150);
    QUILT_COMPARE_COLOR(image.pixelColor(5, 5), green);
    QUILT_COMPARE_COLOR(image.pixelColor(2, 15), green);
}

void tst_StyledRectPainter::ringWithOneRoundCorner()
{
    const QImage image = paint(QSize(20, 20), QRectF(0, 0, 20, 20), Properties().border(2, red).radii(8, 0, 0, 0));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QUILT_COMPARE_COLOR(image.pixelColor(19, 0), red);
    QUILT_COMPARE_COLOR(image.pixelColor(19, 19), red);
    QUILT_COMPARE_COLOR(image.pixelColor(0, 19), red);
    QUILT_COMPARE_COLOR(image.pixelColor(10, 10), transparent);
}

void tst_StyledRectPainter::gradientCorner()
{
    Properties properties;
    properties.side(BorderPart::Left, 2, red).side(BorderPart::Top, 2, blue);
    const QImage image = paint(QSize(20, 20), QRectF(0, 0, 20, 20), properties);

    // The 2 x 2 corner leads from red at its lower left to blue at its upper right.
    const QColor lowerLeft = image.pixelColor(0, 1);
    const QColor upperRight = image.pixelColor(1, 0);
    QVERIFY2(lowerLeft.red() > lowerLeft.blue() && lowerLeft.alpha() == 255, qPrintable(describe(lowerLeft)));
    QVERIFY2(upperRight.blue() > upperRight.red() && upperRight.alpha() == 255, qPrintable(describe(upperRight)));
    // The straight parts start where the corner ends.
    QUILT_COMPARE_COLOR(image.pixelColor(2, 0), blue);
    QUILT_COMPARE_COLOR(image.pixelColor(19, 1), blue);
    QUILT_COMPARE_COLOR(image.pixelColor(0, 2), red);
    QUILT_COMPARE_COLOR(image.pixelColor(1, 19), red);
    QUILT_COMPARE_COLOR(image.pixelColor(10, 10), transparent);
    QUILT_COMPARE_COLOR(image.pixelColor(19, 10), transparent);
}

void tst_StyledRectPainter::radiiLimitedToHalfTheSide()
{
    // 20 x 10 with radius 8 paints as radius 5, on the background and on the
    // sides alike (one side coloured apart, so sides and corners are used).
    auto build = [](double radius) {
        Properties properties;
        properties.background(green).radii(radius, radius, 0, 0);
        properties.side(BorderPart::Left, 1, red).side(BorderPart::Top, 1, blue);
        properties.side(BorderPart::Right, 1, red).side(BorderPart::Bottom, 1, red);
        return properties;
    };
    const QImage limited = paint(QSize(20, 10), QRectF(0, 0, 20, 10), build(8));
    const QImage five = paint(QSize(20, 10), QRectF(0, 0, 20, 10), build(5));
    const QImage four = paint(QSize(20, 10), QRectF(0, 0, 20, 10), build(4));
    bool differsFromFour = false;
    for (int y = 0; y < 10; ++y) {
        for (int x : { 0, 1, 2, 3, 4, 5, 14, 15, 16, 17, 18, 19 }) {
            QCOMPARE(limited.pixel(x, y), five.pixel(x, y));
            differsFromFour = differsFromFour || limited.pixel(x, y) != four.pixel(x, y);
        }
    }
    QVERIFY(differsFromFour);
    QCOMPARE(limited.pixelColor(0, 0).alpha(), 0);
    QUILT_COMPARE_COLOR(limited.pixelColor(10, 5), green);
}

void tst_StyledRectPainter::sideEatenByCorners()
{
    // The left side of a 10 x 10 frame with radius 5 corners has no straight
    // part left (height 10 - 1 - 1 - 5 - 5): nothing to paint, not an
    // inverted rectangle.
    Properties properties;
    properties.border(1, red).radius(5);
    const QImage image = paintImage(QSize(10, 10), [&](QPainter* painter) {
        const BorderPropertyGroup* border = properties.get()->border();
        paintBorderSide(painter, QRectF(0, 0, 10, 10), BorderPart::Left, border->sizes(), border->left(),
                        properties.get()->corners());
        paintBorderSide(painter, QRectF(0, 0, 10, 10), BorderPart::Top, border->sizes(), border->top(),
                        properties.get()->corners());
    });
    QVERIFY(isBlank(image));

    // With room left, the straight part stops short of the corners.
    const QImage tall = paintImage(QSize(10, 30), [&](QPainter* painter) {
        const BorderPropertyGroup* border = properties.get()->border();
        paintBorderSide(painter, QRectF(0, 0, 10, 30), BorderPart::Left, border->sizes(), border->left(),
                        properties.get()->corners());
    });
    QUILT_COMPARE_COLOR(tall.pixelColor(0, 15), red);
    QUILT_COMPARE_COLOR(tall.pixelColor(0, 5), transparent);
    QUILT_COMPARE_COLOR(tall.pixelColor(0, 6), red);
    QUILT_COMPARE_COLOR(tall.pixelColor(0, 23), red);
    QUILT_COMPARE_COLOR(tall.pixelColor(0, 24), transparent);
}

void tst_StyledRectPainter::insetCollapse()
{
    // Inset 10 on every side of a 12 x 12 rectangle: the whole 12 x 12,
    // centred on the shrunk rectangle's centre, which is the same place here.
    const QImage image = paint(QSize(20, 20), QRectF(4, 4, 12, 12), Properties().inset(10).background(green));
    QUILT_COMPARE_COLOR(image.pixelColor(4, 4), green);
    QUILT_COMPARE_COLOR(image.pixelColor(15, 15), green);
    QUILT_COMPARE_COLOR(image.pixelColor(3, 3), transparent);
    QUILT_COMPARE_COLOR(image.pixelColor(16, 16), transparent);

    // An inset that leaves room shrinks the rectangle.
    const QImage shrunk = paint(QSize(20, 20), QRectF(0, 0, 20, 20), Properties().inset(3).background(green));
    QUILT_COMPARE_COLOR(shrunk.pixelColor(2, 2), transparent);
    QUILT_COMPARE_COLOR(shrunk.pixelColor(3, 3), green);
    QUILT_COMPARE_COLOR(shrunk.pixelColor(16, 16), green);
    QUILT_COMPARE_COLOR(shrunk.pixelColor(17, 17), transparent);
}

void tst_StyledRectPainter::overrideAndImage()
{
    // The override colour wins over the background colour, and the image,
    // stretched over the whole background, still paints over it.
    const QImage image = paint(QSize(40, 20), QRectF(0, 0, 40, 20), Properties().background(red).image(m_halfBlue),
                               StyledRectMode::BackgroundAndBorder, green);
    QUILT_COMPARE_COLOR(image.pixelColor(5, 10), blue);
    QUILT_COMPARE_COLOR(image.pixelColor(17, 2), blue);
    QUILT_COMPARE_COLOR(image.pixelColor(23, 10), green);
    QUILT_COMPARE_COLOR(image.pixelColor(38, 18), green);
    QVERIFY(!containsColor(image, image.rect(), red));
}

void tst_StyledRectPainter::centredMask()
{
    // At its own size (10 x 6) around the centre (20, 10), whatever the
    // layout size: x 15 to 25, y 7 to 13, its opaque half in the mask colour.
    const QColor yellow(Qt::yellow);
    Properties properties;
    properties.background(green).size(32, 32).image(m_halfBlue, ImageFlag::Mask, yellow);
    const QImage image = paint(QSize(40, 20), QRectF(0, 0, 40, 20), properties);
    QUILT_COMPARE_COLOR(image.pixelColor(15, 7), yellow);
    QUILT_COMPARE_COLOR(image.pixelColor(19, 12), yellow);
    QUILT_COMPARE_COLOR(image.pixelColor(14, 10), green);
    QUILT_COMPARE_COLOR(image.pixelColor(17, 6), green);
    QUILT_COMPARE_COLOR(image.pixelColor(17, 13), green);
    QUILT_COMPARE_COLOR(image.pixelColor(22, 10), green);
    QVERIFY(!containsColor(image, image.rect(), blue, 40));

    // A mask without a mask colour paints nothing over the background.
    Properties uncoloured;
    uncoloured.background(green).image(m_halfBlue, ImageFlag::Mask);
    const QImage plain = paint(QSize(40, 20), QRectF(0, 0, 40, 20), uncoloured);
    QUILT_COMPARE_COLOR(plain.pixelColor(17, 10), green);

    // No flags at all: stretched, in the image's own colours.
    Properties stretched;
    stretched.image(m_halfBlue);
    const QImage image2 = paint(QSize(40, 20), QRectF(0, 0, 40, 20), stretched);
    QUILT_COMPARE_COLOR(image2.pixelColor(2, 2), blue);
    QUILT_COMPARE_COLOR(image2.pixelColor(30, 10), transparent);

    // A missing image file paints nothing but the background.
    Properties missing;
    missing.background(green).image(m_dir.filePath(QStringLiteral("none.png")));
    QUILT_COMPARE_COLOR(paint(QSize(10, 10), QRectF(0, 0, 10, 10), missing).pixelColor(5, 5), green);
}

void tst_StyledRectPainter::modesWithoutTheirGroup()
{
    const QRectF rect(0, 0, 20, 20);
    QVERIFY(isBlank(paint(QSize(20, 20), rect, Properties().background(green), StyledRectMode::Border)));
    QVERIFY(isBlank(paint(QSize(20, 20), rect, Properties().border(2, red), StyledRectMode::Background)));

    Properties both;
    both.background(green).border(2, red);
    const QImage border = paint(QSize(20, 20), rect, both, StyledRectMode::Border);
    QUILT_COMPARE_COLOR(border.pixelColor(0, 10), red);
    QUILT_COMPARE_COLOR(border.pixelColor(10, 10), transparent);
    const QImage background = paint(QSize(20, 20), rect, both, StyledRectMode::Background);
    QUILT_COMPARE_COLOR(background.pixelColor(0, 10), transparent);
    QUILT_COMPARE_COLOR(background.pixelColor(10, 10), green);
}

void tst_StyledRectPainter::nothingWithoutProperties()
{
    QVERIFY(isBlank(paintImage(QSize(10, 10), [](QPainter* painter) {
        paintStyledRect(painter, QRectF(0, 0, 10, 10), nullptr, StyledRectMode::BackgroundAndBorder, Qt::red);
    })));
}

void tst_StyledRectPainter::rectanglesWithoutArea_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<bool>("inset");

    const QRectF rects[] = { QRectF(5, 5, 0, 0), QRectF(5, 5, 0, 10), QRectF(5, 5, -5, 10) };
    for (const QRectF& rect : rects) {
        for (bool inset : { false, true }) {
            QTest::addRow("%gx%g%s", rect.width(), rect.height(), inset ? ", inset" : "") << rect << inset;
        }
    }
}

void tst_StyledRectPainter::rectanglesWithoutArea()
{
    QFETCH(QRectF, rect);
    QFETCH(bool, inset);

    // Everything that could paint: the radius limits would be inverted here.
    Properties properties;
    properties.background(green).border(2, red).radius(4).image(m_halfBlue);
    if (inset) {
        properties.inset(2);
    }
    Properties sides;
    sides.background(green).side(BorderPart::Left, 2, red).side(BorderPart::Top, 3, blue).radii(4, 0, 2, 6);
    if (inset) {
        sides.inset(2);
    }
    for (const Properties* group : { &properties, &sides }) {
        for (auto mode : { StyledRectMode::BackgroundAndBorder, StyledRectMode::Background, StyledRectMode::Border }) {
            QVERIFY(isBlank(paint(QSize(20, 20), rect, *group, mode, Qt::yellow)));
        }
    }

    // The pieces on their own with such a rectangle paint nothing either.
    const QImage pieces = paintImage(QSize(20, 20), [&](QPainter* painter) {
        const BorderPropertyGroup* border = sides.get()->border();
        paintBorderSide(painter, rect, BorderPart::Left, border->sizes(), border->left(), sides.get()->corners());
        paintBorderSide(painter, rect, BorderPart::Top, border->sizes(), border->top(), sides.get()->corners());
        paintBorderCorner(painter, rect, BorderPart::TopLeft, border, sides.get()->corners()->topLeft());
        paintBorderCorner(painter, rect, BorderPart::BottomRight, border, sides.get()->corners()->bottomRight());
    });
    QVERIFY(isBlank(pieces));
}

void tst_StyledRectPainter::reusedShapesMatchDirectPaint_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QPointF>("translation");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("override");

    const auto all = int(StyledRectMode::BackgroundAndBorder);
    // Rows that share a shape and size but differ in offset, mode or colour
    // follow each other, so that a wrong reuse shows.
    QTest::newRow("ring") << 0 << QRectF(2, 2, 40, 24) << QPointF() << all << QColor();
    QTest::newRow("ring, translated") << 0 << QRectF(2, 2, 40, 24) << QPointF(5, 3) << all << QColor();
    QTest::newRow("ring, half pixel") << 0 << QRectF(2.5, 2.5, 40, 24) << QPointF() << all << QColor();
    QTest::newRow("ring, half pixel by translation")
        << 0 << QRectF(2, 2, 40, 24) << QPointF(0.25, 0.5) << all << QColor();
    QTest::newRow("ring, override") << 0 << QRectF(2, 2, 40, 24) << QPointF() << all << QColor(Qt::yellow);
    QTest::newRow("ring, background only")
        << 0 << QRectF(2, 2, 40, 24) << QPointF() << int(StyledRectMode::Background) << QColor();
    QTest::newRow("ring, border only") << 0 << QRectF(2, 2, 40, 24) << QPointF() << int(StyledRectMode::Border)
                                       << QColor();
    QTest::newRow("other colours") << 1 << QRectF(2, 2, 40, 24) << QPointF() << all << QColor();
    QTest::newRow("sides and gradient corners") << 2 << QRectF(1, 1, 40, 24) << QPointF() << all << QColor();
    QTest::newRow("sides, fractional size") << 2 << QRectF(1, 1, 40.3, 23.6) << QPointF() << all << QColor();
    QTest::newRow("inset") << 3 << QRectF(0, 0, 44, 28) << QPointF() << all << QColor();
    QTest::newRow("image") << 4 << QRectF(2, 2, 40, 24) << QPointF() << all << QColor();
    QTest::newRow("image as mask") << 5 << QRectF(2, 2, 40, 24) << QPointF() << all << QColor();
    QTest::newRow("image as mask, other colour") << 6 << QRectF(2, 2, 40, 24) << QPointF() << all << QColor();
    // Panels too large to keep whole, as a menu's: corners and sides come
    // from a small copy, the inside is filled.
    const QRectF panel(2, 2, 300, 200);
    QTest::newRow("panel") << 0 << panel << QPointF() << all << QColor();
    QTest::newRow("panel, translated") << 0 << panel << QPointF(5, 3) << all << QColor();
    QTest::newRow("panel, half pixel") << 0 << QRectF(2.5, 2.5, 300, 200) << QPointF() << all << QColor();
    QTest::newRow("panel, override") << 0 << panel << QPointF() << all << QColor(Qt::yellow);
    QTest::newRow("panel, background only") << 0 << panel << QPointF() << int(StyledRectMode::Background) << QColor();
    QTest::newRow("panel, border only") << 0 << panel << QPointF() << int(StyledRectMode::Border) << QColor();
    QTest::newRow("panel, sides and gradient corners") << 2 << panel << QPointF() << all << QColor();
    QTest::newRow("panel, inset") << 3 << QRectF(0, 0, 304, 204) << QPointF() << all << QColor();
    QTest::newRow("panel, image") << 4 << panel << QPointF() << all << QColor();
}

void tst_StyledRectPainter::reusedShapesMatchDirectPaint()
{
    QFETCH(int, shape);
    QFETCH(QRectF, rect);
    QFETCH(QPointF, translation);
    QFETCH(int, mode);
    QFETCH(QColor, override);

    Properties properties;
    switch (shape) {
    case 0:
        properties.background(green).border(1, red).radius(6);
        break;
    case 1:
        properties.background(blue).border(1, green).radius(6);
        break;
    case 2:
        properties.background(QColor(0, 128, 0, 128))
            .side(BorderPart::Left, 2, red)
            .side(BorderPart::Top, 3, blue)
            .side(BorderPart::Right, 1, red)
            .side(BorderPart::Bottom, 1, green)
            .radii(5, 2, 0, 7);
        break;
    case 3:
        properties.background(green).border(2, blue).radius(4).inset(3);
        break;
    case 4:
        properties.background(green).border(1, red).radius(6).image(m_halfBlue);
        break;
    case 5:
        properties.background(green).border(1, red).radius(6).image(m_halfBlue, ImageFlag::Mask, red);
        break;
    default:
        properties.background(green).border(1, red).radius(6).image(m_halfBlue, ImageFlag::Mask, blue);
        break;
    }

    // Half-transparent grey below, so that blending the shape shows too.
    const QSize size(std::max(50, int(std::ceil(rect.right() + translation.x())) + 6),
                     std::max(34, int(std::ceil(rect.bottom() + translation.y())) + 6));
    const auto prepare = [&](QImage& image, QPainter& painter) {
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(128, 128, 128, 128));
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(translation);
    };

    // A picture records the painting as paths, which the raster engine then
    // fills exactly as if they had been painted directly.
    QPicture picture;
    QPainter recorder(&picture);
    recorder.setRenderHint(QPainter::Antialiasing, true);
    paintStyledRect(&recorder, rect, properties.get(), StyledRectMode(mode), override);
    const QPen recordedPen = recorder.pen();
    const QBrush recordedBrush = recorder.brush();
    recorder.end();
    QImage direct;
    QPainter directPainter;
    prepare(direct, directPainter);
    directPainter.drawPicture(0, 0, picture);
    directPainter.end();

    // The first paint may render the shape, the second reuses it.
    for (int round = 0; round < 2; ++round) {
        QImage image;
        QPainter painter;
        prepare(image, painter);
        paintStyledRect(&painter, rect, properties.get(), StyledRectMode(mode), override);
        QCOMPARE(painter.pen().style(), recordedPen.style());
        QCOMPARE(painter.brush(), recordedBrush);
        painter.end();
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb a = image.pixel(x, y);
                const QRgb b = direct.pixel(x, y);
                // Blending layers into a premultiplied image first rounds once
                // more per layer that covers a pixel in part: where a
                // background and two sides share an edge pixel, two steps.
                const int difference = std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                                  std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b)) });
                QVERIFY2(difference <= 2,
                         qPrintable(QStringLiteral("round %1 at %2, %3: %4 != %5")
                                        .arg(round)
                                        .arg(x)
                                        .arg(y)
                                        .arg(QString::number(a, 16), QString::number(b, 16))));
            }
        }
    }
}

QUILT_WIDGET_TEST_MAIN(tst_StyledRectPainter, standardStyleSheet())
#include "tst_styledrectpainter.moc"
