#include "scenegraphtesting.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QtQuick/private/qquickitem_p.h>

#include "elementquery.h"
#include "meshrectanglenode_p.h"
#include "quickelement.h"
#include "quicktestfixture.h"
#include "rectanglenode_p.h"
#include "shadermaterial_p.h"
#include "statesgroup.h"
#include "styledrectangle.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
const QByteArray Css = R"(
Plain { background-color: #ff0000; }
Sized { width: 40px; height: 20px; background-color: #00ff00; }
OnlyShadow { box-shadow: 0px 0px 2px 3px #000000; }
ShadowAndBackground { box-shadow: 0px 0px 2px 3px #000000; background-color: #0000ff; }
Lines { border: 1px solid #ff0000; outline: 2px solid #0000ff; }
Corners { background-color: #ff0000; border-top-left-radius: 4px; border-bottom-right-radius: 8px; }
)";

// Read after grabWindow(): the render thread has synchronised and rendered,
// and waits until something asks for the next frame.
QSGNode* paintNodeOf(QQuickItem* item)
{
    return QQuickItemPrivate::get(item)->paintNode;
}

// Copies a folder with everything below it.
using QuiltQuickTest::copyFolder;

QList<QSGNode*> childrenOf(QSGNode* node)
{
    QList<QSGNode*> result;
    for (QSGNode* child = node ? node->firstChild() : nullptr; child; child = child->nextSibling()) {
        result.append(child);
    }
    return result;
}
} // namespace

class tst_StyledRectangle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void followsItsOwnStyle();
    void subtreeFollowsTheStyle();
    void fillBordersAndOutlinesShareOneNode();
    void emptyItemDrawsNothing();
    void radiiOfTheCorners();
    void nothingToDrawDrawsNothing();
    void everyStyleUpdateRepaints();
    void destroyedStyleDrawsNothing();
    void equalRectanglesKeepTheirPlaceAndOpacity();
    void halcyonButton();

private:
    QImage render();
    QQuickItem* item(const char* name) const;

    QQmlEngine* m_engine = nullptr;
    std::unique_ptr<QObject> m_root;
    QQuickWindow* m_window = nullptr;

    bool load(const QByteArray& body, const QByteArray& color = "white");
};

void tst_StyledRectangle::initTestCase()
{
    // The harness hides the installed data; bring the shipped "halcyon" into
    // the test's own data home before anything looks for it.
    const QString shipped = qEnvironmentVariable("QUILT_TEST_SHIPPED_STYLES");
    const QString styles
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quilt/styles");
    QVERIFY(copyFolder(shipped + QStringLiteral("/halcyon"), styles + QStringLiteral("/halcyon")));
}

void tst_StyledRectangle::init()
{
    m_engine = new QQmlEngine;
}

void tst_StyledRectangle::cleanup()
{
    m_window = nullptr;
    m_root.reset();
    delete m_engine;
    m_engine = nullptr;
}

bool tst_StyledRectangle::load(const QByteArray& body, const QByteArray& color)
{
    m_root = createObject(m_engine,
                          "Window { width: 240; height: 160; visible: true; color: \"" + color + "\"\n" + body + "\n}");
    m_window = qobject_cast<QQuickWindow*>(m_root.get());
    return m_window && QTest::qWaitForWindowExposed(m_window);
}

QImage tst_StyledRectangle::render()
{
    QImage image = m_window->grabWindow();
    if (qEnvironmentVariableIsSet("QUILT_TEST_SAVE_IMAGES")) {
        // Enlarged, so that single pixels can be told apart when looking.
        image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QDir::temp().filePath(QStringLiteral("quilt-%1.png").arg(QTest::currentTestFunction())));
    }
    return image;
}

QQuickItem* tst_StyledRectangle::item(const char* name) const
{
    return m_root->findChild<QQuickItem*>(QString::fromLatin1(name));
}

void tst_StyledRectangle::followsItsOwnStyle()
{
    QVERIFY(load(R"(
        Item {
            Quilt.Element.type: "Sized"
            Quilt.StyledRectangle { objectName: "own"; x: 10; y: 10 }
        }
        Quilt.StyledRectangle { objectName: "assigned"; style: null }
    )"));
    auto own = qobject_cast<StyledRectangle*>(item("own"));
    QVERIFY(own);
    // No Element of its own: it shows its parent's element through the
    // parent's Style and makes no Style of its own.
    QCOMPARE(own->style(), attached<QuickStyle>(own->parentItem()));
    QVERIFY(!attached<QuickStyle>(own));
    QCOMPARE(own->implicitWidth(), 40.0);
    QCOMPARE(own->implicitHeight(), 20.0);
    QCOMPARE(own->width(), 40.0);

    const QImage image = render();
    QUILT_COMPARE_PIXEL(image, 30, 20, QColor(Qt::green), 2);
    QUILT_COMPARE_PIXEL(image, 51, 20, QColor(Qt::white), 2);

    auto assigned = qobject_cast<StyledRectangle*>(item("assigned"));
    QSignalSpy changed(assigned, &StyledRectangle::styleChanged);
    assigned->setStyle(own->style());
    assigned->setStyle(own->style());
    QCOMPARE(changed.count(), 1);

    // Moved under an item without an element, it takes a Style of its own,
    // which finds no element and paints nothing.
    own->setParentItem(assigned->parentItem());
    QVERIFY(attached<QuickStyle>(own));
    QCOMPARE(own->style(), attached<QuickStyle>(own));
    QUILT_COMPARE_PIXEL(render(), 30, 20, QColor(Qt::white), 2);
}

void tst_StyledRectangle::subtreeFollowsTheStyle()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle {
            objectName: "rect"; x: 20; y: 20; width: 50; height: 30
            Quilt.Element.type: "OnlyShadow"
        }
    )"));
    QQuickItem* rect = item("rect");
    render();
    QList<QSGNode*> children = childrenOf(paintNodeOf(rect));
    QCOMPARE(children.size(), 1);
    QVERIFY(dynamic_cast<RectangleShadowNode*>(children[0]));
    auto shadow = static_cast<RectangleShadowNode*>(children[0]);
    QCOMPARE(shadow->ShaderNode::rect(), QRectF(-5, -5, 60, 40));

    attached<QuickElement>(rect)->setType(QStringLiteral("ShadowAndBackground"));
    const QImage image = render();
    children = childrenOf(paintNodeOf(rect));
    QCOMPARE(children.size(), 2);
    QVERIFY(dynamic_cast<RectangleShadowNode*>(children[0]));
    QVERIFY(dynamic_cast<RectangleNode*>(children[1]));
    QCOMPARE(children[0]->flags() & QSGNode::OwnedByParent, QSGNode::OwnedByParent);
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::blue), 2);
    QUILT_COMPARE_PIXEL(image, 18, 35, QColor(Qt::black), 24);

    // The same shape keeps its nodes.
    rect->setWidth(60);
    render();
    QCOMPARE(childrenOf(paintNodeOf(rect)), children);
}

