#include "tokenizer_p.h"

#include "text_p.h"

#include <charconv>

namespace cssparser::detail
{
namespace
{
bool isNewline(int c)
{
    return c == '\n' || c == '\r' || c == '\f';
}

bool isWhitespace(int c)
{
    return c == ' ' || c == '\t' || isNewline(c);
}

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(int c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(int c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    return (c | 0x20) - 'a' + 10;
}

bool isNameStart(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}

bool isNameChar(int c)
{
    return isNameStart(c) || isDigit(c) || c == '-';
}

// Reads a number as written (an optional sign, digits, fraction, exponent).
// Numbers too small for a double become 0; too large ones are flagged.
double toDouble(std::string_view text, bool& outOfRange)
{
    outOfRange = false;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports underflow and overflow alike; the sign of the
        // exponent tells them apart.
        const auto e = text.find_first_of("eE");
        if (e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-') {
            value = 0.0;
        } else {
            outOfRange = true;
            value = 0.0;
        }
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}
} // namespace

Tokenizer::Tokenizer(std::string_view text, TokenizerSink& sink)
    : m_text(text)
    , m_sink(sink)
{ }

bool Tokenizer::validEscapeAt(std::size_t ahead) const
{
    return at(ahead) == '\\' && !isNewline(at(ahead + 1));
}

bool Tokenizer::startsIdent(std::size_t ahead) const
{
    const int c = at(ahead);
    if (c == '-') {
        const int n = at(ahead + 1);
        return isNameStart(n) || n == '-' || validEscapeAt(ahead + 1);
    }
    if (isNameStart(c)) {
        return true;
    }
    return validEscapeAt(ahead);
}

bool Tokenizer::startsNumber() const
{
    const int c = at();
    if (c == '+' || c == '-') {
        return isDigit(at(1)) || (at(1) == '.' && isDigit(at(2)));
    }
    if (c == '.') {
        return isDigit(at(1));
    }
    return isDigit(c);
}

void Tokenizer::skipComments()
{
    while (at() == '/' && at(1) == '*') {
        const auto close = m_text.find("*/", m_pos + 2);
        if (close == std::string_view::npos) {
            m_sink.lexicalError(m_pos, "unterminated comment: \"/*\" without \"*/\" hides the rest of the file");
            m_pos = static_cast<std::uint32_t>(m_text.size());
            return;
        }
        m_pos = static_cast<std::uint32_t>(close + 2);
    }
}

void Tokenizer::consumeEscape(std::string& out)
{
    // The backslash is already consumed.
    const int c = at();
    if (c < 0) {
        appendUtf8(out, 0xFFFD);
        return;
    }
    if (isHexDigit(c)) {
        char32_t code = 0;
        int digits = 0;
        while (digits < 6 && isHexDigit(at())) {
            code = code * 16 + static_cast<char32_t>(hexValue(at()));
            ++m_pos;
            ++digits;
        }
        if (at() == '\r' && at(1) == '\n') {
            m_pos += 2;
        } else if (isWhitespace(at())) {
            ++m_pos;
        }
        if (code == 0 || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            code = 0xFFFD;
        }
        appendUtf8(out, code);
        return;
    }
    const std::size_t length = utf8SequenceLength(static_cast<unsigned char>(c));
    out.append(m_text.substr(m_pos, length));
    m_pos += static_cast<std::uint32_t>(length);
}

void Tokenizer::consumeName(Token& token, std::uint32_t start)
{
    // Fast path: names without escapes stay views into the source.
    while (isNameChar(at())) {
        ++m_pos;
    }
    if (!validEscapeAt(0)) {
        token.escaped = false;
        token.raw = m_text.substr(start, m_pos - start);
        return;
    }
    token.escaped = true;
    token.decoded.assign(m_text.substr(start, m_pos - start));
    for (;;) {
        const int c = at();
        if (isNameChar(c)) {
            const std::uint32_t from = m_pos;
            while (isNameChar(at())) {
                ++m_pos;
            }
            token.decoded.append(m_text.substr(from, m_pos - from));
        } else if (validEscapeAt(0)) {
            ++m_pos;
            consumeEscape(token.decoded);
        } else {
            break;
        }
    }
}

void Tokenizer::consumeNumeric(Token& token)
{
    const std::uint32_t start = m_pos;
    bool integer = true;
    if (at() == '+' || at() == '-') {
        ++m_pos;
    }
    while (isDigit(at())) {
        ++m_pos;
    }
    if (at() == '.' && isDigit(at(1))) {
        integer = false;
        m_pos += 1;
        while (isDigit(at())) {
            ++m_pos;
        }
    }
    if ((at() == 'e' || at() == 'E') && (isDigit(at(1)) || ((at(1) == '+' || at(1) == '-') && isDigit(at(2))))) {
        integer = false;
        m_pos += isDigit(at(1)) ? 1 : 2;
        while (isDigit(at())) {
            ++m_pos;
        }
    }
    token.isInteger = integer;
    token.number = toDouble(m_text.substr(start, m_pos - start), token.numberOutOfRange);
    if (startsIdent()) {
        token.type = TokenType::Dimension;
        consumeName(token, m_pos);
    } else if (at() == '%') {
        ++m_pos;
        token.type = TokenType::Percentage;
    } else {
        token.type = TokenType::Number;
    }
}

void Tokenizer::consumeIdentLike(Token& token)
{
    consumeName(token, m_pos);
    if (at() != '(') {
        token.type = TokenType::Ident;
        return;
    }
    ++m_pos;
    if (asciiEqualsIgnoringCase(token.value(), "url")) {
        // url( followed by a quote is an ordinary function whose argument is
        // a string; otherwise the whole url is one token.
        std::size_t ahead = 0;
        while (isWhitespace(at(ahead))) {
            ++ahead;
        }
        if (at(ahead) != '"' && at(ahead) != '\'') {
            m_pos += static_cast<std::uint32_t>(ahead);
            consumeUrl(token);
            return;
        }
    }
    token.type = TokenType::Function;
}

void Tokenizer::consumeString(Token& token, char quote)
{
    const std::uint32_t start = m_pos - 1;
    token.type = TokenType::String;
    const std::uint32_t contentStart = m_pos;
    // Fast path: no escapes.
    for (;;) {
        const int c = at();
        if (c == quote) {
            token.escaped = false;
            token.raw = m_text.substr(contentStart, m_pos - contentStart);
            ++m_pos;
            return;
        }
        if (c < 0 || c == '\\' || isNewline(c)) {
            break;
        }
        ++m_pos;
    }
    token.escaped = true;
    token.decoded.assign(m_text.substr(contentStart, m_pos - contentStart));
    for (;;) {
        const int c = at();
        if (c == quote) {
            ++m_pos;
            return;
        }
        if (c < 0) {
            m_sink.lexicalError(start, "unterminated string: the closing quote is missing");
            return;
        }
        if (isNewline(c)) {
            m_sink.lexicalError(start,
                                "unterminated string: a string must end on the line where it starts "
                                "(write \\A for a line break)");
            token.type = TokenType::BadString;
            return;
        }
        if (c == '\\') {
            const int n = at(1);
            if (n < 0) {
                ++m_pos;
            } else if (isNewline(n)) {
                m_pos += (n == '\r' && at(2) == '\n') ? 3 : 2;
            } else {
                ++m_pos;
                consumeEscape(token.decoded);
            }
            continue;
        }
        const std::uint32_t from = m_pos;
        while (at() >= 0 && at() != quote && at() != '\\' && !isNewline(at())) {
            ++m_pos;
        }
        token.decoded.append(m_text.substr(from, m_pos - from));
    }
}

void Tokenizer::consumeBadUrlRemnants()
{
    for (;;) {
        const int c = at();
        if (c < 0) {
            return;
        }
        if (c == ')') {
            ++m_pos;
            return;
        }
        if (validEscapeAt(0)) {
            ++m_pos;
            std::string ignored;
            consumeEscape(ignored);
        } else {
            ++m_pos;
        }
    }
}

void Tokenizer::consumeUrl(Token& token)
{
    const std::uint32_t start = token.offset;
    token.type = TokenType::Url;
    token.escaped = true;
    token.decoded.clear();
    for (;;) {
        const int c = at();
        if (c == ')') {
            ++m_pos;
            return;
        }
        if (c < 0) {
            m_sink.lexicalError(start, "unterminated url(): the closing \")\" is missing");
            return;
        }
        if (isWhitespace(c)) {
            while (isWhitespace(at())) {
                ++m_pos;
            }
            if (at() == ')') {
                ++m_pos;
                return;
            }
            if (at() < 0) {
                m_sink.lexicalError(start, "unterminated url(): the closing \")\" is missing");
                return;
            }
            m_sink.lexicalError(m_pos, "a url without quotes cannot contain spaces; put it in quotes");
            consumeBadUrlRemnants();
            token.type = TokenType::BadUrl;
            return;
        }
        if (c == '"' || c == '\'' || c == '(' || (c < 0x20 && c != '\t') || c == 0x7F) {
            m_sink.lexicalError(m_pos,
                                "a url without quotes cannot contain quotes, \"(\" or control characters; "
                                "put it in quotes");
            consumeBadUrlRemnants();
            token.type = TokenType::BadUrl;
            return;
        }
        if (c == '\\') {
            if (validEscapeAt(0)) {
                ++m_pos;
                consumeEscape(token.decoded);
                continue;
            }
            m_sink.lexicalError(m_pos, "a backslash at the end of a line is not allowed in a url");
            consumeBadUrlRemnants();
            token.type = TokenType::BadUrl;
            return;
        }
        const std::uint32_t from = m_pos;
        while (at() >= 0x21 && at() != ')' && at() != '"' && at() != '\'' && at() != '(' && at() != '\\'
               && at() != 0x7F) {
            ++m_pos;
        }
        if (m_pos == from) {
            // A byte the loop above refuses but the checks before let through.
            ++m_pos;
        }
        token.decoded.append(m_text.substr(from, m_pos - from));
    }
}

void Tokenizer::next(Token& token)
{
    skipComments();
    token.offset = m_pos;
    token.escaped = false;
    token.isId = false;
    token.isInteger = false;
    token.numberOutOfRange = false;
    token.raw = {};
    token.delim = 0;
    token.number = 0.0;

    const int c = at();
    if (c < 0) {
        token.type = TokenType::EndOfFile;
        token.end = m_pos;
        return;
    }
    if (isWhitespace(c)) {
        while (isWhitespace(at())) {
            ++m_pos;
        }
        token.type = TokenType::Whitespace;
    } else if (isNameStart(c)) {
        consumeIdentLike(token);
    } else if (isDigit(c)) {
        consumeNumeric(token);
    } else {
        switch (c) {
        case '"':
        case '\'':
            ++m_pos;
            consumeString(token, static_cast<char>(c));
            break;
        case '#':
            if (isNameChar(at(1)) || validEscapeAt(1)) {
                ++m_pos;
                token.type = TokenType::Hash;
                token.isId = startsIdent();
                consumeName(token, m_pos);
            } else {
                ++m_pos;
                token.type = TokenType::Delim;
                token.delim = '#';
            }
            break;
        case '(':
            ++m_pos;
            token.type = TokenType::LeftParen;
            break;
        case ')':
            ++m_pos;
            token.type = TokenType::RightParen;
            break;
        case '[':
            ++m_pos;
            token.type = TokenType::LeftBracket;
            break;
        case ']':
            ++m_pos;
            token.type = TokenType::RightBracket;
            break;
        case '{':
            ++m_pos;
            token.type = TokenType::LeftBrace;
            break;
        case '}':
            ++m_pos;
            token.type = TokenType::RightBrace;
            break;
        case ',':
            ++m_pos;
            token.type = TokenType::Comma;
            break;
        case ':':
            ++m_pos;
            token.type = TokenType::Colon;
            break;
        case ';':
            ++m_pos;
            token.type = TokenType::Semicolon;
            break;
        case '+':
        case '.':
            if (startsNumber()) {
                consumeNumeric(token);
            } else {
                ++m_pos;
                token.type = TokenType::Delim;
                token.delim = static_cast<char32_t>(c);
            }
            break;
        case '-':
            if (startsNumber()) {
                consumeNumeric(token);
            } else if (at(1) == '-' && at(2) == '>') {
                m_pos += 3;
                token.type = TokenType::CDC;
            } else if (startsIdent()) {
                consumeIdentLike(token);
            } else {
                ++m_pos;
                token.type = TokenType::Delim;
                token.delim = '-';
            }
            break;
        case '<':
            if (at(1) == '!' && at(2) == '-' && at(3) == '-') {
                m_pos += 4;
                token.type = TokenType::CDO;
            } else {
                ++m_pos;
                token.type = TokenType::Delim;
                token.delim = '<';
            }
            break;
        case '@':
            ++m_pos;
            if (startsIdent()) {
                token.type = TokenType::AtKeyword;
                consumeName(token, m_pos);
            } else {
                token.type = TokenType::Delim;
                token.delim = '@';
            }
            break;
        case '\\':
            if (validEscapeAt(0)) {
                consumeIdentLike(token);
            } else {
                m_sink.lexicalError(m_pos, "a backslash at the end of a line escapes nothing");
                ++m_pos;
                token.type = TokenType::Delim;
                token.delim = '\\';
            }
            break;
        default:
            ++m_pos;
            token.type = TokenType::Delim;
            token.delim = static_cast<char32_t>(c);
            break;
        }
    }
    token.end = m_pos;
}

} // namespace cssparser::detail
