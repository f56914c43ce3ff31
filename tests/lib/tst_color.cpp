#include "color.h"

#include <QBuffer>
#include <QDataStream>
#include <QDebug>
#include <QTest>

#include <limits>

using Quilt::Color;

namespace
{

const Color red = Color::rgba(255, 0, 0, 255);
const Color blue = Color::rgba(0, 0, 255, 255);

Color grey(unsigned char value)
{
    return Color::rgba(value, value, value, value);
}

QByteArray write(const Color& color)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << color;
    return bytes;
}

// Colours nested through their first operand, `levels` operations deep.
Color nested(int levels)
{
    Color color = red;
    for (int i = 0; i < levels; ++i) {
        color = Color::mix(color, blue, 0.25);
    }
    return color;
}

// A colour that uses every kind, custom colours and invalid operands included.
Color everyKind()
{
    const Color custom
        = Color::custom(QStringLiteral("loompalette"), { QStringLiteral("Active"), QStringLiteral("View") });
    const Color set = Color::set(Color::subtract(red, custom), 10, std::nullopt, 30, std::nullopt);
    return Color::mix(Color::add(set, Color()), Color::multiply(blue, red), 0.75);
}

} // namespace

class tst_Color : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void invalidColor();
    void kindsAndGetters_data();
    void kindsAndGetters();
    void valueSemantics();
    void resolution_data();
    void resolution();
    void customColorWarnsOnEveryResolution();
    void equality_data();
    void equality();
    void text_data();
    void text();
    void debugOperator();
    void streamBytes_data();
    void streamBytes();
    void streamRoundTrip_data();
    void streamRoundTrip();
    void variantRoundTrip();
    void readNormalisesMixAmount();
    void truncatedStream();
    void corruptStream_data();
    void corruptStream();
    void nestingBound();
};

void tst_Color::invalidColor()
{
    const Color color;
    QVERIFY(!color.isValid());
    QCOMPARE(color, Color());
    QCOMPARE(color.type(), Color::Empty);
    QCOMPARE(color.toString(), QStringLiteral("Color(Empty)"));
    QCOMPARE(color.toQColor(), QColor(Qt::transparent));
    QVERIFY(!color.toRgba().isValid());
    QCOMPARE(color.red() + color.green() + color.blue() + color.alpha(), 0);
    QVERIFY(!Color(nullptr).isValid());
}

void tst_Color::kindsAndGetters_data()
{
    QTest::addColumn<Color>("color");
    QTest::addColumn<Color::Type>("type");
    QTest::addColumn<QList<int>>("channels");

    const QList<int> none { 0, 0, 0, 0 };
    QTest::newRow("rgba") << Color::rgba(1, 2, 3, 4) << Color::Rgba << QList<int> { 1, 2, 3, 4 };
    QTest::newRow("custom") << Color::custom(QStringLiteral("p"), {}) << Color::Custom << none;
    // The getters never resolve, even where the result is plain.
    QTest::newRow("add") << Color::add(red, blue) << Color::Add << none;
    QTest::newRow("subtract") << Color::subtract(red, blue) << Color::Subtract << none;
    QTest::newRow("multiply") << Color::multiply(red, blue) << Color::Multiply << none;
    QTest::newRow("set") << Color::set(red, 1, 2, 3, 4) << Color::Set << none;
    QTest::newRow("mix") << Color::mix(red, blue, 0.5) << Color::Mix << none;
}

void tst_Color::kindsAndGetters()
{
    QFETCH(Color, color);
    QFETCH(Color::Type, type);
    QFETCH(QList<int>, channels);

    QVERIFY(color.isValid());
    QCOMPARE(color.type(), type);
    QCOMPARE((QList<int> { color.red(), color.green(), color.blue(), color.alpha() }), channels);
}

void tst_Color::valueSemantics()
{
    Color a = red;
    const Color copy = a;
    QCOMPARE(copy, red);

    a = Color();
    QVERIFY(!a.isValid());
    QCOMPARE(copy, red);

    a = blue;
    Color moved = std::move(a);
    QCOMPARE(moved, blue);
    QVERIFY(!a.isValid()); // NOLINT(bugprone-use-after-move)

    Color source = Color();
    Color target = red;
    target = std::move(source);
    QVERIFY(!target.isValid());
    QCOMPARE(source, red); // the source holds the target's former data
}

