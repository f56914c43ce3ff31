#include "testinputplugin.h"

#include "selector.h"
#include "style.h"
#include "stylepackage.h"
#include "stylepropertygroup.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>

// The rule file, `contents/rules.txt`, holds one rule a line. Blank lines and
// lines whose first non-blank character is '#' are skipped. A line is a list
// of tokens separated by blanks: first the selector, then the properties.
//
// Selector: compounds, each a token; two compounds side by side relate as
// ancestor and descendant, a lone ">" between them as parent and child. A
// compound is an optional type name or "*" followed by any number of "#id",
// ":state" (a state name such as hovered or pressed, in any case) and ".hint"
// parts, kept in the order written. A line without selector matches every
// element.
//
// Properties: tokens of the form key=value:
//   background.color=#rrggbb or #rrggbbaa
//   text.color=#rrggbb or #rrggbbaa
//   layout.width=N, layout.height=N
//   layout.padding=N (all four sides)
//
//   Window > Button:hovered.flat background.color=#ff0000 layout.padding=4
//
// A line that breaks these rules is skipped, with a warning, and marks the
// style as having errors.

using namespace Quilt;
using namespace Quilt::Properties;

namespace
{
namespace fs = std::filesystem;

fs::path rulesFile(const fs::path& packagePath)
{
    return packagePath / "contents" / "rules.txt";
}

template<SelectorType Kind, typename Data> Selector makeSelector(Data data)
{
    return Selector(std::make_shared<const detail::SelectorPrivateModel<Kind, Data>>(std::move(data)));
}

std::optional<Element::State> stateFromName(QStringView name)
{
    const QMetaEnum states = QMetaEnum::fromType<Element::States>();
    for (int i = 0; i < states.keyCount(); ++i) {
        if (name.compare(QLatin1StringView(states.key(i)), Qt::CaseInsensitive) == 0) {
            return Element::State(states.value(i));
        }
    }
    return std::nullopt;
}

// Appends the selectors of one compound; false when it is malformed.
bool parseCompound(QStringView token, SelectorList& selectors, QString& problem)
{
    auto isMarker = [](QChar c) {
        return c == u'#' || c == u':' || c == u'.';
    };
    qsizetype i = 0;
    while (i < token.size() && !isMarker(token[i])) {
        ++i;
    }
    const QStringView type = token.first(i);
    if (type == u"*") {
        selectors.append(makeSelector<SelectorType::AnyElement>(detail::Empty {}));
    } else if (!type.isEmpty()) {
        selectors.append(makeSelector<SelectorType::Type>(type.toString()));
    }
    while (i < token.size()) {
        const QChar marker = token[i++];
        const qsizetype start = i;
        while (i < token.size() && !isMarker(token[i])) {
            ++i;
        }
        const QStringView name = token.sliced(start, i - start);
        if (name.isEmpty()) {
            problem = QStringLiteral("empty name after '%1' in \"%2\"").arg(marker).arg(token);
            return false;
        }
        if (marker == u'#') {
            selectors.append(makeSelector<SelectorType::Id>(name.toString()));
        } else if (marker == u'.') {
            selectors.append(makeSelector<SelectorType::Hint>(name.toString()));
        } else if (const std::optional<Element::State> state = stateFromName(name)) {
            selectors.append(makeSelector<SelectorType::State>(*state));
        } else {
            problem = QStringLiteral("unknown state \"%1\"").arg(name);
            return false;
        }
    }
    return true;
}

std::optional<Color> parseColor(QStringView text)
{
    if (!text.startsWith(u'#') || (text.size() != 7 && text.size() != 9)) {
        return std::nullopt;
    }
    unsigned char channels[4] = { 0, 0, 0, 255 };
    for (qsizetype c = 0; c < (text.size() - 1) / 2; ++c) {
        bool ok = false;
        const uint value = text.sliced(1 + 2 * c, 2).toUInt(&ok, 16);
        if (!ok) {
            return std::nullopt;
        }
        channels[c] = static_cast<unsigned char>(value);
    }
    return Color::rgba(channels[0], channels[1], channels[2], channels[3]);
}

std::optional<double> parseNumber(QStringView text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !qIsFinite(value)) {
        return std::nullopt;
    }
    return value;
}

BackgroundPropertyGroup* background(StylePropertyGroup& group)
{
    if (!group.background()) {
        group.setBackground(std::make_unique<BackgroundPropertyGroup>());
    }
    return group.background();
}

TextPropertyGroup* text(StylePropertyGroup& group)
{
    if (!group.text()) {
        group.setText(std::make_unique<TextPropertyGroup>());
    }
    return group.text();
}

LayoutPropertyGroup* layout(StylePropertyGroup& group)
{
    if (!group.layout()) {
        group.setLayout(std::make_unique<LayoutPropertyGroup>());
    }
    return group.layout();
}

