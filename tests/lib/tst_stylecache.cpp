#include "stylecache_p.h"

#include "elementquery.h"
#include "fontforms.h"
#include "pathmetatype.h"
#include "properties.h"
#include "style_p.h"
#include "stylefixture.h"
#include "stylerule_p.h"
#include "testfixture.h"

#include <QBuffer>
#include <QColor>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtEndian>
#include <QTest>

#include <chrono>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace StyleFixture;
using namespace Quilt::Properties;
namespace fs = std::filesystem;

namespace
{
// A value without stream operators: Qt writes its type name and nothing else.
struct Opaque
{
    int value = 0;
    bool operator==(const Opaque&) const = default;
};
} // namespace
Q_DECLARE_METATYPE(Opaque)

namespace
{
// Collects the messages of "quilt.general", debug level included.
class LogCapture
{
public:
    LogCapture()
    {
        QLoggingCategory::setFilterRules(u"quilt.general.debug=true"_s);
        s_messages.clear();
        m_previous = qInstallMessageHandler(handler);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    QStringList messages() const { return s_messages; }

private:
    static void handler(QtMsgType, const QMessageLogContext& context, const QString& message)
    {
        if (qstrcmp(context.category, "quilt.general") == 0) {
            s_messages.append(message);
        }
    }
    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

QString quoted(const fs::path& path)
{
    return u'"' + QString::fromStdString(path.native()) + u'"';
}

QString ignoring(const fs::path& path, const QString& reason)
{
    return u"Ignoring cache for style "_s + quoted(path) + u' ' + reason;
}

template<SelectorType Kind, typename Data> Selector make(Data data)
{
    return Selector(std::make_shared<const SelectorPrivateModel<Kind, Data>>(std::move(data)));
}

Selector attributeEquals(const QString& key, const QVariant& value)
{
    return make<SelectorType::AttributeEquals>(std::pair<QString, QVariant>(key, value));
}

// A colour whose innermost operand lies `depth` levels down.
Color nested(int depth)
{
    Color color = Color::rgba(1, 2, 3, 4);
    for (int i = 0; i < depth; ++i) {
        color = Color::add(color, Color::rgba(0, 0, 0, 1));
    }
    return color;
}

// Markers: strings and bytes that occur once in a cache file of richStyle(),
// so that tests can find the fields around them.
const QString MarkerType = u"MarkerType"_s;
const QString MarkerFamily = u"MarkerFamily"_s;
const QString OtherFamily = u"OtherFamily"_s;
const QString MarkerArgument = u"markerarg"_s;
const Color MarkerColor = Color::rgba(0x51, 0x52, 0x53, 0x54);
const Color CustomColor = Color::custom(u"markerprovider"_s, { MarkerArgument, u"b"_s });
const fs::path ImagePath = "/images/marker.png";

std::unique_ptr<StylePropertyGroup> richGroup()
{
    auto group = std::make_unique<StylePropertyGroup>();

    auto text = std::make_unique<TextPropertyGroup>();
    QFont font;
    font.setFamilies({ MarkerFamily, OtherFamily });
    font.setPointSizeF(11.5);
    font.setFeature(QFont::Tag("liga"), 0);
    font.setVariableAxis(QFont::Tag("wght"), 300);
    text->setFont(font);
    // As deep as a stored colour may nest.
    text->setColor(nested(64));
    text->setWrapMode(TextWrapMode::WordWrap);
    group->setText(std::move(text));

    auto background = std::make_unique<BackgroundPropertyGroup>();
    background->setColor(MarkerColor);
    auto image = std::make_unique<ImagePropertyGroup>();
    image->setSource(ImagePath);
    image->setFlags(ImageFlag::RepeatX | ImageFlag::Mask);
    image->setMaskColor(CustomColor);
    background->setImage(std::move(image));
    group->setBackground(std::move(background));

    auto icon = std::make_unique<IconPropertyGroup>();
    icon->setSource(QUrl(u"file:///icons/a.png"_s));
    icon->setName(u"go-next"_s);
    group->setIcon(std::move(icon));

    auto border = std::make_unique<BorderPropertyGroup>();
    auto left = std::make_unique<LinePropertyGroup>();
    left->setSize(2);
    left->setColor(Color::mix(MarkerColor, CustomColor, 0.25));
    border->setLeft(std::move(left));
    group->setBorder(std::move(border));
    return group;
}

// Three rules: one with every selector kind (values of every type that
// selectors carry) and a group with every kind of value, one without a group,
// and one without selectors.
QList<std::shared_ptr<StyleRule>> richRules()
{
    const SelectorList every {
        make<SelectorType::Type>(u"Window"_s),
        make<SelectorType::Child>(Empty {}),
        make<SelectorType::Type>(MarkerType),
        make<SelectorType::Id>(u"ok"_s),
        make<SelectorType::State>(Element::State((Element::State::Hovered | Element::State::Pressed).toInt())),
        make<SelectorType::Hint>(u"flat"_s),
        make<SelectorType::AttributeExists>(u"position"_s),
        attributeEquals(u"position"_s, u"top"_s),
        attributeEquals(u"tint"_s, QVariant::fromValue(CustomColor)),
        attributeEquals(u"image"_s, QVariant::fromValue(ImagePath)),
        attributeEquals(u"scale"_s, 2.5f),
        attributeEquals(u"count"_s, 3),
        make<SelectorType::AttributeSubstringMatch>(std::pair<QString, QString>(u"position"_s, u"op"_s)),
    };
    const SelectorList withoutGroup { make<SelectorType::AnyElement>(Empty {}),
                                      make<SelectorType::Descendant>(Empty {}), Selector(),
                                      make<SelectorType::Type>(u"Label"_s) };
    return { rule(u"every"_s, every, richGroup()), rule(u"without group"_s, withoutGroup),
             rule(u"without selectors"_s, {}, group(10, 0.5)) };
}

QByteArray recordBytes(const StyleRule& rule)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_7);
    writeRuleRecord(stream, rule);
    return bytes;
}

QByteArray utf16(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    }
    return bytes;
}