void tst_Color::resolution_data()
{
    QTest::addColumn<Color>("color");
    QTest::addColumn<QColor>("expected");

    const double nan = std::numeric_limits<double>::quiet_NaN();

    QTest::newRow("rgba") << Color::rgba(1, 2, 3, 4) << QColor(1, 2, 3, 4);
    QTest::newRow("add saturates") << Color::add(grey(200), grey(100)) << QColor(255, 255, 255, 255);
    QTest::newRow("add per channel") << Color::add(Color::rgba(1, 2, 3, 4), Color::rgba(10, 20, 30, 40))
                                     << QColor(11, 22, 33, 44);
    QTest::newRow("add invalid operand") << Color::add(red, Color()) << QColor(255, 0, 0, 255);
    QTest::newRow("subtract floors at 0") << Color::subtract(grey(100), grey(200)) << QColor(0, 0, 0, 0);
    QTest::newRow("subtract") << Color::subtract(Color::rgba(50, 60, 70, 80), Color::rgba(10, 60, 80, 1))
                              << QColor(40, 0, 0, 79);
    QTest::newRow("multiply 128 128") << Color::multiply(grey(128), grey(128)) << QColor(64, 64, 64, 64);
    QTest::newRow("multiply 255 128") << Color::multiply(grey(255), grey(128)) << QColor(128, 128, 128, 128);
    QTest::newRow("multiply 1 1") << Color::multiply(grey(1), grey(1)) << QColor(0, 0, 0, 0);
    QTest::newRow("multiply 17 195 truncates") << Color::multiply(grey(17), grey(195)) << QColor(12, 12, 12, 12);
    QTest::newRow("multiply invalid operand") << Color::multiply(red, Color()) << QColor(0, 0, 0, 0);
    QTest::newRow("set some channels") << Color::set(red, std::nullopt, 128, std::nullopt, 7) << QColor(255, 128, 0, 7);
    QTest::newRow("set over invalid base")
        << Color::set(Color(), 255, std::nullopt, std::nullopt, std::nullopt) << QColor(255, 0, 0, 0);
    QTest::newRow("mix half") << Color::mix(grey(0), grey(255), 0.5) << QColor(127, 127, 127, 127);
    QTest::newRow("mix 0") << Color::mix(red, blue, 0.0) << QColor(255, 0, 0, 255);
    QTest::newRow("mix 1") << Color::mix(red, blue, 1.0) << QColor(0, 0, 255, 255);
    QTest::newRow("mix amount above 1") << Color::mix(grey(10), grey(200), 3.5) << QColor(200, 200, 200, 200);
    QTest::newRow("mix huge amount") << Color::mix(grey(10), grey(200), 1e300) << QColor(200, 200, 200, 200);
    QTest::newRow("mix negative amount") << Color::mix(grey(10), grey(200), -2.0) << QColor(10, 10, 10, 10);
    QTest::newRow("mix NaN amount") << Color::mix(grey(10), grey(200), nan) << QColor(10, 10, 10, 10);
    QTest::newRow("nested") << Color::multiply(Color::add(grey(100), grey(100)), Color::set(grey(255), 0, {}, {}, {}))
                            << QColor(0, 200, 200, 200);
}

void tst_Color::resolution()
{
    QFETCH(Color, color);
    QFETCH(QColor, expected);

    const Color resolved = color.toRgba();
    QCOMPARE(resolved.type(), Color::Rgba);
    QCOMPARE(resolved, Color::rgba(expected.red(), expected.green(), expected.blue(), expected.alpha()));
    QCOMPARE(color.toQColor(), expected);
    QCOMPARE(color.toQColor().spec(), QColor::Rgb);
}

void tst_Color::customColorWarnsOnEveryResolution()
{
    // A name that no plug-in supplies (the build has a "loompalette" one).
    const Color custom = Color::custom(QStringLiteral("no-such-provider"), { QStringLiteral("Active") });
    const QByteArray warning = "No provider \"no-such-provider\" found";

    QTest::ignoreMessage(QtWarningMsg, warning.constData());
    QVERIFY(!custom.toRgba().isValid());
    QTest::ignoreMessage(QtWarningMsg, warning.constData());
    QCOMPARE(custom.toQColor(), QColor(Qt::transparent));

    // Inside an operation the unresolved colour counts as 0 in every channel.
    QTest::ignoreMessage(QtWarningMsg, warning.constData());
    QCOMPARE(Color::add(custom, Color::rgba(1, 2, 3, 4)).toQColor(), QColor(1, 2, 3, 4));
}