void tst_StyledRectangle::fillBordersAndOutlinesShareOneNode()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle {
            objectName: "rect"; x: 20; y: 20; width: 50; height: 30
            Quilt.Element.type: "Lines"
        }
    )"));
    const QImage image = render();
    QVERIFY(dynamic_cast<MeshRectangleNode*>(paintNodeOf(item("rect"))));
    QUILT_COMPARE_PIXEL(image, 45, 20, QColor(Qt::red), 16);
    QUILT_COMPARE_PIXEL(image, 45, 18, QColor(Qt::blue), 16);
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::white), 0);
}

void tst_StyledRectangle::emptyItemDrawsNothing()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle {
            objectName: "rect"; x: 20; y: 20; width: 0; height: 30
            Quilt.Element.type: "Plain"
        }
    )"));
    QQuickItem* rect = item("rect");
    render();
    QVERIFY(!paintNodeOf(rect));

    rect->setWidth(30);
    QImage image = render();
    QVERIFY(paintNodeOf(rect));
    QUILT_COMPARE_PIXEL(image, 35, 35, QColor(Qt::red), 2);

    // A fill whose ends cross is empty as well.
    rect->setHeight(-4);
    image = render();
    QVERIFY(!paintNodeOf(rect));
    QUILT_COMPARE_PIXEL(image, 35, 18, QColor(Qt::white), 0);
}