bool parseProperty(QStringView token, StylePropertyGroup& group, QString& problem)
{
    const qsizetype equals = token.indexOf(u'=');
    const QStringView key = token.first(equals);
    const QStringView value = token.sliced(equals + 1);

    if (key == u"background.color" || key == u"text.color") {
        const std::optional<Color> color = parseColor(value);
        if (!color) {
            problem = QStringLiteral("bad colour \"%1\"").arg(value);
            return false;
        }
        if (key == u"background.color") {
            background(group)->setColor(color);
        } else {
            text(group)->setColor(color);
        }
        return true;
    }
    if (key == u"layout.width" || key == u"layout.height" || key == u"layout.padding") {
        const std::optional<double> number = parseNumber(value);
        if (!number) {
            problem = QStringLiteral("bad number \"%1\"").arg(value);
            return false;
        }
        LayoutPropertyGroup* l = layout(group);
        if (key == u"layout.width") {
            l->setWidth(number);
        } else if (key == u"layout.height") {
            l->setHeight(number);
        } else {
            auto padding = std::make_unique<SizePropertyGroup>();
            padding->setLeft(number);
            padding->setRight(number);
            padding->setTop(number);
            padding->setBottom(number);
            l->setPadding(std::move(padding));
        }
        return true;
    }
    problem = QStringLiteral("unknown property \"%1\"").arg(key);
    return false;
}

// A rule for one line; null with a problem when the line is malformed.
std::shared_ptr<StyleRule> parseLine(QStringView line, QString& problem)
{
    SelectorList selectors;
    auto properties = std::make_unique<StylePropertyGroup>();
    bool inProperties = false;
    bool combinatorPending = true; // nothing to combine before the first compound

    const QList<QStringView> tokens = line.split(u' ', Qt::SkipEmptyParts);
    for (const QStringView token : tokens) {
        if (token.contains(u'=')) {
            inProperties = true;
            if (!parseProperty(token, *properties, problem)) {
                return nullptr;
            }
            continue;
        }
        if (inProperties) {
            problem = QStringLiteral("selector \"%1\" after the properties").arg(token);
            return nullptr;
        }
        if (token == u">") {
            if (combinatorPending) {
                problem = QStringLiteral("\">\" without a compound before it");
                return nullptr;
            }
            selectors.append(makeSelector<SelectorType::Child>(detail::Empty {}));
            combinatorPending = true;
            continue;
        }
        if (!combinatorPending) {
            selectors.append(makeSelector<SelectorType::Descendant>(detail::Empty {}));
        }
        if (!parseCompound(token, selectors, problem)) {
            return nullptr;
        }
        combinatorPending = false;
    }
    if (!selectors.isEmpty() && combinatorPending) {
        problem = QStringLiteral("\">\" without a compound after it");
        return nullptr;
    }

    std::shared_ptr<StyleRule> rule = StyleRule::create();
    rule->setSelectors(selectors);
    if (properties->hasAnyValue()) {
        rule->setProperties(std::move(properties));
    }
    return rule;
}

class TestInputLoader : public StyleLoader
{
public:
    bool load(std::shared_ptr<Style> style) override
    {
        const fs::path path = rulesFile(style->path());
        const QString pathText = QString::fromStdString(path.string());
        QFile file(pathText);
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning() << "testinput: cannot read" << pathText;
            return false;
        }
        style->addCachePath(path);

        const QString contents = QString::fromUtf8(file.readAll());
        const QList<QStringView> lines = QStringView(contents).split(u'\n');
        for (qsizetype number = 0; number < lines.size(); ++number) {
            const QString line = lines[number].toString().replace(u'\t', u' ').trimmed();
            if (line.isEmpty() || line.startsWith(u'#')) {
                continue;
            }
            QString problem;
            std::shared_ptr<StyleRule> rule = parseLine(line, problem);
            if (!rule) {
                qWarning().noquote().nospace() << "testinput: " << pathText << ":" << number + 1 << ": " << problem;
                style->setHasErrors(true);
                continue;
            }
            style->insert(std::move(rule));
        }
        return true;
    }
};
} // namespace

TestInputPlugin::TestInputPlugin(QObject* parent)
    : InputPlugin(parent)
{ }

int TestInputPlugin::validatePackage(const StylePackage& package)
{
    const QFileInfo rules(QString::fromStdString(rulesFile(package.path()).string()));
    return rules.isFile() ? StylePackage::NoError : StylePackage::MissingFiles;
}

bool TestInputPlugin::createPackage(StylePackage& package, std::error_code& error)
{
    QFile file(QString::fromStdString(rulesFile(package.path()).string()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = std::make_error_code(file.error() == QFileDevice::PermissionsError ? std::errc::permission_denied
                                                                                   : std::errc::io_error);
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        error = std::make_error_code(std::errc::io_error);
        return false;
    }
    error.clear();
    return true;
}

std::shared_ptr<Style> TestInputPlugin::createStyle(const StylePackage& package)
{
    return Style::create(package.path(), std::make_unique<TestInputLoader>());
}