void tst_Color::equality_data()
{
    QTest::addColumn<Color>("a");
    QTest::addColumn<Color>("b");
    QTest::addColumn<bool>("equal");

    const auto custom = [](const QString& source, const QStringList& arguments) {
        return Color::custom(source, arguments);
    };

    QTest::newRow("invalid, invalid") << Color() << Color() << true;
    QTest::newRow("invalid, rgba") << Color() << red << false;
    QTest::newRow("rgba, invalid") << red << Color() << false;
    QTest::newRow("rgba, same channels") << Color::rgba(1, 2, 3, 4) << Color::rgba(1, 2, 3, 4) << true;
    QTest::newRow("rgba, other alpha") << Color::rgba(1, 2, 3, 4) << Color::rgba(1, 2, 3, 5) << false;
    QTest::newRow("structural, not resolved") << Color::add(red, Color()) << red << false;
    QTest::newRow("add, same operands") << Color::add(red, blue) << Color::add(red, blue) << true;
    QTest::newRow("add, swapped operands") << Color::add(red, blue) << Color::add(blue, red) << false;
    QTest::newRow("add, subtract") << Color::add(red, blue) << Color::subtract(red, blue) << false;
    QTest::newRow("multiply, invalid operand")
        << Color::multiply(red, Color()) << Color::multiply(red, Color()) << true;
    QTest::newRow("custom, same") << custom("p", { "a", "b" }) << custom("p", { "a", "b" }) << true;
    QTest::newRow("custom, argument case") << custom("p", { "a", "b" }) << custom("p", { "a", "B" }) << false;
    QTest::newRow("custom, source case") << custom("p", { "a" }) << custom("P", { "a" }) << false;
    QTest::newRow("custom, fewer arguments") << custom("p", { "a", "b" }) << custom("p", { "a" }) << false;
    QTest::newRow("set, same") << Color::set(red, 1, {}, 3, {}) << Color::set(red, 1, {}, 3, {}) << true;
    QTest::newRow("set, absent vs 0") << Color::set(red, 1, {}, 3, {}) << Color::set(red, 1, 0, 3, {}) << false;
    QTest::newRow("set, other base") << Color::set(red, 1, {}, {}, {}) << Color::set(blue, 1, {}, {}, {}) << false;
    QTest::newRow("mix, fuzzy amount") << Color::mix(red, blue, 0.3) << Color::mix(red, blue, 0.1 + 0.2) << true;
    QTest::newRow("mix, other amount") << Color::mix(red, blue, 0.3) << Color::mix(red, blue, 0.31) << false;
    QTest::newRow("mix, clamped amount") << Color::mix(red, blue, 7.0) << Color::mix(red, blue, 1.0) << true;
    QTest::newRow("mix, zero amounts") << Color::mix(red, blue, 0.0) << Color::mix(red, blue, -1.0) << true;
    QTest::newRow("nested, same") << nested(5) << nested(5) << true;
    QTest::newRow("nested, other depth") << nested(5) << nested(4) << false;
}

void tst_Color::equality()
{
    QFETCH(Color, a);
    QFETCH(Color, b);
    QFETCH(bool, equal);

    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
    QCOMPARE(QVariant::fromValue(a) == QVariant::fromValue(b), equal);
}

void tst_Color::text_data()
{
    QTest::addColumn<Color>("color");
    QTest::addColumn<QString>("text");

    QTest::newRow("invalid") << Color() << "Color(Empty)";
    QTest::newRow("rgba") << red << "Color(RGBA, 255, 0, 0, 255)";
    QTest::newRow("custom") << Color::custom("loompalette", { "Active", "View", "Normal", "Background" })
                            << "Color(Custom, source: loompalette, arguments: Active, View, Normal, Background)";
    QTest::newRow("custom, no arguments") << Color::custom("p", {}) << "Color(Custom, source: p, arguments: )";
    QTest::newRow("custom, placeholders kept")
        << Color::custom("%2", { "%1" }) << "Color(Custom, source: %2, arguments: %1)";
    QTest::newRow("add, invalid operand")
        << Color::add(red, Color()) << "Color(Add, color: Color(RGBA, 255, 0, 0, 255), other: Color(Empty))";
    QTest::newRow("subtract") << Color::subtract(grey(1), grey(2))
                              << "Color(Subtract, color: Color(RGBA, 1, 1, 1, 1), other: Color(RGBA, 2, 2, 2, 2))";
    QTest::newRow("multiply") << Color::multiply(grey(1), grey(2))
                              << "Color(Multiply, color: Color(RGBA, 1, 1, 1, 1), other: Color(RGBA, 2, 2, 2, 2))";
    QTest::newRow("set") << Color::set(Color::rgba(1, 2, 3, 4), 255, std::nullopt, 0, std::nullopt)
                         << "Color(Set, color: Color(RGBA, 1, 2, 3, 4), r: 255, g: None, b: 0, a: None)";
    QTest::newRow("mix") << Color::mix(grey(0), grey(9), 0.5)
                         << "Color(Mix, color: Color(RGBA, 0, 0, 0, 0), other: Color(RGBA, 9, 9, 9, 9), amount: 0.5)";
    QTest::newRow("mix, six digits") << Color::mix(Color(), Color(), 1.0 / 3)
                                     << "Color(Mix, color: Color(Empty), other: Color(Empty), amount: 0.333333)";
    QTest::newRow("mix, clamped") << Color::mix(Color(), Color(), 12.0)
                                  << "Color(Mix, color: Color(Empty), other: Color(Empty), amount: 1)";
    QTest::newRow("nested") << Color::add(Color::set(Color(), {}, {}, {}, 1), red)
                            << "Color(Add, color: Color(Set, color: Color(Empty), r: None, g: None, b: None, a: 1), "
                               "other: Color(RGBA, 255, 0, 0, 255))";
}

