// Styled rectangles where the scene graph runs no shaders (the software
// renderer): fills, borders, rounded corners, images, outlines and shadows
// at chosen points, on a grey ground that none of the style's colours shares.

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>

#include "quicktestfixture.h"

namespace
{
const QColor ground(0x80, 0x80, 0x80);

struct Probe
{
    QPointF point;
    QColor color;
};

QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "quilt.qtquick") == 0) {
        messages.append(message);
    }
    previousHandler(type, context, message);
}
} // namespace

Q_DECLARE_METATYPE(QList<Probe>)

class SoftwarePixelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void saysOnceThatShadersAreOff();
    void parts_data();
    void parts();
    void stateChangeRepaints();

private:
    QQuickItem* show(const QByteArray& body);
    // The window's colours at points of `item`, in the item's coordinates.
    QList<QColor> coloursAt(QQuickItem* item, const QList<Probe>& probes);

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::vector<std::unique_ptr<QObject>> m_objects;
};

void SoftwarePixelsTest::init()
{
    m_engine = std::make_unique<QQmlEngine>();
    m_window = std::make_unique<QQuickWindow>();
    m_window->setColor(ground);
    m_window->resize(300, 200);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->rendererInterface()->graphicsApi(), QSGRendererInterface::Software);
}

void SoftwarePixelsTest::cleanup()
{
    m_objects.clear();
    m_window.reset();
    m_engine.reset();
}

QQuickItem* SoftwarePixelsTest::show(const QByteArray& body)
{
    auto object = QuiltQuickTest::createObject(m_engine.get(), "import org.vyr.quilt\n" + body);
    auto* item = qobject_cast<QQuickItem*>(object.get());
    if (!item) {
        return nullptr;
    }
    item->setParentItem(m_window->contentItem());
    m_objects.push_back(std::move(object));
    return item;
}

QList<QColor> SoftwarePixelsTest::coloursAt(QQuickItem* item, const QList<Probe>& probes)
{
    const QImage image = m_window->grabWindow();
    // The software renderer's grab has the device pixels but a ratio of 1.
    const qreal scale = qreal(image.width()) / m_window->width();
    QList<QColor> result;
    for (const Probe& probe : probes) {
        const QPointF p = item->mapToScene(probe.point) * scale;
        result.append(image.pixelColor(int(std::floor(p.x())), int(std::floor(p.y()))));
    }
    return result;
}

void SoftwarePixelsTest::saysOnceThatShadersAreOff()
{
    QLoggingCategory::setFilterRules(QStringLiteral("quilt.qtquick.debug=true"));
    previousHandler = qInstallMessageHandler(recordMessage);
    QQuickItem* button = show("Button { x: 10; y: 10 }");
    QVERIFY(button);
    QVERIFY(show("Button { x: 10; y: 60 }"));
    const QList<Probe> face { { { 40, 20 }, QColor(QRgb(0xff0000)) } };
    QTRY_COMPARE(coloursAt(button, face), QList<QColor> { face[0].color });
    button->setProperty("down", true);
    QTRY_COMPARE_NE(coloursAt(button, face), QList<QColor> { face[0].color });
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QLatin1String("Shaders are off")), qPrintable(messages[0]));
}

