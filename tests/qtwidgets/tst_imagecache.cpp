// The background-image cache: keys by path and size, least recently used
// eviction, cached misses, colliding keys, and masks.

#include "imagecache.h"
#include "widgettest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace QuiltWidgetTest;

namespace
{
std::filesystem::path pathOf(const QString& file)
{
    return std::filesystem::path(file.toStdString());
}

// A 10 x 6 image, opaque `color` on the left half, transparent on the right.
QImage halfImage(const QColor& color)
{
    QImage image(10, 6, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.setPixelColor(x, y, color);
        }
    }
    return image;
}
} // namespace

class tst_ImageCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void leastRecentlyUsedGoes();
    void sizesAreSeparateEntries();
    void missingFileIsCachedUntilEvicted();
    void unreadableFiles();
    void formatFromContents();
    void collidingKeysDoNotShareImages();
    void tintedMask();

private:
    QTemporaryDir m_dir;
    QString m_red;
    QString m_blue;
};

void tst_ImageCache::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_red = m_dir.filePath(QStringLiteral("red.png"));
    m_blue = m_dir.filePath(QStringLiteral("blue.png"));
    QVERIFY(halfImage(Qt::red).save(m_red));
    QVERIFY(halfImage(Qt::blue).save(m_blue));
}

void tst_ImageCache::leastRecentlyUsedGoes()
{
    ImageCache cache;
    const QSizeF size(16, 16);
    std::shared_ptr<CachedImage> first;
    for (int key = 1; key <= 100; ++key) {
        auto entry
            = cachedImageEntry(cache, key, pathOf(m_dir.filePath(QStringLiteral("missing-%1.png").arg(key))), size);
        if (key == 1) {
            first = entry;
        }
    }
    QCOMPARE(cache.size(), 100u);

    // A hit hands out the same entry and makes it the most recently used.
    QCOMPARE(cachedImageEntry(cache, 1, pathOf(m_dir.filePath(QStringLiteral("missing-1.png"))), size), first);
    cachedImageEntry(cache, 101, pathOf(m_red), size);
    QCOMPARE(cache.size(), 100u);
    QVERIFY(cache.contains(1));
    QVERIFY(!cache.contains(2));
    QVERIFY(cache.contains(3));
    QVERIFY(cache.contains(101));

    // The same through the keys of paths and sizes.
    ImageCache byPath;
    for (int i = 0; i < 101; ++i) {
        loadCachedImage(byPath, pathOf(m_red), QSizeF(i, 16));
    }
    QCOMPARE(byPath.size(), 100u);
    QVERIFY(!byPath.contains(imageCacheKey(pathOf(m_red), QSizeF(0, 16))));
    QVERIFY(byPath.contains(imageCacheKey(pathOf(m_red), QSizeF(100, 16))));
}

