#include "style.h"
#include "logging_p.h"
#include "style_p.h"
#include "stylerule_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <system_error>
#include <vector>

namespace Quilt
{
// Registered at library load, before any style can send one.
int StyleChangedEvent::s_type = QEvent::registerEventType();

namespace
{
std::atomic<quint64> s_nextSerial { 1 };
} // namespace

std::shared_ptr<Style> Style::create(const std::filesystem::path& path, std::unique_ptr<StyleLoader>&& loader)
{
    auto dd = std::make_unique<StylePrivate>();
    dd->path = path;
    dd->loader = std::move(loader);
    return std::make_shared<Style>(std::move(dd));
}

Style::Style(std::unique_ptr<StylePrivate>&& dd)
    : QObject(nullptr)
    , d(std::move(dd))
    , m_serial(s_nextSerial.fetch_add(1, std::memory_order_relaxed))
{
    if (!d) {
        d = std::make_unique<StylePrivate>();
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

Style::~Style() = default;

std::filesystem::path Style::path() const
{
    return d->path;
}

QString Style::id() const
{
    return QString::fromStdString(d->path.filename().native());
}

bool Style::hasErrors() const
{
    return d->hasErrors;
}

void Style::setHasErrors(bool hasErrors)
{
    if (d->hasErrors == hasErrors) {
        return;
    }
    d->hasErrors = hasErrors;
    Q_EMIT hasErrorsChanged();
}

StyleLoader* Style::loader() const
{
    return d->loader.get();
}

bool Style::load()
{
    // A style restored from the cache is already filled and has nothing to
    // read its sources with.
    if (!d->loader) {
        qCWarning(lcGeneral) << "Style" << id() << "has no loader and cannot be loaded";
        return false;
    }
    d->loadedFromSource = true;
    return d->loader->load(shared_from_this());
}

void Style::addCachePath(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(status)) {
        const auto time = std::filesystem::last_write_time(path, error);
        if (!error) {
            d->cachePaths.append(path);
            d->cacheTimes.append(time);
            return;
        }
    }
    qCWarning(lcGeneral) << "Ignoring non-existing cache path" << QString::fromStdString(path.native());
}

void Style::addAbsentCachePath(const std::filesystem::path& path)
{
    // Creating the file, or any missing folder on its way, adds an entry to
    // the nearest folder that exists now and so changes its time. A path
    // that exists after all (it is a folder, or appeared meanwhile) is
    // recorded itself.
    std::filesystem::path existing = path;
    for (;;) {
        std::error_code error;
        const auto status = std::filesystem::status(existing, error);
        if (!error && std::filesystem::exists(status)) {
            break;
        }
        const std::filesystem::path parent = existing.parent_path();
        if (parent.empty() || parent == existing) {
            return;
        }
        existing = parent;
    }
    std::error_code error;
    const auto time = std::filesystem::last_write_time(existing, error);
    if (error) {
        return;
    }
    for (qsizetype i = 0; i < d->cachePaths.size(); ++i) {
        if (d->cachePaths.at(i) == existing && d->cacheTimes.at(i) == time) {
            return;
        }
    }
    d->cachePaths.append(existing);
    d->cacheTimes.append(time);
}

void Style::insert(std::shared_ptr<StyleRule> rule)
{
    qCInfo(lcQuery) << "Insert" << rule;
    d->rules.append(std::move(rule));
    d->index.invalidate();
    m_serial.store(s_nextSerial.fetch_add(1, std::memory_order_relaxed), std::memory_order_relaxed);
}

QList<std::shared_ptr<StyleRule>> Style::rules() const
{
    return d->rules;
}

QList<std::shared_ptr<StyleRule>> Style::matches(const ElementChain& chain) const
{
    QList<std::shared_ptr<StyleRule>> result;
    if (d->rules.isEmpty()) {
        qCInfo(lcQuery) << "No style rules found for style" << id() << "so we will never match anything!";
        return result;
    }

    // The index tries only the rules that can match; the trace of every rule
    // tried needs the full walk.
    if (!lcQuery().isDebugEnabled()) {
        d->index.matches(d->rules, chain, result);
        return result;
    }

    struct Match
    {
        int weight;
        const std::shared_ptr<StyleRule>* rule;
    };
    // Latest match first, so that the stable sort below keeps the rule
    // inserted later ahead of an earlier one of equal weight.
    std::vector<Match> matched;
    for (const auto& rule : std::as_const(d->rules)) {
        const SelectorList& selectors = rule->d->selectors;
        if (selectors.matches(chain)) {
            qCDebug(lcQuery) << "Matches selector" << selectors;
            matched.push_back({ selectors.weight(), &rule });
        } else {
            qCDebug(lcQuery) << "Does not match selectors" << selectors;
        }
    }
    std::reverse(matched.begin(), matched.end());
    std::stable_sort(matched.begin(), matched.end(),
                     [](const Match& a, const Match& b) { return a.weight > b.weight; });

    result.reserve(qsizetype(matched.size()));
    for (const Match& match : matched) {
        result.append(*match.rule);
    }
    return result;
}

bool Style::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application, so this sees every event of the process:
    // the type test comes first.
    if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance()) {
        StyleChangedEvent changed;
        QCoreApplication::sendEvent(this, &changed);
    }
    return QObject::eventFilter(watched, event);
}

quint64 styleSerial(const Style& style)
{
    return style.m_serial.load(std::memory_order_relaxed);
}

void writeRuleRecord(QDataStream& stream, const StyleRule& rule)
{
    const Properties::StylePropertyGroup* properties = rule.properties();
    stream << rule.selectors();
    stream << bool(properties != nullptr);
    if (properties) {
        stream << properties;
    }
}

void readRuleRecord(QDataStream& stream, StyleRule& rule, UnknownSelectorKinds unknownKinds)
{
    SelectorList selectors;
    readSelectorList(stream, selectors, unknownKinds);
    rule.setSelectors(selectors);

    bool hasProperties = false;
    stream >> hasProperties;
    if (stream.status() != QDataStream::Ok || !hasProperties) {
        return;
    }
    std::unique_ptr<Properties::StylePropertyGroup> properties;
    stream >> properties;
    if (stream.status() == QDataStream::Ok) {
        rule.setProperties(std::move(properties));
    }
}

} // namespace Quilt
