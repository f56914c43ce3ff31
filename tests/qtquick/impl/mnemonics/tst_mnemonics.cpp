#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "mnemonics.h"
#include "quicktestfixture.h"

using namespace Quilt;
using namespace Qt::StringLiterals;

using WeightList = QList<std::pair<QChar, int>>;

class tst_Mnemonics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weights_data();
    void weights();
    void longLabel();
    void labels_data();
    void labels();
    void robbing();
    void caseFolding();
    void lostLetterIsNotUnderlined();
    void disabled();
    void setActiveAgain();
    void altInActiveWindow();
    void altInInactiveWindow();
    void fromQml();

private:
    static WeightList weightsOf(const Mnemonics& m)
    {
        WeightList result;
        for (const auto& [weight, character] : m.m_weights) {
            result.append({ character, weight });
        }
        return result;
    }
};

namespace
{
std::unique_ptr<Mnemonics> mnemonics(const QString& label, Mnemonics::ControlType type = Mnemonics::ActionElement,
                                     QObject* parent = nullptr)
{
    auto m = std::make_unique<Mnemonics>(parent);
    m->setControlType(type);
    m->setLabel(label);
    return m;
}
} // namespace

void tst_Mnemonics::weights_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("type");
    // Candidates, lightest first.
    QTest::addColumn<WeightList>("expected");
    QTest::addColumn<int>("weight");

    const QString far(50, u' ');
    QTest::newRow("File") << u"File"_s << int(Mnemonics::ActionElement)
                          << WeightList { { u'e', 48 }, { u'l', 49 }, { u'i', 100 }, { u'F', 101 } } << 151;
    QTest::newRow("marked first letter") << u"&File"_s << int(Mnemonics::MenuItem)
                                         << WeightList { { u'e', 47 }, { u'l', 48 }, { u'i', 49 }, { u'F', 250 } }
                                         << 500;
    QTest::newRow("marked in the second word")
        << u"Save &As"_s << int(Mnemonics::DialogButton)
        << WeightList { { u's', 44 }, { u'e', 48 }, { u'v', 49 }, { u'a', 100 }, { u'S', 101 }, { u'A', 195 } } << 495;
    // Past position 50 only the word start counts; equal weights step up.
    QTest::newRow("far and equal") << far + u"ab cd"_s << int(Mnemonics::FormLabel)
                                   << WeightList { { u'b', 1 }, { u'd', 2 }, { u'a', 51 }, { u'c', 52 } } << 72;
    QTest::newRow("entity") << u"&amp;"_s << int(Mnemonics::SecondaryControl) << WeightList {} << 0;
    // The closing tag's name follows '/', not '<', so it is weighed.
    QTest::newRow("tag") << u"<b>x</b>"_s << int(Mnemonics::SecondaryControl)
                         << WeightList { { u'b', 1 + 50 + 44 }, { u'x', 1 + 50 + 47 } } << 98;
    QTest::newRow("literal ampersand") << u"&&x"_s << int(Mnemonics::SecondaryControl)
                                       << WeightList { { u'x', 1 + 50 + 48 } } << 99;
}

// A label of 100,000 characters is weighed as a short one is, without the
// cost of stepping each equal weight past all the ones before it.
void tst_Mnemonics::longLabel()
{
    const qsizetype size = 100000;
    const auto m = mnemonics(u"a"_s + QString(size - 1, u'b'));
    const WeightList weights = weightsOf(*m);
    QCOMPARE(weights.size(), size);
    // The weights fill 1 to 100,000 without a gap; 'a' keeps its own 101.
    QCOMPARE(weights.first().second, 1);
    QCOMPARE(weights.last(), std::make_pair(QChar(u'b'), int(size)));
    QVERIFY(weights.contains(std::make_pair(QChar(u'a'), 101)));
    QCOMPARE(m->weight(), 50 + size);
    QCOMPARE(m->sequence(), QKeySequence(u"Alt+B"_s));
}

void tst_Mnemonics::weights()
{
    QFETCH(QString, label);
    QFETCH(int, type);
    QFETCH(WeightList, expected);
    QFETCH(int, weight);

    const auto m = mnemonics(label, Mnemonics::ControlType(type));
    QCOMPARE(weightsOf(*m), expected);
    QCOMPARE(m->weight(), weight);
}