// Offset of the n-th occurrence (from 0) of a string's UTF-16 bytes.
qsizetype stringOffset(const QByteArray& bytes, const QString& text, int occurrence = 0)
{
    qsizetype at = -1;
    for (int i = 0; i <= occurrence; ++i) {
        at = bytes.indexOf(utf16(text), at + 1);
    }
    return at;
}

QByteArray patched(QByteArray bytes, qsizetype offset, quint32 value)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= bytes.size());
    qToBigEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray patched64(QByteArray bytes, qsizetype offset, qint64 value)
{
    Q_ASSERT(offset >= 0 && offset + 8 <= bytes.size());
    qToBigEndian(value, bytes.data() + offset);
    return bytes;
}

// A style package folder with one source file, in a temporary folder that
// also serves as the XDG cache home.
class Fixture
{
public:
    Fixture()
    {
        const fs::path root = xdg.path().toStdString();
        stylePath = root / "styles" / "halcyon";
        sourcePath = stylePath / "contents" / "rules.txt";
        QuiltTest::writeFile(QString::fromStdString(sourcePath.native()), "Button\n");
    }

    std::unique_ptr<StylePrivate> style(const QList<std::shared_ptr<StyleRule>>& rules = richRules()) const
    {
        auto d = std::make_unique<StylePrivate>();
        d->path = stylePath;
        d->cachePaths = { sourcePath };
        d->cacheTimes = { fs::last_write_time(sourcePath) };
        d->rules = rules;
        return d;
    }

    // The bytes of a cache file of this style up to the rule count.
    QByteArray header(const QList<fs::path>& sources, const QList<qint64>& times) const
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_6_7);
        stream << qint64(0x235155494C544346) << qint32(6) << stylePath << sources << times;
        return bytes;
    }

    QByteArray header() const
    {
        return header({ sourcePath }, { qint64(fs::last_write_time(sourcePath).time_since_epoch().count()) });
    }

    // A file of this style whose rules are the given bytes.
    QByteArray withRules(const QByteArray& rules, qint64 count = 1) const
    {
        QByteArray bytes = header();
        QDataStream stream(&bytes, QIODevice::Append);
        stream << count;
        bytes.append(rules);
        return bytes;
    }

    QByteArray savedFile(const StyleCache& cache) const
    {
        if (!cache.save(*style())) {
            return {};
        }
        QFile file(cacheFile(cache));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString cacheFile(const StyleCache& cache) const { return QString::fromStdString(cache.cacheFilePath(stylePath)); }

    QuiltTest::TemporaryXdg xdg;
    fs::path stylePath;
    fs::path sourcePath;
};

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    return QuiltTest::writeFile(path, bytes);
}

