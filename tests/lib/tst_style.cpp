#include <QBuffer>
#include <QDataStream>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPalette>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "style_p.h"
#include "stylefixture.h"

using namespace Quilt;
using namespace Qt::StringLiterals;
using namespace StyleFixture;

namespace
{
// Counts the StyleChangedEvents a style sends itself.
class StyleChangeCounter : public QObject
{
public:
    explicit StyleChangeCounter(Style* style) { style->installEventFilter(this); }

    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == StyleChangedEvent::s_type) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }
};

class RecordingLoader : public StyleLoader
{
public:
    explicit RecordingLoader(bool result)
        : m_result(result)
    { }

    bool load(std::shared_ptr<Style> style) override
    {
        loadedStyle = style.get();
        style->insert(rule(u"loaded"_s, { typeSelector(u"Button"_s) }));
        return m_result;
    }

    Style* loadedStyle = nullptr;

private:
    bool m_result;
};
} // namespace

using RuleList = QList<std::shared_ptr<StyleRule>>;
Q_DECLARE_METATYPE(RuleList)

class tst_Style : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QString()); }

    void matchOrder_data();
    void matchOrder();
    void matchWithoutRules();
    void identityAndErrors();
    void load();
    void addCachePath();
    void ruleIsEmpty_data();
    void ruleIsEmpty();
    void ruleDebugForm();
    void paletteChange();
    void ruleRecord_data();
    void ruleRecord();
    void ruleRecordKeepsGroupWhenNoneFollows();
};

void tst_Style::matchOrder_data()
{
    QTest::addColumn<RuleList>("rules");
    QTest::addColumn<QStringList>("expected");

    // Type weighs 1, Id 100, Hint and State 10.
    QTest::newRow("heaviest first, later of equals first")
        << RuleList { rule(u"A"_s, { typeSelector(u"Button"_s) }), rule(u"B"_s, { idSelector(u"ok"_s) }),
                      rule(u"C"_s, { typeSelector(u"Button"_s) }) }
        << QStringList { u"B"_s, u"C"_s, u"A"_s };
    QTest::newRow("empty selector list matches last")
        << RuleList { rule(u"any"_s, {}), rule(u"type"_s, { typeSelector(u"button"_s) }),
                      rule(u"hint"_s, { typeSelector(u"Button"_s), hintSelector(u"flat"_s) }) }
        << QStringList { u"hint"_s, u"type"_s, u"any"_s };
    QTest::newRow("non-matching rules left out")
        << RuleList { rule(u"label"_s, { typeSelector(u"Label"_s) }),
                      rule(u"in window"_s, { typeSelector(u"Window"_s), descendant(), typeSelector(u"Button"_s) }),
                      rule(u"window itself"_s, { typeSelector(u"Window"_s) }),
                      rule(u"pressed"_s, { stateSelector(Element::State::Pressed) }) }
        << QStringList { u"in window"_s };
    QTest::newRow("five equal weights reverse")
        << RuleList { rule(u"1"_s, { typeSelector(u"Button"_s) }), rule(u"2"_s, { typeSelector(u"Button"_s) }),
                      rule(u"3"_s, { typeSelector(u"Button"_s) }), rule(u"4"_s, { typeSelector(u"Button"_s) }),
                      rule(u"5"_s, { typeSelector(u"Button"_s) }) }
        << QStringList { u"5"_s, u"4"_s, u"3"_s, u"2"_s, u"1"_s };
}

void tst_Style::matchOrder()
{
    QFETCH(RuleList, rules);
    QFETCH(QStringList, expected);

    auto s = style();
    for (const auto& r : rules) {
        s->insert(r);
    }
    QCOMPARE(names(s->rules()), names(rules));

    auto button = element(u"Button"_s, { u"flat"_s });
    button->setId(u"ok"_s);
    QCOMPARE(names(s->matches({ element(u"Window"_s), button })), expected);
}

void tst_Style::matchWithoutRules()
{
    QLoggingCategory::setFilterRules(u"quilt.query.info=true"_s);
    auto s = style(u"halcyon"_s);
    QTest::ignoreMessage(QtInfoMsg, "No style rules found for style \"halcyon\" so we will never match anything!");
    QVERIFY(s->matches({ element(u"Button"_s) }).isEmpty());
}

void tst_Style::identityAndErrors()
{
    auto s = style(u"halcyon"_s);
    QCOMPARE(s->id(), u"halcyon"_s);
    QCOMPARE(s->property("id").toString(), u"halcyon"_s);
    QVERIFY(s->path() == std::filesystem::path("/styles/halcyon"));
    QVERIFY(!s->loader());

    QSignalSpy spy(s.get(), &Style::hasErrorsChanged);
    s->setHasErrors(false);
    QCOMPARE(spy.count(), 0);
    s->setHasErrors(true);
    s->setHasErrors(true);
    QCOMPARE(spy.count(), 1);
    QVERIFY(s->hasErrors());
    QVERIFY(s->setProperty("hasErrors", false));
    QCOMPARE(spy.count(), 2);
}

void tst_Style::load()
{
    for (const bool succeeds : { true, false }) {
        auto dd = std::make_unique<StylePrivate>();
        StylePrivate* data = dd.get();
        auto loader = std::make_unique<RecordingLoader>(succeeds);
        RecordingLoader* recorder = loader.get();
        dd->loader = std::move(loader);
        auto s = std::make_shared<Style>(std::move(dd));

        QCOMPARE(s->loader(), recorder);
        QVERIFY(!data->loadedFromSource);
        QCOMPARE(s->load(), succeeds);
        QCOMPARE(recorder->loadedStyle, s.get());
        // Marked even when the loader fails.
        QVERIFY(data->loadedFromSource);
        QCOMPARE(names(s->rules()), QStringList { u"loaded"_s });
    }

    // A style restored from the cache has nothing to load with.
    auto dd = std::make_unique<StylePrivate>();
    StylePrivate* data = dd.get();
    auto restored = std::make_shared<Style>(std::move(dd));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"has no loader"_s));
    QVERIFY(!restored->load());
    QVERIFY(!data->loadedFromSource);
}