void tst_Mnemonics::labels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("richText");
    QTest::addColumn<QString>("activeRichText");
    QTest::addColumn<QString>("mnemonicLabel");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QKeySequence>("sequence");

    QTest::newRow("plain") << u"File"_s << u"File"_s << u"<u>F</u>ile"_s << u"&File"_s << u"File"_s
                           << QKeySequence(u"Alt+F"_s);
    QTest::newRow("marked") << u"Save &As"_s << u"Save As"_s << u"Save <u>A</u>s"_s << u"Save &As"_s << u"Save As"_s
                            << QKeySequence(u"Alt+A"_s);
    QTest::newRow("ampersand") << u"Fish & Chips"_s << u"Fish & Chips"_s << u"<u>F</u>ish & Chips"_s
                               << u"&Fish && Chips"_s << u"Fish & Chips"_s << QKeySequence(u"Alt+F"_s);
    // "&&" is one literal ampersand in every form, also beside a blank.
    QTest::newRow("literal pair") << u"Q && R"_s << u"Q & R"_s << u"<u>Q</u> & R"_s << u"&Q && R"_s << u"Q & R"_s
                                  << QKeySequence(u"Alt+Q"_s);
    QTest::newRow("pair and lone") << u"A && B & C"_s << u"A & B & C"_s << u"<u>A</u> & B & C"_s << u"&A && B && C"_s
                                   << u"A & B & C"_s << QKeySequence(u"Alt+A"_s);
    // The plain text strips the raw label, where "&a" reads as a marker.
    QTest::newRow("entity") << u"&amp;"_s << u"&amp;"_s << u"&amp;"_s << u"&amp;"_s << u"amp;"_s << QKeySequence();
    // Without a marker the first character wins, even one no keyboard types.
    const QKeySequence altFu(u"Alt+フ"_s, QKeySequence::NativeText);
    QTest::newRow("bracket at the end") << u"ファイル(F)"_s << u"ファイル"_s << u"<u>フ</u>ァイル(F)"_s
                                        << u"&ファイル(F)"_s << u"ファイル"_s << altFu;
    QTest::newRow("bracket inside") << u"ファ(F)イル"_s << u"ファ(F)イル"_s << u"<u>フ</u>ァ(F)イル"_s
                                    << u"&ファ(F)イル"_s << u"ファ(F)イル"_s << altFu;
    QTest::newRow("marked bracket") << u"ファイル(&F)"_s << u"ファイル"_s << u"ファイル(<u>F</u>)"_s
                                    << u"ファイル(&F)"_s << u"ファイル"_s << QKeySequence(u"Alt+F"_s);
}

void tst_Mnemonics::labels()
{
    QFETCH(QString, label);
    QFETCH(QString, richText);
    QFETCH(QString, activeRichText);
    QFETCH(QString, mnemonicLabel);
    QFETCH(QString, plainText);
    QFETCH(QKeySequence, sequence);

    const auto m = mnemonics(label);
    QCOMPARE(m->richTextLabel(), richText);
    QCOMPARE(m->mnemonicLabel(), mnemonicLabel);
    QCOMPARE(m->plainTextLabel(), plainText);
    QCOMPARE(m->sequence(), sequence);

    QSignalSpy rich(m.get(), &Mnemonics::richTextLabelChanged);
    m->setActive(true);
    QCOMPARE(m->richTextLabel(), activeRichText);
    m->setActive(false);
    QCOMPARE(m->richTextLabel(), richText);
    QVERIFY(rich.size() >= 1);
}

void tst_Mnemonics::robbing()
{
    const auto open = mnemonics(u"Open"_s);
    const auto options = mnemonics(u"Options"_s);
    QCOMPARE(open->sequence(), QKeySequence(u"Alt+O"_s));
    // Equally heavy: no robbing, the next best letter.
    QCOMPARE(options->sequence(), QKeySequence(u"Alt+P"_s));

    QSignalSpy openSequence(open.get(), &Mnemonics::sequenceChanged);
    auto menuItem = mnemonics(u"Open"_s, Mnemonics::MenuItem);
    QCOMPARE(menuItem->sequence(), QKeySequence(u"Alt+O"_s));
    QCOMPARE(options->sequence(), QKeySequence(u"Alt+P"_s));
    // 'p' is held as heavily by the other button, so 'e' is next.
    QCOMPARE(open->sequence(), QKeySequence(u"Alt+E"_s));
    QCOMPARE(openSequence.size(), 1);
    QCOMPARE(open->mnemonicLabel(), u"Op&en"_s);

    // A destroyed holder leaves the table.
    menuItem.reset();
    const auto later = mnemonics(u"Open"_s, Mnemonics::MenuItem);
    QCOMPARE(later->sequence(), QKeySequence(u"Alt+O"_s));
}

void tst_Mnemonics::caseFolding()
{
    QCOMPARE(QKeySequence(u"Alt+o"_s), QKeySequence(u"Alt+O"_s));
    const auto upper = mnemonics(u"O"_s);
    const auto lower = mnemonics(u"o"_s);
    QCOMPARE(upper->sequence(), QKeySequence(u"Alt+O"_s));
    QVERIFY(lower->sequence().isEmpty());
}