// The answer of a style to a chain, null when nothing matched.
std::shared_ptr<StylePropertyGroup> answer(const std::shared_ptr<Style>& style, const ElementChain& chain)
{
    ElementQuery query(style);
    query.setElements(chain);
    if (!query.execute() || !query.properties()) {
        return nullptr;
    }
    return std::make_shared<StylePropertyGroup>(*query.properties());
}
} // namespace

// Runs in a process of its own: the environment variables are read once.
class tst_StyleCacheIsolated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // QUILT_DISABLE_STYLE_CACHE set to an empty value.
    void disabled()
    {
        Fixture fixture;
        StyleCache cache;
        QVERIFY(!StyleCache::isEnabled());
        QVERIFY(!cache.save(*fixture.style()));
        QVERIFY(!QFileInfo::exists(fixture.xdg.cacheHome() + u"/quilt"_s));

        // A file written by another process is not read either.
        QVERIFY(writeBytes(fixture.cacheFile(cache), fixture.withRules({}, 0)));
        LogCapture log;
        QVERIFY(!cache.restore(fixture.stylePath));
        QCOMPARE(log.messages(), { ignoring(fixture.stylePath, u"because caching has been disabled"_s) });
    }

    // QUILT_FORCE_RECREATE_STYLE_CACHE set.
    void forceRecreate()
    {
        Fixture fixture;
        StyleCache cache;
        QVERIFY(StyleCache::isEnabled());
        QVERIFY(cache.save(*fixture.style()));
        QVERIFY(cache.hasCacheFile(fixture.stylePath));

        LogCapture log;
        QVERIFY(!cache.restore(fixture.stylePath));
        QCOMPARE(log.messages(), {});
    }

    // Both read once: a change after the first use has no effect.
    void readOnce()
    {
        Fixture fixture;
        StyleCache cache;
        QVERIFY(StyleCache::isEnabled());
        QVERIFY(cache.save(*fixture.style()));
        QVERIFY(cache.restore(fixture.stylePath));

        qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
        qputenv("QUILT_FORCE_RECREATE_STYLE_CACHE", "1");
        QVERIFY(StyleCache::isEnabled());
        QVERIFY(cache.restore(fixture.stylePath));
    }
};

class tst_StyleCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cacheFileName_data();
    void cacheFileName();
    void roundTrip();
    void rejectedWhenStale_data();
    void rejectedWhenStale();
    void damagedFile_data();
    void damagedFile();
    void truncatedAtEveryByte();
    void damagedLikeTheStreamReader();
    void saveRefused_data();
    void saveRefused();
    void unusableFile_data();
    void unusableFile();
    void attributeValuesOfAnyType();
    void environment_data();
    void environment();
    void cleanupTestCase() { m_damagedFixture.reset(); }

private:
    // Made by damagedFile_data(), whose rows hold its paths and times.
    std::unique_ptr<Fixture> m_damagedFixture;
};

void tst_StyleCache::cacheFileName_data()
{
    QTest::addColumn<QString>("stylePath");
    QTest::addColumn<QString>("name");

    // SHA-256 of the path's bytes in URL-safe base64 without padding.
    QTest::newRow("halcyon") << u"/styles/halcyon"_s << u"HPbNaRBtc_hH4ZX4UVxiQk8PtP8lXTs8oTlzdXS_NMU"_s;
}

void tst_StyleCache::cacheFileName()
{
    QFETCH(QString, stylePath);
    QFETCH(QString, name);

    QuiltTest::TemporaryXdg xdg;
    const StyleCache cache;
    const fs::path path = stylePath.toStdString();
    const fs::path file = cache.cacheFilePath(path);
    QCOMPARE(QString::fromStdString(file.filename().native()), name);
    QCOMPARE(QString::fromStdString(file.parent_path().native()), xdg.cacheHome() + u"/quilt"_s);
    QCOMPARE(cache.cacheFilePath(path), file);

    const QString other = QString::fromStdString(cache.cacheFilePath(path / "x").filename().native());
    QVERIFY(other != name);
    QVERIFY(QRegularExpression(u"^[A-Za-z0-9_-]{43}$"_s).match(other).hasMatch());
    QVERIFY(!cache.hasCacheFile(path));
}