void tst_ImageCache::sizesAreSeparateEntries()
{
    ImageCache cache;
    const QImage small = loadCachedImage(cache, pathOf(m_red), QSizeF(16, 16));
    const QImage large = loadCachedImage(cache, pathOf(m_red), QSizeF(24, 24));
    QCOMPARE(cache.size(), 2u);
    // Nothing is scaled: both keep the file's own size and pixels.
    QCOMPARE(small.size(), QSize(10, 6));
    QCOMPARE(large.size(), QSize(10, 6));
    QCOMPARE(small.pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(large.pixelColor(1, 1), QColor(Qt::red));
    QVERIFY(small.cacheKey() != large.cacheKey());

    // Shared copies: the same image as long as the cache keeps it.
    QCOMPARE(loadCachedImage(cache, pathOf(m_red), QSizeF(16, 16)).cacheKey(), small.cacheKey());
    QCOMPARE(cache.size(), 2u);
}

void tst_ImageCache::missingFileIsCachedUntilEvicted()
{
    ImageCache cache;
    const QString file = m_dir.filePath(QStringLiteral("later.png"));
    const QSizeF size(16, 16);
    QVERIFY(loadCachedImage(cache, pathOf(file), size).isNull());
    QCOMPARE(cache.size(), 1u);

    QVERIFY(halfImage(Qt::green).save(file));
    QVERIFY(loadCachedImage(cache, pathOf(file), size).isNull());

    for (int i = 0; i < 100; ++i) {
        loadCachedImage(cache, pathOf(m_blue), QSizeF(i, i));
    }
    QCOMPARE(loadCachedImage(cache, pathOf(file), size).pixelColor(1, 1), QColor(Qt::green));
}

void tst_ImageCache::unreadableFiles()
{
    ImageCache cache;
    const QString garbage = m_dir.filePath(QStringLiteral("garbage.png"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not an image at all");
    file.close();

    QVERIFY(loadCachedImage(cache, pathOf(garbage), QSizeF(16, 16)).isNull());
    QVERIFY(loadCachedImage(cache, pathOf(m_dir.path()), QSizeF(16, 16)).isNull());
    QVERIFY(loadCachedImage(cache, std::filesystem::path(), QSizeF(16, 16)).isNull());
    QCOMPARE(cache.size(), 3u);
}

void tst_ImageCache::formatFromContents()
{
    // A PNG under a name that says otherwise, and one without a suffix.
    const QString jpg = m_dir.filePath(QStringLiteral("really-a-png.jpg"));
    const QString bare = m_dir.filePath(QStringLiteral("bare"));
    QVERIFY(halfImage(Qt::blue).save(jpg, "PNG"));
    QVERIFY(halfImage(Qt::blue).save(bare, "PNG"));

    ImageCache cache;
    QCOMPARE(loadCachedImage(cache, pathOf(jpg), QSizeF(16, 16)).pixelColor(1, 1), QColor(Qt::blue));
    QCOMPARE(loadCachedImage(cache, pathOf(bare), QSizeF(16, 16)).pixelColor(1, 1), QColor(Qt::blue));
}

void tst_ImageCache::collidingKeysDoNotShareImages()
{
    ImageCache cache;
    const int key = 7;
    const QSizeF size(16, 16);
    QCOMPARE(cachedImageEntry(cache, key, pathOf(m_red), size)->image.pixelColor(1, 1), QColor(Qt::red));

    // Another file under the same key: a miss that replaces the entry.
    const auto blue = cachedImageEntry(cache, key, pathOf(m_blue), size);
    QCOMPARE(blue->image.pixelColor(1, 1), QColor(Qt::blue));
    QCOMPARE(blue->path, pathOf(m_blue));
    QCOMPARE(cache.size(), 1u);
    QCOMPARE(cachedImageEntry(cache, key, pathOf(m_blue), size), blue);

    // The same file at another size under the same key is another entry too.
    const auto larger = cachedImageEntry(cache, key, pathOf(m_blue), QSizeF(32, 32));
    QVERIFY(larger != blue);
    QCOMPARE(larger->size, QSizeF(32, 32));
    QCOMPARE(cachedImageEntry(cache, key, pathOf(m_red), size)->image.pixelColor(1, 1), QColor(Qt::red));
}

void tst_ImageCache::tintedMask()
{
    ImageCache cache;
    const auto entry = cachedImageEntry(cache, pathOf(m_red), QSizeF(16, 16));
    const QImage green = ::tintedMask(*entry, QColor(0, 255, 0, 128));
    QCOMPARE(green.size(), QSize(10, 6));
    QUILT_COMPARE_COLOR(green.pixelColor(2, 3), QColor(0, 255, 0, 128));
    QCOMPARE(green.pixelColor(7, 3).alpha(), 0);

    // Kept for the next paint in that colour; another colour makes a new one.
    QCOMPARE(::tintedMask(*entry, QColor(0, 255, 0, 128)).cacheKey(), green.cacheKey());
    const QImage blue = ::tintedMask(*entry, Qt::blue);
    QCOMPARE(blue.pixelColor(2, 3), QColor(Qt::blue));
    QCOMPARE(blue.pixelColor(7, 3).alpha(), 0);

    const auto missing = cachedImageEntry(cache, pathOf(m_dir.filePath(QStringLiteral("none.png"))), QSizeF(1, 1));
    QVERIFY(::tintedMask(*missing, Qt::blue).isNull());
}

QUILT_WIDGET_TEST_MAIN(tst_ImageCache, standardStyleSheet())
#include "tst_imagecache.moc"
