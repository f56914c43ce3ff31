#include <QGuiApplication>
#include <QImage>
#include <QMutex>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGNode>
#include <QSGTexture>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "quicktestfixture.h"
#include "texturecache_p.h"

using namespace Quilt::Quick;

namespace
{
// Holds a texture for as long as the item shows it.
class HolderNode : public QSGNode
{
public:
    std::shared_ptr<QSGTexture> texture;
};

// Loads a texture from its updatePaintNode, the way the nodes do, and
// remembers what it got.
class Probe : public QQuickItem
{
public:
    explicit Probe(QQuickItem* parent)
        : QQuickItem(parent)
    {
        setFlag(ItemHasContents);
        setSize(QSizeF(10, 10));
    }

    // Set on the GUI thread between frames.
    QImage image;
    std::filesystem::path path;
    QQuickWindow::CreateTextureOptions options = QQuickWindow::TextureCanUseAtlas;
    bool show = true;

    // Written on the render thread during the synchronisation.
    QSGTexture* texture = nullptr;
    bool atlas = false;
    QThread* thread = nullptr;

protected:
    QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData*) override
    {
        thread = QThread::currentThread();
        if (!show) {
            delete old;
            texture = nullptr;
            return nullptr;
        }
        auto node = old ? static_cast<HolderNode*>(old) : new HolderNode;
        node->texture = path.empty() ? TextureCache::loadTexture(window(), image, options)
                                     : TextureCache::loadTexture(window(), path, QSizeF(16, 16), options);
        texture = node->texture.get();
        atlas = texture && texture->isAtlasTexture();
        return node;
    }
};

QImage testImage(const QColor& color)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

std::unique_ptr<QQuickWindow> showWindow()
{
    auto window = std::make_unique<QQuickWindow>();
    window->resize(100, 100);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return {};
    }
    return window;
}
} // namespace

class tst_TextureCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onePerImageAndWindow();
    void onePerWindow();
    void atlasOptOut();
    void imageFiles();
    void windowsDrawingAtOnce();
};

void tst_TextureCache::onePerImageAndWindow()
{
    auto window = showWindow();
    QVERIFY(window);
    const QImage image = testImage(Qt::red);
    auto a = new Probe(window->contentItem());
    auto b = new Probe(window->contentItem());
    a->image = image;
    b->image = image;
    window->grabWindow();

    QVERIFY(a->texture);
    QCOMPARE(b->texture, a->texture);
    QVERIFY(TextureCache::contains(image, window.get()));

    // Another image is another texture.
    b->image = testImage(Qt::blue);
    b->update();
    window->grabWindow();
    QVERIFY(b->texture != a->texture);
    QVERIFY(TextureCache::contains(b->image, window.get()));

    // Released by every holder, the key goes; the next load makes a new one.
    a->show = false;
    a->update();
    window->grabWindow();
    QVERIFY(!TextureCache::contains(image, window.get()));
    QVERIFY(TextureCache::contains(b->image, window.get()));
    a->show = true;
    a->update();
    window->grabWindow();
    QVERIFY(a->texture);
    QVERIFY(TextureCache::contains(image, window.get()));

    // A null image gives none.
    a->image = QImage();
    a->update();
    window->grabWindow();
    QVERIFY(!a->texture);
    QVERIFY(!TextureCache::contains(image, window.get()));
}

void tst_TextureCache::onePerWindow()
{
    auto first = showWindow();
    auto second = showWindow();
    QVERIFY(first && second);
    const QImage image = testImage(Qt::green);
    auto a = new Probe(first->contentItem());
    auto b = new Probe(second->contentItem());
    a->image = image;
    b->image = image;
    first->grabWindow();
    second->grabWindow();
    QVERIFY(a->texture && b->texture);
    QVERIFY(a->texture != b->texture);
    QVERIFY(TextureCache::contains(image, first.get()));
    QVERIFY(TextureCache::contains(image, second.get()));

    second.reset();
    QVERIFY(!TextureCache::contains(image, second.get()));
    QVERIFY(TextureCache::contains(image, first.get()));
}

void tst_TextureCache::atlasOptOut()
{
    auto window = showWindow();
    QVERIFY(window);
    const QImage image = testImage(Qt::yellow);
    auto shared = new Probe(window->contentItem());
    shared->image = image;
    window->grabWindow();
    QVERIFY(shared->texture);
    if (!shared->atlas) {
        QSKIP("This scene graph puts no images into an atlas");
    }

    auto own = new Probe(window->contentItem());
    own->image = image;
    own->options = {};
    window->grabWindow();
    QVERIFY(own->texture);
    QVERIFY(own->texture != shared->texture);
    QVERIFY(!own->atlas);
    QVERIFY(TextureCache::contains(image, window.get()));

    // The own texture is nobody else's: releasing the shared one forgets the key.
    shared->show = false;
    shared->update();
    window->grabWindow();
    QVERIFY(!TextureCache::contains(image, window.get()));
    QVERIFY(own->texture);
}

void tst_TextureCache::imageFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("face.png"));
    QVERIFY(testImage(Qt::cyan).save(file));

    auto window = showWindow();
    QVERIFY(window);
    auto a = new Probe(window->contentItem());
    auto b = new Probe(window->contentItem());
    auto missing = new Probe(window->contentItem());
    a->path = file.toStdString();
    b->path = file.toStdString();
    missing->path = dir.filePath(QStringLiteral("missing.png")).toStdString();
    window->grabWindow();
    QVERIFY(a->texture);
    QCOMPARE(b->texture, a->texture);
    QVERIFY(!missing->texture);
}

void tst_TextureCache::windowsDrawingAtOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("shared.png"));
    QVERIFY(testImage(Qt::magenta).save(file));
    const QImage image = testImage(Qt::darkCyan);

    std::unique_ptr<QQuickWindow> windows[2] = { showWindow(), showWindow() };
    QVERIFY(windows[0] && windows[1]);
    QList<Probe*> probes;
    for (auto& window : windows) {
        for (int i = 0; i < 24; ++i) {
            auto probe = new Probe(window->contentItem());
            if (i % 2) {
                probe->path = file.toStdString();
            } else {
                probe->image = image;
            }
            probes.append(probe);
        }
    }

    // Both render threads load, share and release the same images at once.
    for (int frame = 0; frame < 60; ++frame) {
        for (int i = 0; i < probes.size(); ++i) {
            probes[i]->show = (i + frame) % 3 != 0;
            probes[i]->update();
        }
        QTest::qWait(5);
    }
    for (auto probe : std::as_const(probes)) {
        probe->show = true;
        probe->update();
    }
    windows[0]->grabWindow();
    windows[1]->grabWindow();

    QThread* threads[2] = { probes.first()->thread, probes.last()->thread };
    QVERIFY(threads[0] && threads[1]);
    QVERIFY2(threads[0] != threads[1] && threads[0] != QThread::currentThread(),
             "each window should render on its own thread");
    for (int w = 0; w < 2; ++w) {
        const QList<Probe*> own = probes.mid(w * 24, 24);
        for (auto probe : own) {
            QVERIFY(probe->texture);
            QCOMPARE(probe->texture, own[probe->path.empty() ? 0 : 1]->texture);
        }
    }
    QVERIFY(probes[0]->texture != probes[24]->texture);
}

QUILT_QUICK_TEST_MAIN(tst_TextureCache, "")
#include "tst_texturecache.moc"