void tst_Color::text()
{
    QFETCH(Color, color);
    QFETCH(QString, text);

    QCOMPARE(color.toString(), text);
}

void tst_Color::debugOperator()
{
    QString out;
    {
        QDebug debug(&out);
        debug << red << "next";
    }
    QCOMPARE(out, QStringLiteral("\"Color(RGBA, 255, 0, 0, 255)\" next "));

    out.clear();
    {
        QDebug debug(&out);
        debug.noquote().nospace() << Color::custom("a\"b", {}) << '|';
    }
    QCOMPARE(out, QStringLiteral("Color(Custom, source: a\"b, arguments: )|"));

    out.clear();
    {
        QDebug debug(&out);
        debug << QVariant::fromValue(red);
    }
    QVERIFY2(out.contains(QStringLiteral("Quilt::Color")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Color(RGBA, 255, 0, 0, 255)")), qPrintable(out));
}

void tst_Color::streamBytes_data()
{
    QTest::addColumn<Color>("color");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("invalid") << Color() << QByteArray("00000000");
    QTest::newRow("rgba") << Color::rgba(1, 2, 3, 4) << QByteArray("00000001 01020304");
    QTest::newRow("custom") << Color::custom("a", { "b" })
                            << QByteArray("00000002 00000002 0061 00000001 00000002 0062");
    QTest::newRow("add") << Color::add(Color(), grey(9)) << QByteArray("00000003 00000000 00000001 09090909");
    QTest::newRow("subtract") << Color::subtract(Color(), Color()) << QByteArray("00000004 00000000 00000000");
    QTest::newRow("multiply") << Color::multiply(Color(), Color()) << QByteArray("00000005 00000000 00000000");
    QTest::newRow("set, absent channels") << Color::set(Color::rgba(1, 2, 3, 4), 255, std::nullopt, 0, std::nullopt)
                                          << QByteArray("00000006 00000001 01020304 01ff 00 0100 00");
    QTest::newRow("mix") << Color::mix(Color(), grey(0), 0.5)
                         << QByteArray("00000007 00000000 00000001 00000000 3fe0000000000000");
}

void tst_Color::streamBytes()
{
    QFETCH(Color, color);
    QFETCH(QByteArray, hex);

    const QByteArray bytes = QByteArray::fromHex(hex);
    QCOMPARE(write(color).toHex(' '), bytes.toHex(' '));

    QDataStream in(bytes);
    Color read = red;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read, color);
}

void tst_Color::streamRoundTrip_data()
{
    QTest::addColumn<Color>("color");

    QTest::newRow("invalid") << Color();
    QTest::newRow("rgba") << Color::rgba(0, 127, 128, 255);
    QTest::newRow("custom") << Color::custom("loompalette", { "Active", "View", "Normal", "Background" });
    QTest::newRow("custom, no arguments") << Color::custom(QString(), {});
    QTest::newRow("add") << Color::add(red, blue);
    QTest::newRow("subtract") << Color::subtract(red, Color());
    QTest::newRow("multiply") << Color::multiply(Color(), blue);
    QTest::newRow("set, all") << Color::set(red, 1, 2, 3, 4);
    QTest::newRow("set, none") << Color::set(Color(), {}, {}, {}, {});
    QTest::newRow("mix") << Color::mix(red, blue, 0.123456789);
    QTest::newRow("every kind") << everyKind();
    QTest::newRow("nested, 64 levels") << nested(64);
}

void tst_Color::streamRoundTrip()
{
    QFETCH(Color, color);

    // Two colours back to back: the reader must stop exactly at the end of each.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << color << blue;
    }
    QDataStream in(bytes);
    Color first = red;
    Color second;
    in >> first >> second;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(first, color);
    QCOMPARE(first.toString(), color.toString());
    QCOMPARE(second, blue);
}

