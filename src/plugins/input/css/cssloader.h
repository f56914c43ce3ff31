#pragma once

#include "selector.h"
#include "style.h"

#include <cssweave.h>

#include <filesystem>
#include <memory>
#include <unordered_set>
#include <vector>

namespace Quilt::Properties
{
class StylePropertyGroup;
}

namespace Quilt::Css
{
// Fills a CSS style: reads the package's main style sheet after the system's
// default style sheet and inserts one rule per style sheet rule that has
// properties.
class CssLoader : public StyleLoader
{
public:
    CssLoader();
    ~CssLoader() override;

    // Always true: whatever the sheets hold, the rules that could be read are
    // inserted, and parse errors mark the style with hasErrors.
    bool load(std::shared_ptr<Style> style) override;

    // `contents/css/style.css` of the style being loaded; empty before load().
    // Background images resolve against its folder.
    std::filesystem::path mainStyleSheetPath() const;
    void setMainStyleSheetPath(const std::filesystem::path& path);

    // One selector per part, in order; a part that cannot be converted gives
    // an invalid selector, which keeps the list from ever matching.
    SelectorList parseSelectors(const std::vector<cssparser::SelectorPart>& parts) const;
    // Hands every property, in order, to the handler its name selects.
    void parseProperties(Properties::StylePropertyGroup& style,
                         const std::vector<cssparser::Property>& properties) const;

    // An image that a rule names, found or not: its appearance, change or
    // removal must make the style's cache file stale. Only during load().
    void recordImage(const std::filesystem::path& path, bool found) const;

private:
    void refuseDeclaration(const cssparser::Property& property, const cssparser::Value& separator) const;

    std::filesystem::path m_mainStyleSheetPath;
    mutable std::unordered_set<const cssparser::Property*> m_refused; // during load() only
    Style* m_style = nullptr; // the style being loaded, during load() only
};

} // namespace Quilt::Css
