#include "csslogging_p.h"
#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "stylepropertygroup.h"
#include "textpropertygroup.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace Quilt::Css
{
using Properties::StylePropertyGroup;
using Properties::TextElide;
using Properties::TextPropertyGroup;
using Properties::TextWrapMode;

namespace
{
using TextCase = PropertyCase<TextPropertyGroup&, const cssparser::Property&>;
// The working font; a font case that cannot read its value drops it, and
// nothing is stored then.
using FontCase = PropertyCase<std::optional<QFont>&, const cssparser::Property&>;

// Far beyond any legible text, yet small enough that the pixel sizes QFont
// derives from it stay within int.
constexpr double maxFontSize = 10000.0;

// Sizes QFont would refuse (not positive, or not a number at all) leave the
// font as it is; QFont would do the same, but with a warning of its own.
void setPointSize(QFont& font, double size)
{
    if (std::isfinite(size) && size > 0.0) {
        font.setPointSizeF(std::min(size, maxFontSize));
    }
}

void setFontSize(std::optional<QFont>& font, const cssparser::Property& property)
{
    const cssparser::Dimension* size = dimensionAt(property, 0);
    if (!size) {
        font.reset();
        return;
    }
    const double number = double(size->number);
    switch (size->unit) {
    case cssparser::Unit::Em:
        // A font sized in pixels has no point size to scale.
        if (font->pointSizeF() > 0.0) {
            setPointSize(*font, font->pointSizeF() * number);
        }
        return;
    case cssparser::Unit::Pt:
        setPointSize(*font, number);
        return;
    case cssparser::Unit::Px:
        if (std::isfinite(number)) {
            const double pixels = std::trunc(std::min(number, maxFontSize));
            if (pixels > 0.0) {
                font->setPixelSize(int(pixels));
            }
        }
        return;
    default:
        qCWarning(lcCss, "Invalid unit for font-size");
        return;
    }
}

// QFont takes weights from 1 to 1000 and would clamp them itself, but only
// after the int has been cast to its enumeration, which cannot hold them all.
void setWeight(QFont& font, int weight)
{
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
}

void setFontWeight(std::optional<QFont>& font, const cssparser::Property& property)
{
    if (const std::optional<std::int32_t> weight = integerAt(property, 0)) {
        setWeight(*font, int(*weight));
        return;
    }
    const std::optional<QString> keyword = textAt(property, 0);
    if (!keyword) {
        font.reset();
        return;
    }
    const auto is = [&keyword](const char* word) {
        return keyword->compare(QLatin1StringView(word), Qt::CaseInsensitive) == 0;
    };
    if (is("normal")) {
        setWeight(*font, QFont::Normal);
    } else if (is("bold")) {
        setWeight(*font, QFont::Bold);
    } else if (is("bolder")) {
        setWeight(*font, int(font->weight()) + 100);
    } else if (is("lighter")) {
        setWeight(*font, int(font->weight()) - 100);
    }
}

const std::array<FontCase, 3>& fontCases()
{
    static const std::array<FontCase, 3> cases { {
        { PropertyMatcher::exact(QStringLiteral("font-family")),
          [](std::optional<QFont>& font, const cssparser::Property& property) {
              if (const std::optional<QString> family = textAt(property, 0)) {
                  font->setFamily(*family);
              } else {
                  font.reset();
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("font-size")), setFontSize },
        { PropertyMatcher::exact(QStringLiteral("font-weight")), setFontWeight },
    } };
    return cases;
}

// Each font property edits the font the rule has built so far, so that
// "font-family", "font-size" and "font-weight" of one rule make one font.
// Names no case knows ("font", "font-style") still store that font.
void parseFontProperty(TextPropertyGroup& text, const cssparser::Property& property)
{
    if (property.values.empty()) {
        return;
    }
    std::optional<QFont> font = text.font();
    if (!font) {
        font.emplace();
    }
    runFirstCase(fontCases(), propertyName(property), font, property);
    if (font) {
        text.setFont(font);
    }
}

const std::array<TextCase, 5>& textCases()
{
    static const std::array<TextCase, 5> cases { {
        { PropertyMatcher::prefix(QStringLiteral("text-alignment")), parseAlignmentProperty<TextPropertyGroup> },
        { PropertyMatcher::prefix(QStringLiteral("font")), parseFontProperty },
        { PropertyMatcher::list({ QStringLiteral("color"), QStringLiteral("text-color") }),
          [](TextPropertyGroup& text, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  text.setColor(colorFromValue(*value));
              }
          } },
        // The CSS keyword "wrap" has no key of its own: it means wrapping
        // wherever the text allows it.
        { PropertyMatcher::exact(QStringLiteral("text-wrap-mode")),
          [](TextPropertyGroup& text, const cssparser::Property& property) {
              const cssparser::Value* value = valueAt(property, 0);
              if (value && isKeyword(*value, QStringLiteral("wrap"))) {
                  text.setWrapMode(TextWrapMode::WrapAtWordBoundaryOrAnywhere);
              } else if (const auto mode = keywordAt<TextWrapMode>(property, 0)) {
                  text.setWrapMode(mode);
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("text-elide")),
          [](TextPropertyGroup& text, const cssparser::Property& property) {
              if (const auto elide = keywordAt<TextElide>(property, 0)) {
                  text.setElide(elide);
              }
          } },
    } };
    return cases;
}
} // namespace

void parseTextProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard text(style, &StylePropertyGroup::text, &StylePropertyGroup::setText);
    runFirstCase(textCases(), propertyName(property), *text, property);
}

} // namespace Quilt::Css
