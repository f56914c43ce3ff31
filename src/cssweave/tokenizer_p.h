#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cssparser::detail
{

enum class TokenType : std::uint8_t
{
    EndOfFile,
    Whitespace,
    Ident,
    Function, // name followed by '('
    AtKeyword,
    Hash,
    String,
    BadString,
    Url,
    BadUrl,
    Delim,
    Number,
    Percentage,
    Dimension,
    CDO, // <!--
    CDC, // -->
    Colon,
    Semicolon,
    Comma,
    LeftBracket,
    RightBracket,
    LeftParen,
    RightParen,
    LeftBrace,
    RightBrace,
};

struct Token
{
    TokenType type = TokenType::EndOfFile;
    bool isId = false; // a hash whose name would also be an identifier
    bool isInteger = false; // a number written without fraction and exponent
    bool numberOutOfRange = false; // the number does not fit a double
    bool escaped = false; // the name went through escapes: see value()
    char32_t delim = 0;
    std::uint32_t offset = 0; // first byte in the source
    std::uint32_t end = 0; // one past the last byte
    double number = 0.0;
    // Names, string contents and units as they stand in the source; when
    // escapes had to be decoded, the decoded text is in `decoded` instead.
    std::string_view raw;
    std::string decoded;

    // The name of an ident, function, at-keyword or hash; the contents of a
    // string or url; the unit of a dimension.
    std::string_view value() const { return escaped ? std::string_view(decoded) : raw; }
};

class TokenizerSink
{
public:
    virtual void lexicalError(std::uint32_t offset, std::string message) = 0;

protected:
    ~TokenizerSink() = default;
};

// Splits style sheet text into tokens. The text must be valid UTF-8 without NUL
// bytes: every byte at or above 0x80 counts as part of a name.
class Tokenizer
{
public:
    Tokenizer(std::string_view text, TokenizerSink& sink);

    // Reads the next token into `token`; comments are skipped.
    void next(Token& token);
    // Starts again at the beginning of `text`.
    void reset(std::string_view text)
    {
        m_text = text;
        m_pos = 0;
    }

private:
    int at(std::size_t ahead = 0) const
    {
        const std::size_t i = m_pos + ahead;
        return i < m_text.size() ? static_cast<unsigned char>(m_text[i]) : -1;
    }
    bool startsIdent(std::size_t ahead = 0) const;
    bool startsNumber() const;
    bool validEscapeAt(std::size_t ahead) const;
    void skipComments();
    void consumeName(Token& token, std::uint32_t start);
    void consumeEscape(std::string& out);
    void consumeNumeric(Token& token);
    void consumeIdentLike(Token& token);
    void consumeString(Token& token, char quote);
    void consumeUrl(Token& token);
    void consumeBadUrlRemnants();

    std::string_view m_text;
    std::uint32_t m_pos = 0;
    TokenizerSink& m_sink;
};

} // namespace cssparser::detail