void tst_StyleCache::roundTrip()
{
    Fixture fixture;
    const StyleCache cache;
    std::unique_ptr<StylePrivate> saved = fixture.style();
    QVERIFY(cache.save(*saved));
    QVERIFY(cache.hasCacheFile(fixture.stylePath));

    std::unique_ptr<StylePrivate> restored = cache.restore(fixture.stylePath);
    QVERIFY(restored);
    QVERIFY(!restored->loader);
    QVERIFY(!restored->loadedFromSource);
    QVERIFY(!restored->hasErrors);
    QCOMPARE(restored->path, fixture.stylePath);
    QCOMPARE(restored->cachePaths, saved->cachePaths);
    QCOMPARE(restored->cacheTimes, saved->cacheTimes);
    QCOMPARE(restored->rules.size(), saved->rules.size());
    // Groups are checked on restore and built when first asked for, in
    // whatever order that happens.
    for (qsizetype i = 0; i < saved->rules.size(); ++i) {
        QCOMPARE(bool(StyleRulePrivate::get(*restored->rules[i]).storedGroups), bool(saved->rules[i]->properties()));
    }
    for (qsizetype i = saved->rules.size() - 1; i >= 0; --i) {
        QCOMPARE(restored->rules[i]->selectors().toString(), saved->rules[i]->selectors().toString());
        QCOMPARE(bool(restored->rules[i]->properties()), bool(saved->rules[i]->properties()));
        if (saved->rules[i]->properties()) {
            QVERIFY(*restored->rules[i]->properties() == *saved->rules[i]->properties());
        }
        // Values that selectors hold in variants come back of the same type.
        QCOMPARE(recordBytes(*restored->rules[i]), recordBytes(*saved->rules[i]));
    }

    // Both styles answer alike, the colour and path attributes included.
    const auto original = std::make_shared<Style>(std::move(saved));
    const auto fromCache = std::make_shared<Style>(std::move(restored));
    auto window = element(u"Window"_s);
    auto button = element(MarkerType, { u"flat"_s }, Element::State::Hovered);
    button->setId(u"ok"_s);
    button->setAttributes({ { u"position"_s, u"top"_s },
                            { u"tint"_s, QVariant::fromValue(CustomColor) },
                            { u"image"_s, QVariant::fromValue(ImagePath) },
                            { u"scale"_s, 2.5f },
                            { u"count"_s, 3 } });
    const QList<ElementChain> chains {
        { window, button },
        { window, element(u"Label"_s) },
        { element(u"Label"_s) },
    };
    for (const ElementChain& chain : chains) {
        const auto expected = answer(original, chain);
        const auto actual = answer(fromCache, chain);
        QVERIFY(expected);
        QVERIFY(actual);
        QVERIFY(*actual == *expected);
    }
    // The rich rule took part: its font decides the first answer.
    QCOMPARE(answer(fromCache, chains[0])->text()->font()->families(), QStringList({ MarkerFamily, OtherFamily }));
}

enum class Staleness
{
    Touched,
    Deleted,
    OtherStyle,
    NoFile,
};

void tst_StyleCache::rejectedWhenStale_data()
{
    QTest::addColumn<Staleness>("staleness");
    QTest::addColumn<bool>("aboutSource");
    QTest::addColumn<QString>("reason");

    QTest::newRow("source touched") << Staleness::Touched << true << u"file modification time mismatch"_s;
    QTest::newRow("source deleted") << Staleness::Deleted << true << u"original file no longer exists"_s;
    QTest::newRow("file of another style") << Staleness::OtherStyle << false << u"style path mismatch"_s;
    QTest::newRow("no file") << Staleness::NoFile << false << u"because no cache file could be found"_s;
}

void tst_StyleCache::rejectedWhenStale()
{
    QFETCH(Staleness, staleness);
    QFETCH(bool, aboutSource);
    QFETCH(QString, reason);

    Fixture fixture;
    const StyleCache cache;
    const fs::path otherStyle = fixture.stylePath.parent_path() / "other";
    if (staleness != Staleness::NoFile) {
        QVERIFY(cache.save(*fixture.style()));
    }
    fs::path requested = fixture.stylePath;
    switch (staleness) {
    case Staleness::Touched:
        fs::last_write_time(fixture.sourcePath, fs::last_write_time(fixture.sourcePath) + std::chrono::seconds(1));
        break;
    case Staleness::Deleted:
        QVERIFY(fs::remove(fixture.sourcePath));
        break;
    case Staleness::OtherStyle:
        fs::copy_file(cache.cacheFilePath(fixture.stylePath), cache.cacheFilePath(otherStyle));
        requested = otherStyle;
        break;
    case Staleness::NoFile:
        break;
    }

    LogCapture log;
    QVERIFY(!cache.restore(requested));
    QCOMPARE(log.messages(), { ignoring(aboutSource ? fixture.sourcePath : requested, reason) });
}