void tst_Color::variantRoundTrip()
{
    const QMetaType type = QMetaType::fromName("Quilt::Color");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<Color>());

    const QVariant written = QVariant::fromValue(everyKind());
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << written;
        QCOMPARE(out.status(), QDataStream::Ok);
    }
    QDataStream in(bytes);
    QVariant read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read.metaType(), type);
    QCOMPARE(read, written);
    QCOMPARE(read.value<Color>(), everyKind());
}

void tst_Color::readNormalisesMixAmount()
{
    // Amounts that the writer never produces still give a well-defined colour.
    const QByteArray prefix = QByteArray::fromHex("00000007 00000001 0a0a0a0a 00000001 c8c8c8c8");
    const QList<QPair<QByteArray, Color>> cases {
        { "7ff8000000000000", Color::mix(grey(10), grey(200), 0.0) }, // NaN
        { "7ff0000000000000", Color::mix(grey(10), grey(200), 1.0) }, // +infinity
        { "c059000000000000", Color::mix(grey(10), grey(200), 0.0) }, // -100
    };
    for (const auto& [amount, expected] : cases) {
        QDataStream in(prefix + QByteArray::fromHex(amount));
        Color read;
        in >> read;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read, expected);
        QCOMPARE(read.toQColor(), expected.toQColor());
    }
}

void tst_Color::truncatedStream()
{
    const QByteArray bytes = write(everyKind());
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        QDataStream in(bytes.left(size));
        Color read = red;
        in >> read;
        QVERIFY2(in.status() != QDataStream::Ok, qPrintable(QString::number(size)));
        QCOMPARE(read, red);
    }
}

void tst_Color::corruptStream_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QDataStream::Status>("status");
    QTest::addColumn<qint64>("consumed");

    const auto corrupt = QDataStream::ReadCorruptData;
    QTest::newRow("tag -1") << QByteArray("ffffffff 00000001 01020304") << corrupt << qint64(4);
    QTest::newRow("tag 8") << QByteArray("00000008 00000001 01020304") << corrupt << qint64(4);
    QTest::newRow("tag max") << QByteArray("7fffffff") << corrupt << qint64(4);
    QTest::newRow("unknown operand tag") << QByteArray("00000003 00000001 01020304 00000009 00000000") << corrupt
                                         << qint64(16);
    // A huge argument count with nothing behind it must not allocate for it.
    QTest::newRow("huge argument count") << QByteArray("00000002 00000002 0061 fffffff0") << QDataStream::ReadPastEnd
                                         << qint64(14);
    QTest::newRow("odd string length") << QByteArray("00000002 00000003 006100") << corrupt << qint64(-1);
}

void tst_Color::corruptStream()
{
    QFETCH(QByteArray, hex);
    QFETCH(QDataStream::Status, status);
    QFETCH(qint64, consumed);

    QBuffer buffer;
    buffer.setData(QByteArray::fromHex(hex));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QDataStream in(&buffer);
    Color read = red;
    in >> read;
    QCOMPARE(in.status(), status);
    QCOMPARE(read, red);
    if (consumed >= 0) {
        QCOMPARE(buffer.pos(), consumed);
    }
}

void tst_Color::nestingBound()
{
    // 64 levels of operands read back (see streamRoundTrip); one more does not.
    const QByteArray tooDeep = write(nested(65));
    QDataStream in(tooDeep);
    Color read = red;
    in >> read;
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
    QCOMPARE(read, red);

    // A stream of nothing but operation tags stops at the bound instead of
    // recursing once per tag.
    QByteArray endless;
    for (int i = 0; i < 200000; ++i) {
        endless += QByteArray::fromHex("00000003");
    }
    QDataStream endlessIn(endless);
    endlessIn >> read;
    QCOMPARE(endlessIn.status(), QDataStream::ReadCorruptData);
    QCOMPARE(read, red);
}

QTEST_GUILESS_MAIN(tst_Color)
#include "tst_color.moc"
