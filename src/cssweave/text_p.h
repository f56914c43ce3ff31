#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cssparser::detail
{

void appendUtf8(std::string& out, char32_t code);

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t utf8SequenceLength(unsigned char lead);

bool asciiEqualsIgnoringCase(std::string_view a, std::string_view b);

// When `text` is not valid UTF-8 or holds NUL bytes, returns a copy in which
// every bad sequence and NUL is U+FFFD, and sets `firstBad` to the offset of
// the first one. Returns nothing when the text is fine as it is.
std::optional<std::string> sanitizeUtf8(std::string_view text, std::size_t& firstBad);

// Converts byte offsets into 1-based lines and columns (columns count
// characters). Fast for offsets asked in increasing order.
class LineLocator
{
public:
    explicit LineLocator(std::string_view text)
        : m_text(text)
    { }
    void reset(std::string_view text) { *this = LineLocator(text); }
    void locate(std::size_t offset, std::uint32_t& line, std::uint32_t& column);

private:
    std::string_view m_text;
    std::size_t m_offset = 0;
    std::uint32_t m_line = 1;
    std::uint32_t m_column = 1;
};

} // namespace cssparser::detail
