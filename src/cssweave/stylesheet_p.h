#pragma once

#include "cssweave.h"
#include "sheetparser_p.h"

#include <memory>

namespace cssparser
{

class StyleSheetPrivate
{
public:
    static StyleSheetPrivate* get(StyleSheet& sheet);

    std::filesystem::path main;
    std::vector<std::filesystem::path> defaults;
    std::unique_ptr<detail::SourceReader> reader;
    std::vector<std::filesystem::path> paths;
    std::vector<Error> errors;
    std::vector<Rule> rules;
};

namespace detail
{
// Lets tests and the fuzz target serve sheets from memory.
void setSourceReader(StyleSheet& sheet, std::unique_ptr<SourceReader> reader);
} // namespace detail

} // namespace cssparser
