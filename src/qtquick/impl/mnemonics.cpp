#include "mnemonics.h"
#include "mnemonics_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace Quilt
{
namespace
{
// Who holds which Alt+letter; no two objects hold the same sequence.
QHash<QKeySequence, Mnemonics*>& mnemonicTable()
{
    static QHash<QKeySequence, Mnemonics*> table;
    return table;
}

bool isLetterOrNumber(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80) {
        return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
    }
    return c.isLetterOrNumber();
}

int baseWeightOf(Mnemonics::ControlType type)
{
    switch (type) {
    case Mnemonics::ActionElement:
        return 50;
    case Mnemonics::DialogButton:
        return 300;
    case Mnemonics::MenuItem:
        return 250;
    case Mnemonics::FormLabel:
        return 20;
    default:
        return 10;
    }
}

// A bracketed letter such as the "(F)" of East Asian labels stands for the
// marker, so it goes with it when it sits at one end of the text.
QString removeBracketMnemonic(const QString& text, qsizetype p)
{
    if (p < 1 || p + 1 >= text.size() || text.at(p - 1) != u'(' || text.at(p + 1) != u')'
        || !isLetterOrNumber(text.at(p))) {
        return text;
    }
    const qsizetype open = p - 1;
    const qsizetype close = p + 1;
    qsizetype lastBefore = -1;
    for (qsizetype i = open - 1; i >= 0; --i) {
        if (isLetterOrNumber(text.at(i))) {
            lastBefore = i;
            break;
        }
    }
    qsizetype firstAfter = -1;
    for (qsizetype i = close + 1; i < text.size(); ++i) {
        if (isLetterOrNumber(text.at(i))) {
            firstAfter = i;
            break;
        }
    }
    if (lastBefore < 0) {
        return text.left(open) + (firstAfter >= 0 ? text.mid(firstAfter) : QString());
    }
    if (firstAfter < 0) {
        return text.left(lastBefore + 1) + text.mid(close + 1);
    }
    return text;
}

QString withoutMarkers(const QString& text)
{
    if (!text.contains(u'&')) {
        return text;
    }
    static const QRegularExpression marker(u"\\&([^\\&])"_s);
    QString result = text;
    return result.replace(marker, u"\\1"_s);
}

// Doubles the ampersands that stand for themselves (one before a blank, the
// one of an entity), so that only markers stay single. A pair that already
// stands for one literal ampersand is kept as it is: doubling its second
// half would make "Q && R" read "Q && R" once the markers are stripped.
QString escapeLiteralAmpersands(const QString& label)
{
    // Most labels have no ampersand at all: nothing to double, no copy.
    if (!label.contains(u'&')) {
        return label;
    }
    static const QRegularExpression entity(u"&([a-zA-Z#]{1,4});"_s);
    QString result;
    result.reserve(label.size() + 4);
    const qsizetype size = label.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = label.at(i);
        if (c != u'&') {
            result += c;
        } else if (i + 1 < size && label.at(i + 1) == u'&') {
            result += u"&&"_s;
            ++i;
        } else if (i + 1 < size && label.at(i + 1) == u' ') {
            result += u"&&"_s;
        } else if (const auto match = entity.matchView(label, i, QRegularExpression::NormalMatch,
                                                       QRegularExpression::AnchorAtOffsetMatchOption);
                   match.hasMatch()) {
            result += u"&&"_s + match.capturedView(1) + u';';
            i = match.capturedEnd(0) - 1;
        } else {
            result += c;
        }
    }
    return result;
}

// Alt and a letter, parsed once per letter: every label asks for the
// sequences of its candidate letters each time it is assigned.
QKeySequence altSequence(QChar letter)
{
    static QHash<QChar, QKeySequence> sequences;
    auto it = sequences.constFind(letter);
    if (it == sequences.constEnd()) {
        it = sequences.insert(letter, QKeySequence(u"Alt+"_s + letter, QKeySequence::NativeText));
    }
    return *it;
}

