#include "scenegraphtesting.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQuick/private/qquickitem_p.h>

#include "meshrectanglenode_p.h"
#include "quicktestfixture.h"
#include "rectanglenode_p.h"

using namespace Quilt::Quick;
using QuiltQuickTest::createObject;

// Runs with a device pixel ratio of 1.5 (QT_SCALE_FACTOR).
namespace
{
const QByteArray Css = "Plain { background-color: #ff0000; }";

// Read after grabWindow(), while the render thread waits for the next frame.
QRectF drawnRect(QQuickItem* item)
{
    QSGNode* root = QQuickItemPrivate::get(item)->paintNode;
    if (auto mesh = dynamic_cast<MeshRectangleNode*>(root)) {
        return mesh->rect();
    }
    auto node = root ? dynamic_cast<RectangleNode*>(root->firstChild()) : nullptr;
    return node ? node->ShaderNode::rect() : QRectF();
}

bool fuzzyEqual(const QRectF& a, const QRectF& b)
{
    return qAbs(a.x() - b.x()) < 1e-4 && qAbs(a.y() - b.y()) < 1e-4 && qAbs(a.width() - b.width()) < 1e-4
        && qAbs(a.height() - b.height()) < 1e-4;
}
} // namespace

class tst_PixelSnapping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void snapsToDevicePixels();
    void movingAnAncestorRepaints();
    void rotatedKeepsItsSize();

private:
    QImage render();

    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_root;
    QQuickWindow* m_window = nullptr;
    QQuickItem* m_parent = nullptr;
    QQuickItem* m_rect = nullptr;
    QQuickItem* m_rotated = nullptr;
};

void tst_PixelSnapping::initTestCase()
{
    m_root = createObject(&m_engine, R"(
        Window {
            width: 160; height: 120; color: "white"; visible: true
            Item {
                objectName: "parent"; x: 10.2
                Quilt.StyledRectangle { objectName: "rect"; width: 20; height: 5; Quilt.Element.type: "Plain" }
            }
            Quilt.StyledRectangle {
                objectName: "rotated"; x: 80; y: 40; width: 10; height: 20; rotation: 45
                Quilt.Element.type: "Plain"
            }
        }
    )");
    m_window = qobject_cast<QQuickWindow*>(m_root.get());
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->devicePixelRatio(), 1.5);
    m_parent = m_root->findChild<QQuickItem*>(QStringLiteral("parent"));
    m_rect = m_root->findChild<QQuickItem*>(QStringLiteral("rect"));
    m_rotated = m_root->findChild<QQuickItem*>(QStringLiteral("rotated"));
    QVERIFY(m_parent && m_rect && m_rotated);
}

void tst_PixelSnapping::cleanupTestCase()
{
    m_root.reset();
}

QImage tst_PixelSnapping::render()
{
    QImage image = m_window->grabWindow();
    if (qEnvironmentVariableIsSet("QUILT_TEST_SAVE_IMAGES")) {
        // Enlarged, so that single pixels can be told apart when looking.
        image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QDir::temp().filePath(QStringLiteral("quilt-%1.png").arg(QTest::currentTestFunction())));
    }
    return image;
}

void tst_PixelSnapping::snapsToDevicePixels()
{
    // Scene x 10.2 is device pixel 15.3: the near edge moves to 15 (x 10),
    // the far edge is snapped from there, keeping the width of 20. The
    // height of 5 is 7.5 device pixels, which round up to 8.
    const QImage image = render();
    QVERIFY(fuzzyEqual(drawnRect(m_rect), QRectF(-0.2, 0, 20, 16 / 3.0)));
    QUILT_COMPARE_PIXEL(image, 15, 3, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 14, 3, QColor(Qt::white), 12);
    QUILT_COMPARE_PIXEL(image, 44, 3, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 45, 3, QColor(Qt::white), 12);
}

void tst_PixelSnapping::movingAnAncestorRepaints()
{
    render();
    m_parent->setX(10.6);
    const QImage image = render();
    // 10.6 is device pixel 15.9, snapped to 16: x 10.667 in the scene.
    QVERIFY(fuzzyEqual(drawnRect(m_rect), QRectF(16 / 1.5 - 10.6, 0, 20, 16 / 3.0)));
    QUILT_COMPARE_PIXEL(image, 16, 3, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 15, 3, QColor(Qt::white), 12);
    m_parent->setX(10.2);
    render();
    QVERIFY(fuzzyEqual(drawnRect(m_rect), QRectF(-0.2, 0, 20, 16 / 3.0)));
}

void tst_PixelSnapping::rotatedKeepsItsSize()
{
    render();
    QCOMPARE(drawnRect(m_rotated), QRectF(0, 0, 10, 20));
    m_rotated->setRotation(0);
    render();
    QCOMPARE(drawnRect(m_rotated), QRectF(0, 0, 10, 20));
    m_rotated->setRotation(45);
}

QUILT_QUICK_TEST_MAIN(tst_PixelSnapping, Css)
#include "tst_pixelsnapping.moc"