void tst_StyledRectangle::radiiOfTheCorners()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle {
            objectName: "rect"; x: 20; y: 20; width: 100; height: 40
            Quilt.Element.type: "Corners"
        }
    )"));
    const QImage image = render();
    QUILT_COMPARE_PIXEL(image, 20, 20, QColor(Qt::white), 24);
    QUILT_COMPARE_PIXEL(image, 119, 20, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 20, 59, QColor(Qt::red), 12);
    QUILT_COMPARE_PIXEL(image, 118, 58, QColor(Qt::white), 24);
    // Inside the smaller top-left arc, outside where the larger would be.
    QUILT_COMPARE_PIXEL(image, 21, 21, QColor(Qt::red), 64);
    QUILT_COMPARE_PIXEL(image, 116, 56, QColor(Qt::red), 12);
}

void tst_StyledRectangle::nothingToDrawDrawsNothing()
{
    QVERIFY(load(R"(
        Quilt.StyledRectangle {
            objectName: "rect"; x: 20; y: 20; width: 50; height: 30
            Quilt.Element.type: "Plain"
        }
    )"));
    QQuickItem* rect = item("rect");
    QImage image = render();
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::red), 2);

    // Every element matches the defaults, which draw nothing.
    attached<QuickElement>(rect)->setType(QStringLiteral("Unstyled"));
    image = render();
    QVERIFY(childrenOf(paintNodeOf(rect)).isEmpty());
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::white), 0);

    attached<QuickElement>(rect)->setType(QStringLiteral("Plain"));
    image = render();
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::red), 2);
}

void tst_StyledRectangle::everyStyleUpdateRepaints()
{
    // No element anywhere: the style has no query, so the update cannot go
    // through the implicit size. A style that lost its match must still be
    // repainted (to draw nothing).
    QVERIFY(load(R"(Quilt.StyledRectangle { objectName: "rect"; width: 50; height: 30 })"));
    QQuickItem* rect = item("rect");
    render();
    auto dirty = [rect] {
        return QQuickItemPrivate::get(rect)->dirtyAttributes & QQuickItemPrivate::Content;
    };
    QVERIFY(!dirty());
    QuickStyleUpdatedEvent updated;
    QCoreApplication::sendEvent(rect, &updated);
    QVERIFY(dirty());
    render();
    QVERIFY(!dirty());
    QuickStyleColorsChangedEvent colors;
    QCoreApplication::sendEvent(rect, &colors);
    QVERIFY(dirty());
    QVERIFY(!paintNodeOf(rect));
}

void tst_StyledRectangle::destroyedStyleDrawsNothing()
{
    QVERIFY(load(R"(
        Item {
            objectName: "owner"
            Quilt.Element.type: "Plain"
        }
        Quilt.StyledRectangle { objectName: "rect"; x: 20; y: 20; width: 50; height: 30 }
    )"));
    QQuickItem* owner = item("owner");
    auto rect = qobject_cast<StyledRectangle*>(item("rect"));
    rect->setStyle(attached<QuickStyle>(owner, true));
    rect->update();
    QImage image = render();
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::red), 2);

    delete owner;
    QVERIFY(!rect->style());
    rect->update();
    image = render();
    QVERIFY(!paintNodeOf(rect));
    QUILT_COMPARE_PIXEL(image, 45, 35, QColor(Qt::white), 0);
}

