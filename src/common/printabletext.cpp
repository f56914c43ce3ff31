#include "printabletext.h"

namespace quilttext
{
namespace
{
void appendEscape(std::string& out, char kind, unsigned code, int digits)
{
    static const char hex[] = "0123456789abcdef";
    out += '\\';
    out += kind;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out += hex[(code >> shift) & 0xf];
    }
}

bool isBidiControl(unsigned code)
{
    return (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}
} // namespace

void appendPrintable(std::string& out, std::string_view text, Quotes quotes)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const auto next = [&](std::size_t offset) {
            return i + offset < text.size() ? static_cast<unsigned char>(text[i + offset]) : 0u;
        };
        if (quotes == Quotes::Escape && (c == '"' || c == '\\')) {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c == 0x7f) {
            appendEscape(out, 'x', c, 2);
        } else if (c == 0xc2 && next(1) >= 0x80 && next(1) <= 0x9f) {
            // A C1 control character in UTF-8; terminals act on these too.
            appendEscape(out, 'x', next(1), 2);
            i += 1;
        } else if (c == 0xe2 && (next(1) == 0x80 || next(1) == 0x81) && (next(2) & 0xc0) == 0x80
                   && isBidiControl(0x2000u | ((next(1) & 0x3fu) << 6) | (next(2) & 0x3fu))) {
            appendEscape(out, 'u', 0x2000u | ((next(1) & 0x3fu) << 6) | (next(2) & 0x3fu), 4);
            i += 2;
        } else {
            out += char(c);
        }
    }
}
} // namespace quilttext
