#pragma once

// Text from outside (style sheets, package metadata, file names) made safe to
// print on a terminal: control characters (C0, DEL, C1) are written as \xNN
// and the bidirectional embedding, override and isolate characters
// (U+202A to U+202E, U+2066 to U+2069) as \uNNNN, so that such text can
// neither drive the terminal nor reorder what is printed around it.
// Standard C++ only; shared by cssweave and quilt-styletool.

#include <string>
#include <string_view>

namespace quilttext
{
enum class Quotes
{
    Keep,
    // Also puts a backslash before every double quote and backslash, for text
    // printed between double quotes.
    Escape,
};

// Appends `text`, UTF-8 or any other bytes, with the escapes above. Bytes
// that are no such character pass unchanged.
void appendPrintable(std::string& out, std::string_view text, Quotes quotes = Quotes::Keep);

inline std::string printable(std::string_view text, Quotes quotes = Quotes::Keep)
{
    std::string out;
    out.reserve(text.size());
    appendPrintable(out, text, quotes);
    return out;
}
} // namespace quilttext
