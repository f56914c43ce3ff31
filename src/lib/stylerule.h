#pragma once

#include <QDebug>
#include <QObject>

#include <memory>

#include "quiltglobal.h"
#include "selector.h"

namespace Quilt
{
namespace Properties
{
class StylePropertyGroup;
}

class StyleRulePrivate;

// A selector list paired with the property groups it applies. The rule owns
// its group; properties() lends it out.
class QUILT_EXPORT StyleRule : public QObject, public std::enable_shared_from_this<StyleRule>
{
    Q_OBJECT

public:
    static std::shared_ptr<StyleRule> create();

    // Use create(): rules are always held by shared pointers.
    explicit StyleRule(std::unique_ptr<StyleRulePrivate>&& dd);
    ~StyleRule() override;

    SelectorList selectors() const;
    void setSelectors(const SelectorList& selectors);

    // Null when the rule has no group.
    Properties::StylePropertyGroup* properties() const;
    void setProperties(std::unique_ptr<Properties::StylePropertyGroup>&& properties);

    // A rule with selectors is never empty.
    bool isEmpty() const;

private:
    friend class Style;
    friend class StyleRulePrivate;

    std::unique_ptr<StyleRulePrivate> d;
};

QUILT_EXPORT QDebug operator<<(QDebug debug, const std::shared_ptr<StyleRule>& rule);

} // namespace Quilt