void tst_Style::addCachePath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::filesystem::path existing = std::filesystem::path(dir.path().toStdString()) / "style.css";
    std::ofstream(existing) << "x";
    const std::filesystem::path missing = std::filesystem::path(dir.path().toStdString()) / "missing.css";

    auto dd = std::make_unique<StylePrivate>();
    StylePrivate* data = dd.get();
    auto s = std::make_shared<Style>(std::move(dd));

    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(u"Ignoring non-existing cache path \""_s + QString::fromStdString(missing.native()) + u'"'));
    s->addCachePath(missing);
    QVERIFY(data->cachePaths.isEmpty());
    QVERIFY(data->cacheTimes.isEmpty());

    s->addCachePath(existing);
    s->addCachePath(existing);
    QVERIFY(data->cachePaths == (QList<std::filesystem::path> { existing, existing }));
    QCOMPARE(data->cacheTimes.size(), 2);
    QVERIFY(data->cacheTimes.at(0) == std::filesystem::last_write_time(existing));
}

void tst_Style::ruleIsEmpty_data()
{
    QTest::addColumn<bool>("withSelectors");
    QTest::addColumn<int>("groupKind"); // 0 none, 1 empty group, 2 group with a value
    QTest::addColumn<bool>("expected");

    QTest::newRow("nothing") << false << 0 << true;
    QTest::newRow("empty group") << false << 1 << true;
    QTest::newRow("group with a value") << false << 2 << false;
    QTest::newRow("selectors only") << true << 0 << false;
    QTest::newRow("selectors and empty group") << true << 1 << false;
}

void tst_Style::ruleIsEmpty()
{
    QFETCH(bool, withSelectors);
    QFETCH(int, groupKind);
    QFETCH(bool, expected);

    auto r = StyleRule::create();
    if (withSelectors) {
        r->setSelectors({ typeSelector(u"Button"_s) });
    }
    if (groupKind == 1) {
        r->setProperties(std::make_unique<Properties::StylePropertyGroup>());
    } else if (groupKind == 2) {
        r->setProperties(group(10));
    }
    QCOMPARE(r->isEmpty(), expected);
}

void tst_Style::ruleDebugForm()
{
    QString text;
    QDebug(&text) << rule(u"r"_s, { typeSelector(u"Button"_s), hintSelector(u"flat"_s) });
    QCOMPARE(text, u"StyleRule(\"SelectorList(Type(Button), Hint(flat))\") "_s);
}

void tst_Style::paletteChange()
{
    auto first = style(u"first"_s);
    auto second = style(u"second"_s);
    StyleChangeCounter firstCount(first.get());
    StyleChangeCounter secondCount(second.get());
    {
        // A style gone before the change must not be reached.
        auto gone = style(u"gone"_s);
    }

    QEvent other(QEvent::User);
    QCoreApplication::sendEvent(qApp, &other);
    QEvent paletteOfAnotherObject(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(second.get(), &paletteOfAnotherObject);
    QCOMPARE(firstCount.count, 0);
    QCOMPARE(secondCount.count, 0);

    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Window) == Qt::red ? Qt::blue : Qt::red);
    QGuiApplication::setPalette(palette);
    QCOMPARE(firstCount.count, 1);
    QCOMPARE(secondCount.count, 1);
}

void tst_Style::ruleRecord_data()
{
    QTest::addColumn<bool>("withGroup");
    QTest::newRow("with a property group") << true;
    QTest::newRow("without a property group") << false;
}

void tst_Style::ruleRecord()
{
    QFETCH(bool, withGroup);

    const SelectorList selectors { typeSelector(u"Window"_s), descendant(), typeSelector(u"Button"_s),
                                   stateSelector(Element::State::Hovered), Selector() };
    auto written = rule(u"w"_s, selectors, withGroup ? group(12, 0.5) : nullptr);

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        writeRuleRecord(out, *written);
        out << qint32(0x51554c54); // whatever follows must stay unread
    }

    QDataStream in(bytes);
    auto read = StyleRule::create();
    readRuleRecord(in, *read);
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read->selectors().toString(), selectors.toString());
    QCOMPARE(read->properties() != nullptr, withGroup);
    if (withGroup) {
        QVERIFY(*read->properties() == *written->properties());
    }
    qint32 trailer = 0;
    in >> trailer;
    QCOMPARE(trailer, qint32(0x51554c54));

    // Cut short: the stream reports it and the reader does not run past it.
    QDataStream truncated(bytes.left(bytes.size() - 6));
    auto partial = StyleRule::create();
    readRuleRecord(truncated, *partial);
    QCOMPARE_NE(truncated.status(), QDataStream::Ok);
}

void tst_Style::ruleRecordKeepsGroupWhenNoneFollows()
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        writeRuleRecord(out, *rule(u"w"_s, { typeSelector(u"Label"_s) }));
    }
    auto target = rule(u"t"_s, { typeSelector(u"Button"_s) }, group(3));
    QDataStream in(bytes);
    readRuleRecord(in, *target);
    QCOMPARE(target->selectors().toString(), u"SelectorList(Type(Label))"_s);
    QVERIFY(target->properties());
    QCOMPARE(target->properties()->layout()->width(), std::optional<double>(3));
}

QTEST_MAIN(tst_Style)
#include "tst_style.moc"