void tst_StyleCache::damagedFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    m_damagedFixture = std::make_unique<Fixture>();
    const Fixture& fixture = *m_damagedFixture;
    const StyleCache cache;
    const QByteArray valid = fixture.savedFile(cache);
    QVERIFY(!valid.isEmpty());
    const QString failed = u"restoring cached data failed"_s;

    // Offsets of the counts in the file's head: magic, version, style path,
    // source paths, times, rule count.
    const qsizetype pathsCount = 8 + 4 + 4 + qsizetype(fixture.stylePath.native().size());
    const qsizetype timesCount = pathsCount + 4 + 4 + qsizetype(fixture.sourcePath.native().size());
    const qsizetype ruleCount = timesCount + 4 + 8;
    const qsizetype selectorCount = ruleCount + 8;

    QTest::newRow("wrong magic") << patched(valid, 0, 0x21515549) << u"invalid magic value"_s;
    QTest::newRow("magic only partly there") << valid.first(5) << u"invalid magic value"_s;
    QTest::newRow("format version 5") << patched(valid, 8, 5) << u"version mismatch"_s;
    QTest::newRow("format version 7") << patched(valid, 8, 7) << u"version mismatch"_s;
    QTest::newRow("trailing byte") << valid + '\0' << failed;
    QTest::newRow("paths without times") << fixture.header({ fixture.sourcePath }, {}) + QByteArray(8, '\0')
                                         << u"mismatch between cache paths and modification times"_s;

    // Counts of Qt's list form: 0xffffffff is Qt's null marker, never a
    // count; 0xfffffff0 is a count that only the bytes left refute.
    for (const quint32 count : { 0xffffffffu, 0xfffffff0u }) {
        const QByteArray hex = QByteArray::number(count, 16);
        QTest::addRow("source path count %s", hex.constData()) << patched(valid, pathsCount, count) << failed;
        QTest::addRow("time count %s", hex.constData()) << patched(valid, timesCount, count) << failed;
        QTest::addRow("rule count %s", hex.constData()) << patched64(valid, ruleCount, count) << failed;
        QTest::addRow("selector count %s", hex.constData()) << patched64(valid, selectorCount, count) << failed;
        QTest::addRow("string length %s", hex.constData())
            << patched(valid, stringOffset(valid, MarkerType) - 4, count) << failed;
        // The arguments count lies in front of the first argument's length.
        QTest::addRow("colour argument count %s", hex.constData())
            << patched(valid, stringOffset(valid, MarkerArgument) - 8, count) << failed;
        // The family list repeats the family written first.
        QTest::addRow("font family count %s", hex.constData())
            << patched(valid, stringOffset(valid, MarkerFamily, 1) - 8, count) << failed;
        QTest::addRow("font feature count %s", hex.constData())
            << patched(valid, stringOffset(valid, OtherFamily) + OtherFamily.size() * 2, count) << failed;
    }
    QTest::newRow("rule count negative") << patched64(valid, ruleCount, -1) << failed;

    // Tag 99 is no kind of colour.
    const qsizetype markerColor = valid.indexOf(QByteArray::fromHex("0000000151525354"));
    QTest::newRow("unknown colour tag") << patched(valid, markerColor, 99) << failed;

    auto nestedRule = rule(u"nested"_s, {}, std::make_unique<StylePropertyGroup>());
    auto background = std::make_unique<BackgroundPropertyGroup>();
    background->setColor(nested(65));
    nestedRule->properties()->setBackground(std::move(background));
    QTest::newRow("colour nested beyond the bound") << fixture.withRules(recordBytes(*nestedRule)) << failed;

    // Hand-made rule records: a selector count, selectors, the group flag.
    auto record = [](auto&& writeSelectors) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_6_7);
        writeSelectors(stream);
        stream << false;
        return bytes;
    };
    QTest::newRow("unknown selector kind")
        << fixture.withRules(record([](QDataStream& s) { s << qint64(1) << qint32(11); })) << failed;
    QTest::newRow("variant holding a string list") << fixture.withRules(record([](QDataStream& s) {
        s << qint64(1) << qint32(6) << u"key"_s << quint32(QMetaType::QStringList) << qint8(0) << quint32(0xfffffff0u);
    })) << failed;
    QTest::newRow("variant holding a list with a list of too many") << fixture.withRules(record([](QDataStream& s) {
        s << qint64(1) << qint32(6) << u"key"_s << quint32(QMetaType::QVariantList) << qint8(0) << quint32(1)
          << quint32(QMetaType::QVariantList) << qint8(0) << quint32(0xfffffff0u);
    })) << failed;
    QTest::newRow("variant of an unknown type") << fixture.withRules(record([](QDataStream& s) {
        s << qint64(1) << qint32(6) << u"key"_s << quint32(QMetaType::User) << qint8(0) << QByteArray("NoSuchType")
          << qint32(0);
    })) << failed;
    // Fonts that Qt would misread, or could not write back: in an attribute
    // selector, read by Qt behind a check, and in a property group, read by
    // the restore itself.
    const QFont font(MarkerFamily, 11);
    const QByteArray soundFont = FontForms::written(font);
    auto fontRule = rule(u"font"_s, {}, std::make_unique<StylePropertyGroup>());
    auto text = std::make_unique<TextPropertyGroup>();
    text->setFont(font);
    fontRule->properties()->setText(std::move(text));
    const QByteArray fontRecord = recordBytes(*fontRule);
    QVERIFY(fontRecord.contains(soundFont));
    for (const auto& [name, form] : { std::pair { "font with a family of odd length", FontForms::oddFamily(font) },
                                      std::pair { "font without family", FontForms::noFamily(font) } }) {
        QTest::addRow("attribute %s", name) << fixture.withRules(record([&](QDataStream& s) {
            s << qint64(1) << qint32(6) << u"key"_s << quint32(QMetaType::QFont) << qint8(0);
            s.writeRawData(form.constData(), int(form.size()));
        })) << failed;
        QTest::addRow("stored %s", name) << fixture.withRules(QByteArray(fontRecord).replace(soundFont, form))
                                         << failed;
    }
    QTest::newRow("two rules where one was counted")
        << fixture.withRules(record([](QDataStream& s) { s << qint64(0); }).repeated(2)) << failed;
}

