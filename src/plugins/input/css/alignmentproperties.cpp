#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "alignmentpropertygroup.h"
#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "textpropertygroup.h"

namespace Quilt::Css
{
using Properties::Alignment;
using Properties::AlignmentContainer;
using Properties::AlignmentPropertyGroup;

namespace
{
using AlignmentCase = PropertyCase<AlignmentPropertyGroup&, const cssparser::Property&>;

// Only the end of the name counts, so "layout-alignment-horizontal-vertical"
// sets the vertical alignment.
const std::array<AlignmentCase, 4>& alignmentCases()
{
    static const std::array<AlignmentCase, 4> cases { {
        { PropertyMatcher::suffix(QStringLiteral("container")),
          [](AlignmentPropertyGroup& alignment, const cssparser::Property& property) {
              if (const auto container = keywordAt<AlignmentContainer>(property, 0)) {
                  alignment.setContainer(container);
              }
          } },
        { PropertyMatcher::suffix(QStringLiteral("horizontal")),
          [](AlignmentPropertyGroup& alignment, const cssparser::Property& property) {
              if (const auto horizontal = keywordAt<Alignment>(property, 0)) {
                  alignment.setHorizontal(horizontal);
              }
          } },
        { PropertyMatcher::suffix(QStringLiteral("vertical")),
          [](AlignmentPropertyGroup& alignment, const cssparser::Property& property) {
              if (const auto vertical = keywordAt<Alignment>(property, 0)) {
                  alignment.setVertical(vertical);
              }
          } },
        { PropertyMatcher::suffix(QStringLiteral("order")),
          [](AlignmentPropertyGroup& alignment, const cssparser::Property& property) {
              if (const auto order = integerAt(property, 0)) {
                  alignment.setOrder(int(*order));
              }
          } },
    } };
    return cases;
}

// "container horizontal vertical order". One value of the wrong kind spoils
// the whole declaration: half an alignment would mix with weaker rules'
// values in ways the author did not write.
void parseFourValueForm(AlignmentPropertyGroup& alignment, const cssparser::Property& property)
{
    if (property.values.size() != 4) {
        return;
    }
    const auto container = keywordAt<AlignmentContainer>(property, 0);
    const auto horizontal = keywordAt<Alignment>(property, 1);
    const auto vertical = keywordAt<Alignment>(property, 2);
    const auto order = integerAt(property, 3);
    if (!container || !horizontal || !vertical || !order) {
        return;
    }
    alignment.setContainer(container);
    alignment.setHorizontal(horizontal);
    alignment.setVertical(vertical);
    alignment.setOrder(int(*order));
}
} // namespace

template<typename Owner> void parseAlignmentProperty(Owner& owner, const cssparser::Property& property)
{
    GroupGuard alignment(owner, &Owner::alignment, &Owner::setAlignment);
    if (!runFirstCase(alignmentCases(), propertyName(property), *alignment, property)) {
        parseFourValueForm(*alignment, property);
    }
}

template void parseAlignmentProperty<Properties::LayoutPropertyGroup>(Properties::LayoutPropertyGroup&,
                                                                      const cssparser::Property&);
template void parseAlignmentProperty<Properties::TextPropertyGroup>(Properties::TextPropertyGroup&,
                                                                    const cssparser::Property&);
template void parseAlignmentProperty<Properties::IconPropertyGroup>(Properties::IconPropertyGroup&,
                                                                    const cssparser::Property&);

} // namespace Quilt::Css