QWindow* windowOf(const QQuickItem* item)
{
    QQuickWindow* window = item->window();
    if (!window) {
        return nullptr;
    }
    if (QWindow* renderWindow = QQuickRenderControl::renderWindowFor(window)) {
        return renderWindow;
    }
    return window;
}
} // namespace

MnemonicEventFilter* MnemonicEventFilter::instance()
{
    // Lives until the process ends, like the table it serves.
    static MnemonicEventFilter* filter = [] {
        auto* f = new MnemonicEventFilter;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->installEventFilter(f);
        }
        return f;
    }();
    return filter;
}

bool MnemonicEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
            m_altDown = true;
            Q_EMIT altPressed();
        }
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
            m_altDown = false;
            Q_EMIT altReleased();
        }
        break;
    case QEvent::ApplicationStateChange:
        // Alt released in another application never reaches us.
        if (m_altDown) {
            m_altDown = false;
            Q_EMIT altReleased();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

Mnemonics::Mnemonics(QObject* parent)
    : QObject(parent)
{
    MnemonicEventFilter* filter = MnemonicEventFilter::instance();
    connect(filter, &MnemonicEventFilter::altPressed, this, &Mnemonics::onAltPressed);
    connect(filter, &MnemonicEventFilter::altReleased, this, &Mnemonics::onAltReleased);
}

Mnemonics::~Mnemonics()
{
    auto& table = mnemonicTable();
    const auto it = table.constFind(m_sequence);
    if (!m_sequence.isEmpty() && it != table.constEnd() && it.value() == this) {
        table.erase(it);
    }
}

Mnemonics* Mnemonics::qmlAttachedProperties(QObject* object)
{
    return new Mnemonics(object);
}

QString Mnemonics::label() const
{
    return m_label;
}

void Mnemonics::setLabel(const QString& label)
{
    if (m_label == label) {
        return;
    }
    m_label = label;
    // What the label offers depends on the label alone: weighed once here,
    // not again each time the object is enabled, shown or robbed.
    computeWeights();
    m_escapedLabel = escapeLiteralAmpersands(m_label);
    updateMnemonic(m_sequence);
    Q_EMIT labelChanged();
    Q_EMIT plainTextLabelChanged();
}

QString Mnemonics::richTextLabel() const
{
    return m_richTextLabel.isEmpty() ? stripMnemonicMarkers(m_label) : m_richTextLabel;
}

QString Mnemonics::mnemonicLabel() const
{
    return m_mnemonicLabel;
}

QString Mnemonics::plainTextLabel() const
{
    return stripMnemonicMarkers(m_label);
}

bool Mnemonics::enabled() const
{
    return m_enabled;
}

void Mnemonics::setEnabled(bool enabled)
{
    if (m_enabled == enabled) {
        return;
    }
    m_enabled = enabled;
    updateMnemonic(m_sequence);
    Q_EMIT enabledChanged();
}

Mnemonics::ControlType Mnemonics::controlType() const
{
    return m_controlType;
}

void Mnemonics::setControlType(ControlType type)
{
    if (m_controlType == type) {
        return;
    }
    m_controlType = type;
    m_baseWeight = baseWeightOf(type);
    m_weight = m_baseWeight + (m_weights.isEmpty() ? 0 : m_weights.constLast().first);
    Q_EMIT controlTypeChanged();
}

QKeySequence Mnemonics::sequence() const
{
    return m_sequence;
}

bool Mnemonics::active() const
{
    return m_active;
}

void Mnemonics::setActive(bool active)
{
    if (!m_active && !active) {
        return;
    }
    m_active = active;
    if (active) {
        // Without a letter there is nothing to show but the plain label.
        if (!m_activeRichTextLabel.isEmpty() && m_richTextLabel != m_activeRichTextLabel) {
            m_richTextLabel = m_activeRichTextLabel;
            Q_EMIT richTextLabelChanged();
        }
    } else {
        m_richTextLabel = stripMnemonicMarkers(m_escapedLabel);
        Q_EMIT richTextLabelChanged();
    }
    Q_EMIT activeChanged();
}

int Mnemonics::weight() const
{
    return m_weight;
}

void Mnemonics::computeWeights()
{
    bool wordStart = true;
    bool marked = false;
    qsizetype i = 0;
    const qsizetype size = m_label.size();
    // A weight already taken steps up to the next free one. Stepping one by
    // one costs as much as the characters weighed so far, which for a long
    // label of equal weights never ends: each taken weight points to one
    // above it instead, and the chains are shortened as they are walked.
    // No character weighs more than 251, so the weights stay below 252 plus
    // the number of characters.
    std::vector<qsizetype> nextFree(size + 253);
    // The character given each weight, by weight: no weight is given twice,
    // so the list of candidates is read off in order, without sorting or a
    // node per character.
    std::vector<QChar> byWeight(size + 253);
    std::iota(nextFree.begin(), nextFree.end(), qsizetype(0));
    const auto freeWeight = [&nextFree](qsizetype weight) {
        qsizetype free = weight;
        while (nextFree[free] != free) {
            free = nextFree[free];
        }
        while (nextFree[weight] != free) {
            weight = std::exchange(nextFree[weight], free);
        }
        return free;
    };

    while (i < size) {
        const QChar c = m_label.at(i);
        if (!isLetterOrNumber(c) && c != u'&') {
            wordStart = true;
            ++i;
            continue;
        }
        // The name of a tag is no text: go on at its '>', which is no letter.
        if (i > 0 && m_label.at(i - 1) == u'<') {
            const qsizetype close = m_label.indexOf(u'>', i);
            if (close >= 0) {
                i = close;
                continue;
            }
        }
        if (c == u'&') {
            // An entity such as "&amp;" is skipped up to its ';'.
            const qsizetype semicolon = m_label.indexOf(u';', i);
            if (semicolon >= 0 && semicolon - i < 5) {
                i = semicolon;
                continue;
            }
            if (i + 1 < size && m_label.at(i + 1) == u'&') {
                i += 2;
                continue;
            }
        }

        int weight = 1;
        if (i == 0 || wordStart) {
            weight += 50;
        }
        if (marked) {
            weight += 150;
        }
        if (i < 50) {
            weight += 50 - int(i);
        }
        // The first character leaves the word open, so the one after it still
        // counts as a word start.
        if (i != 0) {
            wordStart = false;
        }

        if (c == u'&') {
            marked = i + 1 < size && isLetterOrNumber(m_label.at(i + 1));
            ++i;
            continue;
        }
        const qsizetype free = freeWeight(weight);
        nextFree[free] = free + 1;
        byWeight[free] = c;
        marked = false;
        ++i;
    }

    m_weights.clear();
    for (qsizetype weight = 1; weight < qsizetype(byWeight.size()); ++weight) {
        if (!byWeight[weight].isNull()) {
            m_weights.append({ int(weight), byWeight[weight] });
        }
    }
    m_weight = m_baseWeight + (m_weights.isEmpty() ? 0 : m_weights.constLast().first);
}

void Mnemonics::updateMnemonic(QKeySequence formerSequence)
{
    auto& table = mnemonicTable();
    if (!m_sequence.isEmpty()) {
        const auto it = table.constFind(m_sequence);
        if (it != table.constEnd() && it.value() == this) {
            table.erase(it);
        }
        m_sequence = QKeySequence();
    }

    m_richTextLabel = stripMnemonicMarkers(m_escapedLabel);

    if (!m_enabled) {
        // Nothing is held, so nothing may be underlined.
        m_activeRichTextLabel.clear();
        if (m_mnemonicLabel != m_richTextLabel) {
            m_mnemonicLabel = m_richTextLabel;
            Q_EMIT mnemonicLabelChanged();
            Q_EMIT richTextLabelChanged();
        }
        if (m_sequence != formerSequence) {
            Q_EMIT sequenceChanged();
        }
        return;
    }

    m_mnemonicLabel = withoutMarkers(m_escapedLabel);

    Mnemonics* robbed = nullptr;
    QKeySequence robbedSequence;
    QChar letter;
    // A letter met again would ask for the same sequence as before and get
    // the same answer.
    std::vector<bool> tried(0x10000);
    for (auto it = m_weights.crbegin(); it != m_weights.crend(); ++it) {
        const QChar character = it->second;
        if (tried[character.unicode()]) {
            continue;
        }
        tried[character.unicode()] = true;
        const QKeySequence candidate = altSequence(character);
        Mnemonics* holder = table.value(candidate);
        if (holder && holder != this && holder->m_weight >= m_weight) {
            continue;
        }
        if (holder && holder != this) {
            robbed = holder;
            robbedSequence = holder->m_sequence;
            holder->m_sequence = QKeySequence();
        }
        table.insert(candidate, this);
        m_sequence = candidate;
        letter = character;
        break;
    }

    if (!m_sequence.isEmpty()) {
        m_activeRichTextLabel = withoutMarkers(m_escapedLabel);
        const qsizetype at = m_activeRichTextLabel.indexOf(letter);
        if (at >= 0) {
            m_activeRichTextLabel.replace(at, 1, u"<u>"_s + letter + u"</u>"_s);
        }
        m_mnemonicLabel = m_escapedLabel;
        const qsizetype mark = m_mnemonicLabel.indexOf(letter);
        const bool alreadyMarked
            = mark >= 1 && m_mnemonicLabel.at(mark - 1) == u'&' && (mark < 2 || m_mnemonicLabel.at(mark - 2) != u'&');
        if (mark >= 0 && !alreadyMarked) {
            m_mnemonicLabel.insert(mark, u'&');
        }
        if (robbed) {
            robbed->updateMnemonic(robbedSequence);
        }
    } else {
        // Whatever an earlier letter left here is no longer ours to underline.
        m_activeRichTextLabel.clear();
    }

    if (m_sequence != formerSequence) {
        Q_EMIT sequenceChanged();
    }
    Q_EMIT richTextLabelChanged();
    Q_EMIT mnemonicLabelChanged();
}

void Mnemonics::onAltPressed()
{
    if (m_active || !m_enabled || m_activeRichTextLabel.isEmpty()) {
        return;
    }
    const auto* item = qobject_cast<QQuickItem*>(parent());
    if (!item) {
        return;
    }
    QWindow* window = windowOf(item);
    if (!window || !window->isActive()) {
        return;
    }
    m_richTextLabel = m_activeRichTextLabel;
    Q_EMIT richTextLabelChanged();
    m_active = true;
    Q_EMIT activeChanged();
}

void Mnemonics::onAltReleased()
{
    // Active with nothing to underline happens when the letter was lost while
    // Alt was held; the release must still end it.
    if (!m_active) {
        return;
    }
    m_richTextLabel = stripMnemonicMarkers(m_escapedLabel);
    Q_EMIT richTextLabelChanged();
    m_active = false;
    Q_EMIT activeChanged();
}

QString Mnemonics::stripMnemonicMarkers(const QString& text)
{
    // Neither a marker nor a bracket that could stand for one: as it is.
    if (!text.contains(u'&') && !text.contains(u'(')) {
        return text;
    }
    QString result = text;
    bool removedMarker = false;
    qsizetype i = 0;
    while ((i = result.indexOf(u'&', i)) >= 0 && i + 1 < result.size()) {
        const QChar next = result.at(i + 1);
        if (isLetterOrNumber(next)) {
            result.remove(i, 1);
            const qsizetype before = result.size();
            result = removeBracketMnemonic(result, i);
            removedMarker = true;
            // When the bracket went, so did the letter: go on where it stood.
            i = result.size() == before ? i + 1 : std::max<qsizetype>(i - 1, 0);
        } else if (next == u'&') {
            result.remove(i, 1);
            ++i;
        } else {
            ++i;
        }
    }

    if (!removedMarker) {
        const bool wide = std::any_of(result.cbegin(), result.cend(), [](QChar c) { return c.unicode() >= 0x2E00; });
        if (wide) {
            qsizetype open = 0;
            while ((open = result.indexOf(u'(', open)) >= 0) {
                result = removeBracketMnemonic(result, open + 1);
                ++open;
            }
        }
    }
    return result;
}
} // namespace Quilt
