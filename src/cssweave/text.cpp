#include "text_p.h"

namespace cssparser::detail
{

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

bool asciiEqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<unsigned char>(x + 32);
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<unsigned char>(y + 32);
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

namespace
{
// Length of the valid UTF-8 sequence at `i` (NUL not allowed), or 0.
std::size_t validSequence(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(text[k]);
    };
    const unsigned char c = byte(i);
    if (c < 0x80) {
        return c == 0 ? 0 : 1;
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        code = c & 0x1F;
        minimum = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        code = c & 0x0F;
        minimum = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        code = c & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char n = byte(i + k);
        if ((n & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (n & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}
} // namespace

std::optional<std::string> sanitizeUtf8(std::string_view text, std::size_t& firstBad)
{
    std::size_t i = 0;
    // Fast scan: ASCII without NUL is by far the common case.
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c != 0 && c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = validSequence(text, i);
        if (length == 0) {
            break;
        }
        i += length;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    firstBad = i;
    std::string out;
    out.reserve(text.size() + 16);
    out.append(text.substr(0, i));
    while (i < text.size()) {
        const std::size_t length = validSequence(text, i);
        if (length == 0) {
            appendUtf8(out, 0xFFFD);
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

void LineLocator::locate(std::size_t offset, std::uint32_t& line, std::uint32_t& column)
{
    if (offset > m_text.size()) {
        offset = m_text.size();
    }
    if (offset < m_offset) {
        m_offset = 0;
        m_line = 1;
        m_column = 1;
    }
    for (std::size_t i = m_offset; i < offset; ++i) {
        const unsigned char c = static_cast<unsigned char>(m_text[i]);
        if (c == '\n' || c == '\f') {
            ++m_line;
            m_column = 1;
        } else if (c == '\r') {
            // CR LF is one line break: the LF counts it.
            if (i + 1 >= m_text.size() || m_text[i + 1] != '\n') {
                ++m_line;
                m_column = 1;
            }
        } else if ((c & 0xC0) != 0x80) {
            ++m_column;
        }
    }
    m_offset = offset;
    line = m_line;
    column = m_column;
}

} // namespace cssparser::detail