void tst_StyleCache::damagedFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);

    // The rows hold this fixture's paths and times.
    const Fixture& fixture = *m_damagedFixture;
    const StyleCache cache;
    QVERIFY(writeBytes(fixture.cacheFile(cache), contents));
    LogCapture log;
    QVERIFY(!cache.restore(fixture.stylePath));
    QCOMPARE(log.messages(), { ignoring(fixture.stylePath, reason) });
}

void tst_StyleCache::truncatedAtEveryByte()
{
    Fixture fixture;
    const StyleCache cache;
    const QByteArray valid = fixture.savedFile(cache);
    QVERIFY(valid.size() > 200);
    const QString file = fixture.cacheFile(cache);

    for (qsizetype size = 0; size < valid.size(); ++size) {
        QVERIFY(writeBytes(file, valid.first(size)));
        const QString reason = size < 8 ? u"invalid magic value"_s
            : size < 12                 ? u"version mismatch"_s
                                        : u"restoring cached data failed"_s;
        LogCapture log;
        const bool restored = bool(cache.restore(fixture.stylePath));
        QVERIFY2(!restored, qPrintable(u"restored from %1 bytes"_s.arg(size)));
        QVERIFY2(log.messages() == QStringList { ignoring(fixture.stylePath, reason) },
                 qPrintable(u"%1 bytes: %2"_s.arg(size).arg(log.messages().join(u'|'))));
    }
    QVERIFY(writeBytes(file, valid));
    QVERIFY(cache.restore(fixture.stylePath));
}

