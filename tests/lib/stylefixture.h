#pragma once

// Small builders for styles, rules and element chains, shared by the style and
// query tests.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "element.h"
#include "selector.h"
#include "style.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

namespace StyleFixture
{
using namespace Quilt;
using namespace Quilt::detail;

inline Selector typeSelector(const QString& type)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Type, QString>>(type));
}

inline Selector idSelector(const QString& id)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Id, QString>>(id));
}

inline Selector hintSelector(const QString& hint)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Hint, QString>>(hint));
}

inline Selector stateSelector(Element::State state)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::State, Element::State>>(state));
}

inline Selector descendant()
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Descendant, Empty>>(Empty {}));
}

// A group that sets the layout width and the display opacity, each when given.
inline std::unique_ptr<Properties::StylePropertyGroup> group(std::optional<double> width,
                                                             std::optional<double> opacity = std::nullopt)
{
    auto result = std::make_unique<Properties::StylePropertyGroup>();
    if (width) {
        auto layout = std::make_unique<Properties::LayoutPropertyGroup>();
        layout->setWidth(width);
        result->setLayout(std::move(layout));
    }
    if (opacity) {
        auto display = std::make_unique<Properties::DisplayPropertyGroup>();
        display->setOpacity(opacity);
        result->setDisplay(std::move(display));
    }
    return result;
}

// The name lands in the rule's objectName, so tests can tell rules apart.
inline std::shared_ptr<StyleRule> rule(const QString& name, const SelectorList& selectors,
                                       std::unique_ptr<Properties::StylePropertyGroup>&& properties = nullptr)
{
    auto result = StyleRule::create();
    result->setObjectName(name);
    result->setSelectors(selectors);
    result->setProperties(std::move(properties));
    return result;
}

inline std::shared_ptr<Style> style(const QString& name = QStringLiteral("halcyon"))
{
    return Style::create(std::filesystem::path("/styles") / name.toStdString(), nullptr);
}

inline std::shared_ptr<Element> element(const QString& type, const QStringList& hints = {}, Element::States states = {})
{
    auto result = Element::create();
    result->setType(type);
    result->setHints(hints);
    result->setStates(states);
    return result;
}

inline QStringList names(const QList<std::shared_ptr<StyleRule>>& rules)
{
    QStringList result;
    for (const auto& rule : rules) {
        result << rule->objectName();
    }
    return result;
}
} // namespace StyleFixture