void SoftwarePixelsTest::parts_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<QList<Probe>>("probes");

    const QColor red(Qt::red), green(Qt::green), blue(Qt::blue), yellow(Qt::yellow), cyan(Qt::cyan),
        magenta(Qt::magenta), black(Qt::black), white(Qt::white);
    // Square: plain rectangles.
    QTest::newRow("button") << QByteArray("Button { x: 20; y: 20 }") << QByteArray("background")
                            << QList<Probe> {
                                   { { 40, 20 }, red }, { { 1, 20 }, blue }, { { 40, 38 }, blue }, { { 0, 0 }, blue }
                               };
    // Rounded: the corners outside the curve keep the ground.
    QTest::newRow("text field") << QByteArray("TextField { x: 20; y: 20 }") << QByteArray("background")
                                << QList<Probe> { { { 60, 20 }, green },
                                                  { { 1, 20 }, magenta },
                                                  { { 60, 1 }, magenta },
                                                  { { 0, 0 }, ground },
                                                  { { 119, 39 }, ground } };
    QTest::newRow("slider groove") << QByteArray("Slider { x: 20; y: 20; width: 100; value: 0.5 }")
                                   << QByteArray("background")
                                   << QList<Probe> { { { 75, 4 }, blue }, { { 25, 4 }, red } };
    QTest::newRow("check box indicator") << QByteArray("CheckBox { x: 20; y: 20 }") << QByteArray("indicator")
                                         << QList<Probe> { { { 10, 10 }, yellow },
                                                           { { 0, 10 }, cyan },
                                                           { { 10, 19 }, cyan },
                                                           { { 0, 0 }, ground } };
    // The image lies over the fill, opaque on its left half only.
    QTest::newRow("checked indicator") << QByteArray("CheckBox { x: 20; y: 20; checked: true }")
                                       << QByteArray("indicator")
                                       << QList<Probe> { { { 5, 10 }, black },
                                                         { { 15, 10 }, red },
                                                         { { 10, 0 }, cyan } };
    // Each side in its colour, the outline around them, and the shadow
    // where it leaves the frame.
    QTest::newRow("frame") << QByteArray("Frame { x: 40; y: 40; width: 100; height: 60 }") << QByteArray("background")
                           << QList<Probe> { { { 50, 30 }, white },   { { 1, 30 }, red },       { { 50, 1 }, green },
                                             { { 98, 30 }, blue },    { { 50, 58 }, yellow },   { { -2, 30 }, magenta },
                                             { { 50, -2 }, magenta }, { { 101, 30 }, magenta }, { { 50, 61 }, magenta },
                                             { { 105, 40 }, black },  { { 60, 66 }, black },    { { -8, 30 }, ground },
                                             { { 105, 5 }, ground } };
}

void SoftwarePixelsTest::parts()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, part);
    QFETCH(QList<Probe>, probes);

    QQuickItem* control = show(body);
    QVERIFY(control);
    auto* item = control->property(part.constData()).value<QQuickItem*>();
    QVERIFY(item);
    QTRY_VERIFY(item->width() > 0 && item->height() > 0);
    QList<QColor> expected;
    for (const Probe& probe : probes) {
        expected.append(probe.color);
    }
    QTRY_COMPARE(coloursAt(item, probes), expected);
}

// The node that exists follows the style's new values.
void SoftwarePixelsTest::stateChangeRepaints()
{
    QQuickItem* button = show("Button { x: 20; y: 20 }");
    QVERIFY(button);
    const QList<Probe> probes { { { 40, 20 }, {} }, { { 1, 20 }, {} } };
    const QList<QColor> normal { QColor(QRgb(0xff0000)), QColor(QRgb(0x0000ff)) };
    const QList<QColor> pressed { QColor(QRgb(0xffff00)), QColor(QRgb(0xff00ff)) };
    QTRY_COMPARE(coloursAt(button, probes), normal);
    button->setProperty("down", true);
    QTRY_COMPARE(coloursAt(button, probes), pressed);
    button->setProperty("down", QVariant());
    QTRY_COMPARE(coloursAt(button, probes), normal);
}

QUILT_QUICK_TEST_MAIN(SoftwarePixelsTest, R"(
* { opacity: 1.0; }
Button { width: 80px; height: 40px; background-color: #ff0000; border: 4px solid #0000ff; }
Button:pressed { background-color: #ffff00; border-color: #ff00ff; }
TextField { width: 120px; height: 40px; background-color: #00ff00; border: 3px solid #ff00ff; border-radius: 12px; }
Slider.horizontal { height: 8px; background-color: #0000ff; }
Slider Fill { background-color: #ff0000; }
Slider Handle { width: 0px; height: 0px; }
CheckBox Indicator { width: 20px; height: 20px; background-color: #ffff00; border: 2px solid #00ffff; border-radius: 4px; }
CheckBox:checked Indicator { background-color: #ff0000; background-image: url(")" QUILT_TEST_IMAGE R"("); }
Frame {
    background-color: #ffffff;
    border-left: 4px solid #ff0000; border-top: 4px solid #00ff00;
    border-right: 4px solid #0000ff; border-bottom: 4px solid #ffff00;
    outline: 3px solid #ff00ff;
    box-shadow: 10px 10px 0px 0px #000000;
}
)")

#include "tst_softwarepixels.moc"