// The restore reads rule records from the file's bytes; the stream reader of
// rule records reads the same records through QDataStream. Over files damaged
// at random in their rules, both take and refuse the same files, and what
// they take is the same.
void tst_StyleCache::damagedLikeTheStreamReader()
{
    Fixture fixture;
    const StyleCache cache;
    // Twice the rich rules: a colour or selector met before is shared.
    const QList<std::shared_ptr<StyleRule>> rules = richRules() + richRules();
    QVERIFY(cache.save(*fixture.style(rules)));
    QFile saved(fixture.cacheFile(cache));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray valid = saved.readAll();
    saved.close();
    const qsizetype ruleCountOffset = 8 + 4 + 4 + qsizetype(fixture.stylePath.native().size()) + 4 + 4
        + qsizetype(fixture.sourcePath.native().size()) + 4 + 8;
    const qsizetype rulesStart = ruleCountOffset + 8;

    const auto streamRead = [&](const QByteArray& bytes, QList<std::shared_ptr<StyleRule>>& read) {
        QDataStream stream(bytes);
        stream.setVersion(QDataStream::Qt_6_7);
        stream.skipRawData(int(ruleCountOffset));
        qint64 count = 0;
        stream >> count;
        for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
            auto rule = StyleRule::create();
            readRuleRecord(stream, *rule, UnknownSelectorKinds::Reject);
            read.append(rule);
        }
        return stream.status() == QDataStream::Ok && stream.atEnd();
    };

    QRandomGenerator random(7);
    int taken = 0;
    for (int round = 0; round < 1500; ++round) {
        QByteArray damaged = valid;
        for (int changes = 1 + random.bounded(3); changes > 0; --changes) {
            const qsizetype at = rulesStart + random.bounded(int(valid.size() - rulesStart));
            damaged[at] = char(random.bounded(4) == 0 ? 0xff : random.bounded(256));
        }
        QList<std::shared_ptr<StyleRule>> expected;
        const bool streamTakes = streamRead(damaged, expected);
        QVERIFY(writeBytes(fixture.cacheFile(cache), damaged));
        const std::unique_ptr<StylePrivate> restored = cache.restore(fixture.stylePath);
        QVERIFY2(bool(restored) == streamTakes, qPrintable(u"round %1"_s.arg(round)));
        if (!restored) {
            continue;
        }
        ++taken;
        QCOMPARE(restored->rules.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(recordBytes(*restored->rules.at(i)), recordBytes(*expected.at(i)));
        }
    }
    // Some damage leaves a readable file (a changed letter, number or flag).
    QVERIFY2(taken > 20, qPrintable(QString::number(taken)));
}

enum class SaveProblem
{
    StyleHasErrors,
    FolderBlocked,
    FileBlocked,
    ValueWithoutStreamForm,
};

void tst_StyleCache::saveRefused_data()
{
    QTest::addColumn<SaveProblem>("problem");
    QTest::addColumn<QString>("warning");

    QTest::newRow("style with errors") << SaveProblem::StyleHasErrors << QString();
    // Messages name the paths of the fixture; <home> is the cache home, <file> the cache file.
    QTest::newRow("cache folder cannot be made")
        << SaveProblem::FolderBlocked << u"Could not create cache path <home>/quilt"_s;
    QTest::newRow("cache file is a folder")
        << SaveProblem::FileBlocked << u"Could not open cache file <file> for writing"_s;
    QTest::newRow("value without stream form")
        << SaveProblem::ValueWithoutStreamForm << u"Could not write cache file <file>"_s;
}

void tst_StyleCache::saveRefused()
{
    QFETCH(SaveProblem, problem);
    QFETCH(QString, warning);

    Fixture fixture;
    QString cacheHome = fixture.xdg.cacheHome();
    if (problem == SaveProblem::FolderBlocked) {
        // A file where the cache home should be a folder.
        cacheHome = fixture.xdg.path() + u"/blocker"_s;
        QVERIFY(writeBytes(cacheHome, "x"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome));
    }
    const StyleCache cache;
    const QString file = fixture.cacheFile(cache);

    // A file written before must survive a save that fails.
    const QByteArray former = "former contents";
    std::unique_ptr<StylePrivate> style = fixture.style();
    switch (problem) {
    case SaveProblem::StyleHasErrors:
        style->hasErrors = true;
        break;
    case SaveProblem::FolderBlocked:
        break;
    case SaveProblem::FileBlocked:
        QVERIFY(QDir().mkpath(file));
        break;
    case SaveProblem::ValueWithoutStreamForm:
        QVERIFY(writeBytes(file, former));
        style->rules.append(rule(u"opaque"_s, { attributeEquals(u"key"_s, QVariant::fromValue(Opaque { 1 })) }));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^QVariant::save: unable to save type '.*Opaque'"_s));
        break;
    }

    if (!warning.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(warning.replace(u"<home>"_s, cacheHome).replace(u"<file>"_s, file)));
    }
    QVERIFY(!cache.save(*style));
    switch (problem) {
    case SaveProblem::StyleHasErrors:
        QVERIFY(!QFileInfo::exists(file));
        break;
    case SaveProblem::FolderBlocked:
    case SaveProblem::FileBlocked:
        QVERIFY(!QFileInfo(file).isFile());
        break;
    case SaveProblem::ValueWithoutStreamForm: {
        QFile kept(file);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), former);
        break;
    }
    }
}