void tst_StyledRectangle::equalRectanglesKeepTheirPlaceAndOpacity()
{
    // Four rectangles with equal materials in separate batches: each must be
    // drawn with its own matrix and opacity.
    QVERIFY(load(R"(
        Quilt.StyledRectangle { x: 10; y: 10; width: 40; height: 20; opacity: 0.5; Quilt.Element.type: "Plain" }
        Flickable {
            x: 100; y: 0; width: 100; height: 60; clip: true
            contentWidth: 100; contentHeight: 200; contentY: 50
            Quilt.StyledRectangle { x: 10; y: 60; width: 40; height: 20; Quilt.Element.type: "Plain" }
        }
        Quilt.StyledRectangle { x: 10; y: 100; width: 40; height: 20; Quilt.Element.type: "Plain" }
        Item {
            x: 100; y: 100; width: 100; height: 40; opacity: 0.25
            Quilt.StyledRectangle { x: 10; y: 0; width: 40; height: 20; Quilt.Element.type: "Plain" }
        }
    )"));
    for (int frame = 0; frame < 2; ++frame) {
        const QImage image = render();
        QUILT_COMPARE_PIXEL(image, 30, 20, QColor(255, 127, 127), 3);
        QUILT_COMPARE_PIXEL(image, 130, 20, QColor(Qt::red), 2); // scrolled into place
        QUILT_COMPARE_PIXEL(image, 130, 70, QColor(Qt::white), 0); // where it would be unscrolled
        QUILT_COMPARE_PIXEL(image, 30, 110, QColor(Qt::red), 2);
        QUILT_COMPARE_PIXEL(image, 130, 110, QColor(255, 191, 191), 3);
    }
}

void tst_StyledRectangle::halcyonButton()
{
    QVERIFY(load(R"(
        Item {
            objectName: "button"; x: 20; y: 20; width: 80; height: 30
            Quilt.Element.type: "Button"
            Quilt.Element.styleId: "halcyon"
            Quilt.StyledRectangle { anchors.fill: parent }
        }
    )",
                 "#404040"));
    QQuickItem* button = item("button");
    QVERIFY(attached<QuickElement>(button)->query());
    QVERIFY(attached<QuickElement>(button)->query()->hasMatches());

    QImage image = render();
    QUILT_COMPARE_PIXEL(image, 60, 35, QColor(0xfc, 0xfc, 0xfc), 2); // face
    QUILT_COMPARE_PIXEL(image, 60, 20, QColor(0x85, 0x88, 0x8b), 12); // 1 px border
    QUILT_COMPARE_PIXEL(image, 20, 35, QColor(0x85, 0x88, 0x8b), 12);
    QUILT_COMPARE_PIXEL(image, 99, 35, QColor(0x85, 0x88, 0x8b), 12);
    QUILT_COMPARE_PIXEL(image, 60, 49, QColor(0x85, 0x88, 0x8b), 12);
    QUILT_COMPARE_PIXEL(image, 60, 21, QColor(0xfc, 0xfc, 0xfc), 12);
    QUILT_COMPARE_PIXEL(image, 20, 20, QColor(0x40, 0x40, 0x40), 24); // round corner
    QUILT_COMPARE_PIXEL(image, 19, 35, QColor(0x40, 0x40, 0x40), 0);

    attached<QuickElement>(button)->states()->setHovered(true);
    image = render();
    QUILT_COMPARE_PIXEL(image, 60, 20, QColor(0x3d, 0xae, 0xe9), 12);
    QUILT_COMPARE_PIXEL(image, 20, 35, QColor(0x3d, 0xae, 0xe9), 12);
    QUILT_COMPARE_PIXEL(image, 60, 35, QColor(0xfc, 0xfc, 0xfc), 2);

    attached<QuickElement>(button)->states()->setHovered(false);
    image = render();
    QUILT_COMPARE_PIXEL(image, 60, 20, QColor(0x85, 0x88, 0x8b), 12);
}

QUILT_QUICK_TEST_MAIN(tst_StyledRectangle, Css)
#include "tst_styledrectangle.moc"