void tst_Mnemonics::lostLetterIsNotUnderlined()
{
    const auto button = mnemonics(u"x"_s);
    QCOMPARE(button->sequence(), QKeySequence(u"Alt+X"_s));
    QSignalSpy sequence(button.get(), &Mnemonics::sequenceChanged);

    const auto menuItem = mnemonics(u"x"_s, Mnemonics::MenuItem);
    QCOMPARE(menuItem->sequence(), QKeySequence(u"Alt+X"_s));
    QVERIFY(button->sequence().isEmpty());
    QCOMPARE(sequence.size(), 1);

    button->setActive(true);
    QCOMPARE(button->richTextLabel(), u"x"_s);
}

void tst_Mnemonics::disabled()
{
    const auto m = mnemonics(u"&File"_s);
    QCOMPARE(m->sequence(), QKeySequence(u"Alt+F"_s));
    QSignalSpy sequence(m.get(), &Mnemonics::sequenceChanged);
    m->setEnabled(false);
    QVERIFY(m->sequence().isEmpty());
    QCOMPARE(sequence.size(), 1);
    QCOMPARE(m->mnemonicLabel(), m->richTextLabel());
    QCOMPARE(m->mnemonicLabel(), u"File"_s);
    m->setActive(true);
    QCOMPARE(m->richTextLabel(), u"File"_s);
    m->setActive(false);

    // The letter is free for the next one that updates.
    const auto other = mnemonics(u"Find"_s);
    QCOMPARE(other->sequence(), QKeySequence(u"Alt+F"_s));
    m->setEnabled(true);
    QCOMPARE(m->sequence(), QKeySequence(u"Alt+F"_s));
    QCOMPARE(other->sequence(), QKeySequence(u"Alt+I"_s));
}

void tst_Mnemonics::setActiveAgain()
{
    const auto m = mnemonics(u"File"_s);
    QSignalSpy active(m.get(), &Mnemonics::activeChanged);
    QSignalSpy rich(m.get(), &Mnemonics::richTextLabelChanged);
    m->setActive(false);
    QCOMPARE(active.size(), 0);
    m->setActive(true);
    m->setActive(true);
    QCOMPARE(active.size(), 2);
    QCOMPARE(rich.size(), 1);
}

void tst_Mnemonics::altInActiveWindow()
{
    QQuickWindow window;
    window.resize(100, 100);
    auto* item = new QQuickItem(window.contentItem());
    const auto m = mnemonics(u"&File"_s, Mnemonics::ActionElement, item);
    window.show();
    window.requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyPress(&window, Qt::Key_Alt);
    QVERIFY(m->active());
    QCOMPARE(m->richTextLabel(), u"<u>F</u>ile"_s);
    QTest::keyRelease(&window, Qt::Key_Alt);
    QVERIFY(!m->active());
    QCOMPARE(m->richTextLabel(), u"File"_s);

    // Alt released while another application had the keyboard.
    QTest::keyPress(&window, Qt::Key_Alt);
    QVERIFY(m->active());
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    QVERIFY(!m->active());
    QCOMPARE(m->richTextLabel(), u"File"_s);
    QTest::keyRelease(&window, Qt::Key_Alt);
}

void tst_Mnemonics::altInInactiveWindow()
{
    QQuickWindow window;
    window.resize(100, 100);
    auto* item = new QQuickItem(window.contentItem());
    const auto m = mnemonics(u"&File"_s, Mnemonics::ActionElement, item);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QQuickWindow other;
    other.setPosition(150, 0);
    other.resize(100, 100);
    other.show();
    other.requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!window.isActive());

    QTest::keyPress(&other, Qt::Key_Alt);
    QVERIFY(!m->active());
    QCOMPARE(m->richTextLabel(), u"File"_s);
    QTest::keyRelease(&other, Qt::Key_Alt);
}

void tst_Mnemonics::fromQml()
{
    QQmlEngine engine;
    auto object = QuiltQuickTest::createObject(&engine, R"(
Item {
    property string shown: Quilt.Mnemonics.richTextLabel
    property var sequence: Quilt.Mnemonics.sequence
    Quilt.Mnemonics.controlType: Quilt.Mnemonics.MenuItem
    Quilt.Mnemonics.label: "&Edit"
})");
    QVERIFY(object);
    QCOMPARE(object->property("shown").toString(), u"Edit"_s);
    QCOMPARE(object->property("sequence").value<QKeySequence>(), QKeySequence(u"Alt+E"_s));
    QVERIFY(QuiltQuickTest::componentErrors(&engine, "import org.vyr.quilt.impl as Quilt\nQuilt.Mnemonics {}")
                .contains(u"Cannot create objects of type Mnemonics, use it as an attached property"_s));
}

QUILT_QUICK_TEST_MAIN(tst_Mnemonics, "")
#include "tst_mnemonics.moc"