void tst_StyleCache::unusableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("FIFO") << u"fifo"_s << u"because the cache file is not a regular file"_s;
    QTest::newRow("link to /dev/zero") << u"zero"_s << u"because the cache file is not a regular file"_s;
    QTest::newRow("folder") << u"folder"_s << u"because the cache file is not a regular file"_s;
    QTest::newRow("larger than any cache") << u"large"_s << u"because the cache file is too large"_s;
}

// Whatever stands at the cache file's path, the style loads from its sources:
// nothing waits for a writer or reads without end.
void tst_StyleCache::unusableFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    Fixture fixture;
    const StyleCache cache;
    const QString file = fixture.cacheFile(cache);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (kind == u"zero") {
        QVERIFY(QFile::link(u"/dev/zero"_s, file));
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkpath(file));
    } else {
        // A valid file grown sparse past the limit: the size is what counts.
        const QByteArray valid = fixture.savedFile(cache);
        QVERIFY(!valid.isEmpty());
        QFile large(file);
        QVERIFY(large.open(QIODevice::ReadWrite));
        QVERIFY(large.resize(qint64(64) * 1024 * 1024 + 1));
    }
    QVERIFY(cache.hasCacheFile(fixture.stylePath));
    LogCapture log;
    QVERIFY(!cache.restore(fixture.stylePath));
    QCOMPARE(log.messages(), { ignoring(fixture.stylePath, reason) });
}

// A value of any type that streams, in an attribute selector, no longer keeps
// its style out of the cache.
void tst_StyleCache::attributeValuesOfAnyType()
{
    Fixture fixture;
    const StyleCache cache;
    const QList<QVariant> values { QVariant(QStringList { u"a"_s, u"b"_s }), QVariant(QColor(1, 2, 3)),
                                   QVariant(QDate(2020, 1, 31)),
                                   QVariant(QVariantMap { { u"k"_s, QVariantList { 1, u"x"_s } } }) };
    QList<std::shared_ptr<StyleRule>> rules;
    for (const QVariant& value : values) {
        rules.append(rule(u"r"_s, { attributeEquals(u"key"_s, value) }));
    }
    QVERIFY(cache.save(*fixture.style(rules)));
    const std::unique_ptr<StylePrivate> restored = cache.restore(fixture.stylePath);
    QVERIFY(restored);
    QCOMPARE(restored->rules.size(), rules.size());
    for (qsizetype i = 0; i < rules.size(); ++i) {
        auto holder = Element::create();
        holder->setAttribute(u"key"_s, values.at(i));
        QVERIFY2(restored->rules.at(i)->selectors().matches({ holder }), qPrintable(QString::number(i)));
    }
}

void tst_StyleCache::environment_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("variable");

    QTest::newRow("caching disabled") << u"disabled"_s << u"QUILT_DISABLE_STYLE_CACHE"_s;
    QTest::newRow("forced recreation") << u"forceRecreate"_s << u"QUILT_FORCE_RECREATE_STYLE_CACHE"_s;
    QTest::newRow("read once") << u"readOnce"_s << QString();
}

void tst_StyleCache::environment()
{
    QFETCH(QString, scenario);
    QFETCH(QString, variable);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QUILT_DISABLE_STYLE_CACHE"_s);
    environment.remove(u"QUILT_FORCE_RECREATE_STYLE_CACHE"_s);
    if (!variable.isEmpty()) {
        // Set, even though empty, counts.
        environment.insert(variable, QString());
    }
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), { u"--isolated"_s, scenario });
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--isolated") == 0) {
        tst_StyleCacheIsolated isolated;
        return QTest::qExec(&isolated, { QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[2]) });
    }
    tst_StyleCache test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stylecache.moc"
