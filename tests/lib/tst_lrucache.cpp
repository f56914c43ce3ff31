#include <QTest>

#include <memory>
#include <string>

#include "lrucache.h"

using namespace Quilt;

class tst_LruCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupCountsAsUse();
    void replaceKeepsEverything();
    void fullCacheDropsLeastRecentlyUsed();
    void churnReleasesValues();
    void containsLeavesOrderAlone();
    void clearDropsEverything();
};

void tst_LruCache::lookupCountsAsUse()
{
    LruCache<std::string, int, 2> cache;
    QVERIFY(!cache.get("a"));
    cache.put("a", 1);
    cache.put("b", 2);
    QCOMPARE(cache.get("a"), std::optional<int>(1));
    cache.put("c", 3);

    QCOMPARE(cache.size(), 2u);
    QVERIFY(!cache.get("b"));
    QCOMPARE(cache.get("a"), std::optional<int>(1));
    QCOMPARE(cache.get("c"), std::optional<int>(3));
}

void tst_LruCache::replaceKeepsEverything()
{
    LruCache<std::string, int, 2> cache;
    cache.put("a", 1);
    cache.put("b", 2);
    cache.put("a", 10);
    QCOMPARE(cache.size(), 2u);

    // Storing "a" again made it the most recent, so "b" goes.
    cache.put("c", 3);
    QVERIFY(!cache.get("b"));
    QCOMPARE(cache.get("a"), std::optional<int>(10));
    QCOMPARE(cache.get("c"), std::optional<int>(3));
}

void tst_LruCache::fullCacheDropsLeastRecentlyUsed()
{
    LruCache<size_t, size_t, 500> cache;
    for (size_t key = 0; key < 500; ++key) {
        cache.put(key, key * 3);
    }
    QCOMPARE(cache.size(), 500u);
    QVERIFY(cache.get(0)); // 1 is now the least recently used

    cache.put(500, 1500);
    QCOMPARE(cache.size(), 500u);
    QVERIFY(!cache.get(1));
    for (size_t key : { size_t(0), size_t(2), size_t(499), size_t(500) }) {
        QCOMPARE(cache.get(key), std::optional<size_t>(key * 3));
    }

    // Keep churning past the capacity: only the 500 keys stored last remain.
    for (size_t key = 501; key < 2000; ++key) {
        cache.put(key, key * 3);
    }
    QVERIFY(!cache.get(1499));
    for (size_t key = 1500; key < 2000; ++key) {
        QCOMPARE(cache.get(key), std::optional<size_t>(key * 3));
    }
    QCOMPARE(cache.size(), 500u);
}

void tst_LruCache::churnReleasesValues()
{
    auto value = std::make_shared<int>(7);
    std::weak_ptr<int> watch = value;
    {
        LruCache<int, std::shared_ptr<int>, 2> cache;
        cache.put(1, std::move(value));
        cache.put(2, nullptr);
        QVERIFY(!watch.expired());
        cache.put(3, nullptr);
        QVERIFY(watch.expired());
    }
}

void tst_LruCache::containsLeavesOrderAlone()
{
    LruCache<int, int, 3> cache;
    QVERIFY(!cache.contains(1));
    cache.put(1, 10);
    cache.put(2, 20);
    cache.put(3, 30);

    // Asking after 1 does not save it: it is still the least recently used.
    QVERIFY(cache.contains(1));
    QVERIFY(cache.contains(3));
    QVERIFY(!cache.contains(4));
    cache.put(4, 40);
    QVERIFY(!cache.contains(1));
    QVERIFY(cache.contains(2));
    QVERIFY(cache.contains(4));
    QCOMPARE(cache.size(), 3u);
}

void tst_LruCache::clearDropsEverything()
{
    auto value = std::make_shared<int>(7);
    std::weak_ptr<int> watch = value;
    LruCache<int, std::shared_ptr<int>, 2> cache;
    cache.put(1, std::move(value));
    cache.put(2, nullptr);

    cache.clear();
    QVERIFY(watch.expired());
    QCOMPARE(cache.size(), 0u);
    QVERIFY(!cache.contains(1));
    QVERIFY(!cache.get(2));

    // Usable again after clearing, with its full capacity and order of use.
    cache.put(3, nullptr);
    cache.put(4, nullptr);
    cache.get(3);
    cache.put(5, nullptr);
    QVERIFY(cache.contains(3));
    QVERIFY(!cache.contains(4));
    QVERIFY(cache.contains(5));
}

QTEST_GUILESS_MAIN(tst_LruCache)
#include "tst_lrucache.moc"
