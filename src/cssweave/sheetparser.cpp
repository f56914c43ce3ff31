#include "sheetparser_p.h"

#include "namedcolors_p.h"
#include "printabletext.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace cssparser::detail
{
namespace
{
struct UnitName
{
    std::string_view name;
    Unit unit;
};

constexpr UnitName unitNames[] = {
    { "px", Unit::Px },   { "pt", Unit::Pt },     { "em", Unit::Em },   { "rem", Unit::Rem },   { "ex", Unit::Ex },
    { "ch", Unit::Ch },   { "in", Unit::In },     { "cm", Unit::Cm },   { "mm", Unit::Mm },     { "q", Unit::Q },
    { "pc", Unit::Pc },   { "vw", Unit::Vw },     { "vh", Unit::Vh },   { "vmin", Unit::Vmin }, { "vmax", Unit::Vmax },
    { "deg", Unit::Deg }, { "grad", Unit::Grad }, { "rad", Unit::Rad }, { "turn", Unit::Turn }, { "s", Unit::S },
    { "ms", Unit::Ms },
};

std::string inQuotes(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    out.append(text);
    out.push_back('"');
    return out;
}

// At most `longest` bytes of `text`, cut at a character boundary.
std::string excerpt(std::string_view text)
{
    constexpr std::size_t longest = 40;
    if (text.size() <= longest) {
        return std::string(text);
    }
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "...";
}

std::uint8_t channelFromNumber(double number)
{
    return static_cast<std::uint8_t>(std::clamp(std::round(number), 0.0, 255.0));
}

std::uint8_t channelFromFraction(double fraction)
{
    return channelFromNumber(fraction * 255.0);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

// ---------------------------------------------------------------------------
// Session

Session::Session(SourceReader& reader, std::vector<std::filesystem::path>& paths, std::vector<Error>& errors,
                 std::vector<Rule>& rules)
    : m_reader(reader)
    , m_paths(paths)
    , m_errors(errors)
    , m_rules(rules)
{ }

void Session::addError(Error error)
{
    error.message = quilttext::printable(error.message);
    m_errors.push_back(std::move(error));
}

void Session::readTopLevel(const std::filesystem::path& path)
{
    readSheet(path, nullptr, 0, 0);
}

void Session::readImport(SheetParser& from, std::string_view url, std::uint32_t offset)
{
    const std::filesystem::path target(url);
    if (target.is_absolute()) {
        readSheet(target, &from, offset, from.importDepth() + 1);
    } else {
        readSheet(from.path().parent_path() / target, &from, offset, from.importDepth() + 1);
    }
}

void Session::readSheet(const std::filesystem::path& path, SheetParser* from, std::uint32_t offset, int depth)
{
    if (m_stopped) {
        return;
    }
    const auto report = [&](std::string message) {
        if (from) {
            from->error(offset, std::move(message));
        } else {
            addError(Error { path.string(), 1, 1, std::move(message) });
        }
    };
    if (depth > Limits::maxImportDepth) {
        report("imports are nested more than " + std::to_string(Limits::maxImportDepth) + " deep; "
               + inQuotes(path.string()) + " is not read");
        return;
    }
    const std::string identity = m_reader.identify(path);
    if (std::find(m_importStack.begin(), m_importStack.end(), identity) != m_importStack.end()) {
        report("import cycle: " + inQuotes(path.string()) + " is already being read");
        return;
    }
    // A file imported again is not read again: its rules take their place
    // once more, and it counts once against the limit.
    if (const auto done = m_read.find(identity); done != m_read.end()) {
        repeatRules(done->second, from, offset, path);
        return;
    }
    if (m_read.size() >= static_cast<std::size_t>(Limits::maxSheets)) {
        report("more than " + std::to_string(Limits::maxSheets) + " style sheets to read; " + inQuotes(path.string())
               + " is not read");
        return;
    }
    std::string readIdentity;
    std::string text;
    std::string reason;
    if (!m_reader.read(path, readIdentity, text, reason)) {
        report("cannot read the style sheet " + inQuotes(path.string()) + ": " + reason);
        return;
    }
    // Marked as read before its own imports are read, so that it counts
    // against the limit from now on; its range is complete once it is done.
    RuleRange& range = m_read[identity];
    range.first = m_rules.size();
    m_paths.push_back(path);
    m_importStack.push_back(identity);
    SheetParser parser(*this, path, text, depth);
    parser.run();
    m_importStack.pop_back();
    m_read[identity].end = m_rules.size();
}

bool Session::repeatRules(RuleRange range, SheetParser* from, std::uint32_t offset, const std::filesystem::path& path)
{
    const std::size_t count = range.end - range.first;
    if (m_rules.size() + count > Limits::maxRules) {
        const std::string message = "the style sheets hold more than " + std::to_string(Limits::maxRules)
            + " rules; reading stops at " + inQuotes(path.string());
        if (from) {
            from->error(offset, message);
        } else {
            addError(Error { path.string(), 1, 1, message });
        }
        m_stopped = true;
        return false;
    }
    m_rules.reserve(m_rules.size() + count);
    for (std::size_t i = range.first; i < range.end; ++i) {
        m_rules.push_back(m_rules[i]);
    }
    return true;
}

bool Session::countValue(SheetParser& from, std::uint32_t offset)
{
    if (++m_values > Limits::maxValues) {
        from.error(offset,
                   "the style sheets hold more than " + std::to_string(Limits::maxValues)
                       + " property values; reading stops here");
        m_stopped = true;
        return false;
    }
    return true;
}

bool Session::countSelectorPart(SheetParser& from, std::uint32_t offset)
{
    if (++m_selectorParts > Limits::maxValues) {
        from.error(offset,
                   "the style sheets hold more than " + std::to_string(Limits::maxValues)
                       + " selector parts; reading stops here");
        m_stopped = true;
        return false;
    }
    return true;
}

bool Session::addRules(SheetParser& from, std::uint32_t offset, std::vector<std::vector<SelectorPart>>&& selectors,
                       std::vector<Property>&& properties)
{
    if (m_rules.size() + selectors.size() > Limits::maxRules) {
        from.error(offset,
                   "the style sheets hold more than " + std::to_string(Limits::maxRules)
                       + " rules; reading stops here");
        m_stopped = true;
        return false;
    }
    auto shared = std::make_shared<const std::vector<Property>>(std::move(properties));
    for (auto& parts : selectors) {
        m_rules.emplace_back(std::move(parts), shared);
    }
    return true;
}

// ---------------------------------------------------------------------------
// SheetParser: token stream and error recovery

SheetParser::SheetParser(Session& session, const std::filesystem::path& path, std::string_view text, int depth)
    : m_session(session)
    , m_path(path)
    , m_fileName(path.string())
    , m_text(text)
    , m_importDepth(depth)
    , m_tokenizer(text, *this)
    , m_locator(text)
{
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF") {
        // A byte order mark says nothing that a UTF-8 reader needs.
        m_text.remove_prefix(3);
    }
    std::size_t firstBad = 0;
    auto repaired = sanitizeUtf8(m_text, firstBad);
    if (repaired) {
        m_sanitized = std::move(*repaired);
        m_text = m_sanitized;
    }
    m_tokenizer.reset(m_text);
    m_locator.reset(m_text);
    if (repaired) {
        error(static_cast<std::uint32_t>(firstBad),
              "the file is not valid UTF-8 text (or holds NUL characters); such bytes are read as U+FFFD");
    }
}

void SheetParser::error(std::uint32_t offset, std::string message)
{
    if (m_stopped || m_session.stopped()) {
        return;
    }
    std::uint32_t line = 1;
    std::uint32_t column = 1;
    m_locator.locate(offset, line, column);
    m_session.addError(Error { m_fileName, line, column, std::move(message) });
    if (++m_errorCount >= Limits::maxErrorsPerFile) {
        m_session.addError(Error { m_fileName, line, column,
                                   "too many errors (" + std::to_string(Limits::maxErrorsPerFile)
                                       + "); the rest of this file is not read" });
        m_stopped = true;
    }
}

void SheetParser::advance()
{
    m_closedBlock = false;
    if (m_stopped || m_session.stopped()) {
        m_token.type = TokenType::EndOfFile;
        m_token.offset = m_token.end = static_cast<std::uint32_t>(m_text.size());
        return;
    }
    m_tokenizer.next(m_token);
    char closer = 0;
    switch (m_token.type) {
    case TokenType::Function:
    case TokenType::LeftParen:
        closer = ')';
        break;
    case TokenType::LeftBracket:
        closer = ']';
        break;
    case TokenType::LeftBrace:
        closer = '}';
        break;
    case TokenType::RightParen:
    case TokenType::RightBracket:
    case TokenType::RightBrace: {
        const char expected = m_token.type == TokenType::RightParen ? ')'
            : m_token.type == TokenType::RightBracket               ? ']'
                                                                    : '}';
        if (!m_nesting.empty() && m_nesting.back() == expected) {
            m_nesting.pop_back();
            m_closedBlock = true;
        }
        return;
    }
    default:
        return;
    }
    if (depth() >= Limits::maxNesting) {
        error(m_token.offset,
              "brackets, parentheses and braces are nested more than " + std::to_string(Limits::maxNesting)
                  + " deep; the rest of this file is not read");
        m_stopped = true;
        m_token.type = TokenType::EndOfFile;
        return;
    }
    m_nesting.push_back(closer);
}

void SheetParser::skipWhitespace()
{
    while (m_token.type == TokenType::Whitespace) {
        advance();
    }
}

bool SheetParser::closes(TokenType type, int openDepth) const
{
    return m_token.type == type && m_closedBlock && depth() == openDepth - 1;
}

std::string SheetParser::describe() const
{
    switch (m_token.type) {
    case TokenType::EndOfFile:
        return "end of file";
    case TokenType::Whitespace:
        return "white space";
    default:
        break;
    }
    return inQuotes(excerpt(m_text.substr(m_token.offset, m_token.end - m_token.offset)));
}

// Skips a top-level statement: up to and including its ';', or its {} block.
void SheetParser::skipStatement()
{
    for (;;) {
        if (m_token.type == TokenType::EndOfFile) {
            return;
        }
        if (m_token.type == TokenType::Semicolon && depth() == 0) {
            advance();
            return;
        }
        if (m_token.type == TokenType::LeftBrace && depth() == 1) {
            skipBlock();
            return;
        }
        advance();
    }
}

// Skips the {} block whose '{' is the current token, up to and past its '}'.
void SheetParser::skipBlock()
{
    const int blockDepth = depth();
    advance();
    while (m_token.type != TokenType::EndOfFile && !closes(TokenType::RightBrace, blockDepth)) {
        advance();
    }
    advance();
}

// Skips the rest of a declaration in a block opened at `blockDepth`: up to and
// including its ';', up to the block's '}', or past a nested {} block.
void SheetParser::skipDeclaration(int blockDepth)
{
    for (;;) {
        if (m_token.type == TokenType::EndOfFile) {
            return;
        }
        if (depth() == blockDepth && m_token.type == TokenType::Semicolon) {
            advance();
            return;
        }
        if (closes(TokenType::RightBrace, blockDepth)) {
            return;
        }
        if (m_token.type == TokenType::LeftBrace && depth() == blockDepth + 1) {
            skipBlock();
            return;
        }
        advance();
    }
}

// Skips a rule whose selector is bad: up to its {} block and past it.
void SheetParser::skipBadRule()
{
    for (;;) {
        if (m_token.type == TokenType::EndOfFile) {
            return;
        }
        if (m_token.type == TokenType::LeftBrace && depth() == 1 && !m_closedBlock) {
            skipBlock();
            return;
        }
        advance();
    }
}

// Skips to the ')' that closes the function opened at `functionDepth` and past it.
bool SheetParser::skipFunctionArguments(int functionDepth)
{
    while (!closes(TokenType::RightParen, functionDepth)) {
        if (m_token.type == TokenType::EndOfFile) {
            error(m_token.offset, "the closing \")\" is missing");
            return false;
        }
        advance();
    }
    advance();
    return true;
}

// ---------------------------------------------------------------------------
// Statements

void SheetParser::run()
{
    advance();
    for (;;) {
        while (m_token.type == TokenType::Whitespace || m_token.type == TokenType::CDO
               || m_token.type == TokenType::CDC) {
            advance();
        }
        if (m_token.type == TokenType::EndOfFile) {
            return;
        }
        if (m_token.type == TokenType::AtKeyword) {
            parseAtRule();
        } else if (m_token.type == TokenType::RightBrace && depth() == 0) {
            error(m_token.offset, "unexpected \"}\": there is no block to close");
            advance();
        } else {
            parseQualifiedRule();
        }
    }
}

void SheetParser::parseAtRule()
{
    const std::uint32_t at = m_token.offset;
    const std::string name(m_token.value());
    if (asciiEqualsIgnoringCase(name, "import")) {
        parseImport(at);
        return;
    }
    if (asciiEqualsIgnoringCase(name, "charset")) {
        parseCharset(at);
        return;
    }
    m_seenRule = true;
    error(at, "unknown at-rule \"@" + excerpt(name) + "\"; it is skipped");
    advance();
    skipStatement();
}

void SheetParser::parseImport(std::uint32_t at)
{
    advance();
    skipWhitespace();
    std::string url;
    switch (m_token.type) {
    case TokenType::String:
    case TokenType::Url:
        url = m_token.value();
        advance();
        break;
    case TokenType::Function:
        if (asciiEqualsIgnoringCase(m_token.value(), "url")) {
            const int functionDepth = depth();
            advance();
            skipWhitespace();
            if (m_token.type == TokenType::String) {
                url = m_token.value();
                advance();
                skipWhitespace();
                if (closes(TokenType::RightParen, functionDepth)) {
                    advance();
                    break;
                }
            }
        }
        [[fallthrough]];
    default:
        if (m_token.type != TokenType::BadString && m_token.type != TokenType::BadUrl) {
            error(m_token.offset, "@import needs the file to read, as in @import \"base.css\";");
        }
        skipStatement();
        return;
    }
    skipWhitespace();
    if (m_token.type != TokenType::Semicolon && m_token.type != TokenType::EndOfFile) {
        error(m_token.offset,
              "@import takes only a file name: media queries and other conditions are not "
              "supported, so this @import is ignored");
        skipStatement();
        return;
    }
    advance();
    if (m_seenRule) {
        error(at, "@import must come before all rules; this one is ignored");
        return;
    }
    if (url.empty()) {
        error(at, "@import with an empty file name");
        return;
    }
    m_session.readImport(*this, url, at);
}

void SheetParser::parseCharset(std::uint32_t at)
{
    advance();
    skipWhitespace();
    if (m_token.type == TokenType::String) {
        const bool utf8 = asciiEqualsIgnoringCase(m_token.value(), "utf-8");
        advance();
        skipWhitespace();
        if (m_token.type == TokenType::Semicolon) {
            advance();
            if (!utf8) {
                error(at, "style sheets are always read as UTF-8; this @charset is ignored");
            }
            return;
        }
    }
    error(at, "@charset is written @charset \"utf-8\";");
    skipStatement();
}

void SheetParser::parseQualifiedRule()
{
    m_seenRule = true;
    const std::uint32_t start = m_token.offset;
    Selectors selectors;
    if (!parseSelectorList(selectors)) {
        skipBadRule();
        return;
    }
    // The current token is the '{' of the rule's block.
    const std::uint32_t blockStart = m_token.offset;
    const int blockDepth = depth();
    advance();
    std::vector<Property> properties;
    parseDeclarations(properties, blockStart, blockDepth);
    if (m_stopped || m_session.stopped()) {
        // Reading ended inside this rule; half a rule is worse than none.
        return;
    }
    m_session.addRules(*this, start, std::move(selectors), std::move(properties));
}

// ---------------------------------------------------------------------------
// Selectors

bool SheetParser::parseSelectorList(Selectors& selectors)
{
    for (;;) {
        std::vector<SelectorPart> parts;
        if (!parseComplexSelector(parts)) {
            return false;
        }
        selectors.push_back(std::move(parts));
        if (m_token.type == TokenType::Comma) {
            advance();
            continue;
        }
        return true;
    }
}

bool SheetParser::addSelectorPart(std::vector<SelectorPart>& parts, SelectorPart part, std::uint32_t offset)
{
    if (!m_session.countSelectorPart(*this, offset)) {
        return false;
    }
    parts.push_back(std::move(part));
    return true;
}

bool SheetParser::parseComplexSelector(std::vector<SelectorPart>& parts)
{
    skipWhitespace();
    bool compoundOpen = false;
    bool whitespaceSeen = false;
    for (;;) {
        switch (m_token.type) {
        case TokenType::Whitespace:
            whitespaceSeen = compoundOpen;
            advance();
            continue;
        case TokenType::LeftBrace:
        case TokenType::Comma:
            if (m_token.type == TokenType::LeftBrace && depth() != 1) {
                break;
            }
            if (parts.empty()) {
                error(m_token.offset, "a selector is missing before " + describe());
                return false;
            }
            if (!compoundOpen) {
                error(m_token.offset, "the selector ends with a combinator (\">\", \"+\" or \"~\")");
                return false;
            }
            return true;
        case TokenType::EndOfFile:
            error(m_token.offset, "the file ends in a selector: \"{\" and the declarations are missing");
            return false;
        case TokenType::Delim:
            if (m_token.delim == '>' || m_token.delim == '+' || m_token.delim == '~') {
                if (!compoundOpen) {
                    error(m_token.offset,
                          parts.empty() ? "a selector cannot start with " + describe() : "two combinators in a row");
                    return false;
                }
                const SelectorKind kind = m_token.delim == '>' ? SelectorKind::Child
                    : m_token.delim == '+'                     ? SelectorKind::NextSibling
                                                               : SelectorKind::SubsequentSibling;
                if (!addSelectorPart(parts, SelectorPart { kind, {}, {} }, m_token.offset)) {
                    return false;
                }
                compoundOpen = false;
                whitespaceSeen = false;
                advance();
                continue;
            }
            break;
        default:
            break;
        }
        if (compoundOpen && whitespaceSeen) {
            if (!addSelectorPart(parts, SelectorPart { SelectorKind::Descendant, {}, {} }, m_token.offset)) {
                return false;
            }
            compoundOpen = false;
        }
        if (!parseSimpleSelector(parts, compoundOpen)) {
            return false;
        }
        compoundOpen = true;
        whitespaceSeen = false;
    }
}

bool SheetParser::parseSimpleSelector(std::vector<SelectorPart>& parts, bool compoundOpen)
{
    const std::uint32_t at = m_token.offset;
    switch (m_token.type) {
    case TokenType::Ident:
    case TokenType::Delim:
        if (m_token.type == TokenType::Ident || m_token.delim == '*') {
            if (compoundOpen) {
                error(at,
                      "unexpected " + describe()
                          + ": a type name or \"*\" must come first in a compound "
                            "selector, as in Button.flat");
                return false;
            }
            SelectorPart part;
            if (m_token.type == TokenType::Ident) {
                part.kind = SelectorKind::Type;
                part.value = Value(Text { std::string(m_token.value()) });
            } else {
                part.kind = SelectorKind::Universal;
            }
            advance();
            if (m_token.type == TokenType::Delim && m_token.delim == '|') {
                error(m_token.offset, "namespaces are not supported in selectors");
                return false;
            }
            return addSelectorPart(parts, std::move(part), at);
        }
        if (m_token.delim == '.') {
            advance();
            if (m_token.type != TokenType::Ident) {
                error(m_token.offset, "a class name must follow \".\" directly, as in .flat");
                return false;
            }
            SelectorPart part { SelectorKind::Class, Value(Text { std::string(m_token.value()) }), {} };
            advance();
            return addSelectorPart(parts, std::move(part), at);
        }
        if (m_token.delim == '|') {
            error(at, "namespaces are not supported in selectors");
            return false;
        }
        break;
    case TokenType::Hash: {
        if (!m_token.isId) {
            error(at, describe() + " is not a valid id: an id must start with a letter, \"_\" or \"-\"");
            return false;
        }
        SelectorPart part { SelectorKind::Id, Value(Text { std::string(m_token.value()) }), {} };
        advance();
        return addSelectorPart(parts, std::move(part), at);
    }
    case TokenType::LeftBracket:
        return parseAttributeSelector(parts);
    case TokenType::Colon: {
        advance();
        bool pseudoElement = false;
        if (m_token.type == TokenType::Colon) {
            pseudoElement = true;
            advance();
        }
        if (m_token.type != TokenType::Ident && m_token.type != TokenType::Function) {
            error(m_token.offset,
                  std::string("a name must follow \"") + (pseudoElement ? "::" : ":") + "\" directly, as in :hover");
            return false;
        }
        SelectorPart part;
        part.value = Value(Text { std::string(m_token.value()) });
        if (m_token.type == TokenType::Function) {
            // Kept so that such a rule is known never to match; its arguments
            // are not looked at.
            part.kind = pseudoElement ? SelectorKind::PseudoElement : SelectorKind::FunctionalPseudoClass;
            const int functionDepth = depth();
            advance();
            if (!skipFunctionArguments(functionDepth)) {
                return false;
            }
        } else {
            part.kind = pseudoElement ? SelectorKind::PseudoElement : SelectorKind::PseudoClass;
            advance();
        }
        return addSelectorPart(parts, std::move(part), at);
    }
    default:
        break;
    }
    error(at, "unexpected " + describe() + " in a selector");
    return false;
}

bool SheetParser::parseAttributeSelector(std::vector<SelectorPart>& parts)
{
    const std::uint32_t at = m_token.offset;
    const int bracketDepth = depth();
    advance();
    skipWhitespace();
    if (m_token.type != TokenType::Ident) {
        error(m_token.offset, "an attribute name must follow \"[\", as in [position=top]");
        return false;
    }
    Attribute attribute;
    attribute.name = m_token.value();
    advance();
    skipWhitespace();
    if (closes(TokenType::RightBracket, bracketDepth)) {
        advance();
        attribute.op = AttributeOperator::Exists;
        return addSelectorPart(parts, SelectorPart { SelectorKind::Attribute, {}, std::move(attribute) }, at);
    }
    if (m_token.type != TokenType::Delim) {
        error(m_token.offset, "expected \"]\" or an operator such as \"=\", found " + describe());
        return false;
    }
    const char32_t first = m_token.delim;
    if (first == '=') {
        attribute.op = AttributeOperator::Equals;
    } else {
        switch (first) {
        case '*':
        case '~':
            attribute.op = AttributeOperator::Contains;
            break;
        case '|':
            attribute.op = AttributeOperator::DashMatch;
            break;
        case '^':
            attribute.op = AttributeOperator::Prefix;
            break;
        case '$':
            attribute.op = AttributeOperator::Suffix;
            break;
        default:
            error(m_token.offset, "unknown attribute operator " + describe() + "; use =, *=, ~=, |=, ^= or $=");
            return false;
        }
        advance();
        if (m_token.type != TokenType::Delim || m_token.delim != '=') {
            error(m_token.offset,
                  first == '|' ? std::string("namespaces are not supported in selectors")
                               : "unknown attribute operator; use =, *=, ~=, |=, ^= or $=");
            return false;
        }
    }
    advance();
    skipWhitespace();
    const std::uint32_t valueAt = m_token.offset;
    if (attribute.op == AttributeOperator::Equals) {
        if (m_token.type == TokenType::Comma || (m_token.type == TokenType::Delim && m_token.delim == '/')) {
            error(valueAt, "the attribute value is missing");
            return false;
        }
        if (!parseValue(attribute.value, attribute.name)) {
            return false;
        }
    } else {
        // The substring operators compare text, so numbers are taken as written.
        switch (m_token.type) {
        case TokenType::Ident:
        case TokenType::String:
            attribute.value = Value(Text { std::string(m_token.value()) });
            break;
        case TokenType::Number:
        case TokenType::Percentage:
        case TokenType::Dimension:
            attribute.value = Value(Text { std::string(m_text.substr(m_token.offset, m_token.end - m_token.offset)) });
            break;
        default:
            error(valueAt, "the attribute value must be a name, a number or a quoted text, not " + describe());
            return false;
        }
        advance();
    }
    skipWhitespace();
    if (!closes(TokenType::RightBracket, bracketDepth)) {
        error(m_token.offset, "expected \"]\" after the attribute value, found " + describe());
        return false;
    }
    advance();
    return addSelectorPart(parts, SelectorPart { SelectorKind::Attribute, {}, std::move(attribute) }, at);
}

// ---------------------------------------------------------------------------
// Declarations and values

void SheetParser::parseDeclarations(std::vector<Property>& properties, std::uint32_t blockStart, int blockDepth)
{
    for (;;) {
        skipWhitespace();
        switch (m_token.type) {
        case TokenType::EndOfFile:
            if (!m_stopped && !m_session.stopped()) {
                error(blockStart, "this block is not closed: \"}\" is missing");
            }
            return;
        case TokenType::Semicolon:
            advance();
            continue;
        case TokenType::Ident:
            parseDeclaration(properties, blockDepth);
            continue;
        case TokenType::AtKeyword:
            error(m_token.offset, "at-rules are not allowed inside a rule; " + describe() + " is skipped");
            skipDeclaration(blockDepth);
            continue;
        default:
            if (closes(TokenType::RightBrace, blockDepth)) {
                advance();
                return;
            }
            error(m_token.offset, "expected a property name, found " + describe());
            skipDeclaration(blockDepth);
            continue;
        }
    }
}

void SheetParser::parseDeclaration(std::vector<Property>& properties, int blockDepth)
{
    const std::uint32_t at = m_token.offset;
    Property property;
    property.name = m_token.value();
    advance();
    skipWhitespace();
    if (m_token.type != TokenType::Colon) {
        if (m_token.type == TokenType::LeftBrace) {
            error(m_token.offset, "rules cannot be nested inside rules; this block is skipped");
        } else {
            error(m_token.offset,
                  "expected \":\" after the property name " + inQuotes(excerpt(property.name)) + ", found "
                      + describe());
        }
        skipDeclaration(blockDepth);
        return;
    }
    advance();
    for (;;) {
        skipWhitespace();
        if (m_token.type == TokenType::EndOfFile || closes(TokenType::RightBrace, blockDepth)) {
            break;
        }
        if (m_token.type == TokenType::Semicolon && depth() == blockDepth) {
            advance();
            break;
        }
        Value value;
        const std::uint32_t valueAt = m_token.offset;
        if (!parseValue(value, property.name) || !m_session.countValue(*this, valueAt)) {
            skipDeclaration(blockDepth);
            return;
        }
        property.values.push_back(std::move(value));
    }
    if (m_session.stopped() || m_stopped) {
        return;
    }
    if (property.values.empty()) {
        error(at, "the property " + inQuotes(excerpt(property.name)) + " has no value");
        return;
    }
    properties.push_back(std::move(property));
}

bool SheetParser::parseNumber(Value& value)
{
    const double number = m_token.number;
    const std::string_view written = m_text.substr(m_token.offset, m_token.end - m_token.offset);
    if (m_token.type == TokenType::Number && m_token.isInteger) {
        if (m_token.numberOutOfRange || number < -2147483648.0 || number > 2147483647.0) {
            error(m_token.offset, "the integer " + excerpt(written) + " is out of range (-2147483648 to 2147483647)");
            return false;
        }
        value = Value(static_cast<std::int32_t>(number));
        return true;
    }
    if (m_token.numberOutOfRange || std::fabs(number) > FLT_MAX) {
        error(m_token.offset, "the number " + excerpt(written) + " is too large");
        return false;
    }
    Dimension dimension;
    dimension.number = static_cast<float>(number);
    if (m_token.type == TokenType::Number) {
        dimension.unit = Unit::Number;
    } else if (m_token.type == TokenType::Percentage) {
        dimension.unit = Unit::Percent;
    } else {
        const std::string_view unit = m_token.value();
        const auto it = std::find_if(std::begin(unitNames), std::end(unitNames),
                                     [&](const UnitName& entry) { return asciiEqualsIgnoringCase(entry.name, unit); });
        if (it == std::end(unitNames)) {
            error(m_token.offset, "unknown unit " + inQuotes(excerpt(unit)) + " in " + excerpt(written));
            return false;
        }
        dimension.unit = it->unit;
    }
    value = Value(dimension);
    return true;
}

bool SheetParser::parseValue(Value& value, std::string_view property)
{
    switch (m_token.type) {
    case TokenType::Number:
    case TokenType::Percentage:
    case TokenType::Dimension:
        if (!parseNumber(value)) {
            return false;
        }
        advance();
        return true;
    case TokenType::Ident:
        if (auto rgba = namedColor(m_token.value())) {
            value = Value(Color { *rgba });
        } else {
            value = Value(Text { std::string(m_token.value()) });
        }
        advance();
        return true;
    case TokenType::String:
        value = Value(Text { std::string(m_token.value()) });
        advance();
        return true;
    case TokenType::Url:
        value = Value(Url { std::string(m_token.value()) });
        advance();
        return true;
    case TokenType::Hash: {
        Color color;
        if (!parseHexColor(color)) {
            return false;
        }
        value = Value(std::move(color));
        advance();
        return true;
    }
    case TokenType::Function: {
        if (asciiEqualsIgnoringCase(m_token.value(), "url")) {
            const int functionDepth = depth();
            advance();
            return parseUrlFunction(value, functionDepth);
        }
        Color color;
        if (!parseColorFunction(color, 1)) {
            return false;
        }
        value = Value(std::move(color));
        return true;
    }
    case TokenType::Comma:
        value = Value(Separator { ',' });
        advance();
        return true;
    case TokenType::Delim:
        if (m_token.delim == '/') {
            value = Value(Separator { '/' });
            advance();
            return true;
        }
        if (m_token.delim == '!') {
            error(m_token.offset,
                  "\"!\" (as in !important) is not supported: the weight of a rule comes from its "
                  "selector alone; the declaration is skipped");
            return false;
        }
        break;
    case TokenType::BadString:
    case TokenType::BadUrl:
        // Reported by the tokenizer.
        return false;
    case TokenType::LeftBrace:
        error(m_token.offset,
              "unexpected \"{\" in the value of " + inQuotes(excerpt(property)) + ": is a \";\" missing before it?");
        return false;
    default:
        break;
    }
    error(m_token.offset, "unexpected " + describe() + " in the value of " + inQuotes(excerpt(property)));
    return false;
}

bool SheetParser::parseUrlFunction(Value& value, int functionDepth)
{
    skipWhitespace();
    if (m_token.type != TokenType::String) {
        error(m_token.offset, "url() takes one quoted file name or none, as in url(\"a.png\") or url(a.png)");
        return false;
    }
    value = Value(Url { std::string(m_token.value()) });
    advance();
    return expectClose(functionDepth, "url");
}

bool SheetParser::expectComma(int functionDepth, std::string_view name)
{
    skipWhitespace();
    if (m_token.type == TokenType::Comma && depth() == functionDepth) {
        advance();
        skipWhitespace();
        return true;
    }
    if (closes(TokenType::RightParen, functionDepth)) {
        error(m_token.offset, std::string(name) + "() needs more arguments");
    } else {
        error(m_token.offset,
              "expected \",\" between the arguments of " + std::string(name) + "(), found " + describe());
    }
    return false;
}

bool SheetParser::expectClose(int functionDepth, std::string_view name)
{
    skipWhitespace();
    if (closes(TokenType::RightParen, functionDepth)) {
        advance();
        return true;
    }
    if (m_token.type == TokenType::Comma) {
        error(m_token.offset, std::string(name) + "() has too many arguments");
    } else {
        error(m_token.offset, "expected \")\" to end " + std::string(name) + "(), found " + describe());
    }
    return false;
}

bool SheetParser::parseColor(Color& color, int colorDepth, std::string_view where)
{
    switch (m_token.type) {
    case TokenType::Ident:
        if (auto rgba = namedColor(m_token.value())) {
            color = Color { *rgba };
            advance();
            return true;
        }
        error(m_token.offset, describe() + " is not a colour name (in " + std::string(where) + "())");
        return false;
    case TokenType::Hash:
        if (!parseHexColor(color)) {
            return false;
        }
        advance();
        return true;
    case TokenType::Function:
        return parseColorFunction(color, colorDepth);
    default:
        error(m_token.offset, "expected a colour in " + std::string(where) + "(), found " + describe());
        return false;
    }
}

bool SheetParser::parseHexColor(Color& color)
{
    const std::string_view digits = m_token.value();
    const bool lengthOk = digits.size() == 3 || digits.size() == 4 || digits.size() == 6 || digits.size() == 8;
    if (!lengthOk || !std::all_of(digits.begin(), digits.end(), [](char c) { return hexDigit(c) >= 0; })) {
        error(m_token.offset, describe() + " is not a colour: write 3, 4, 6 or 8 hexadecimal digits after \"#\"");
        return false;
    }
    std::uint8_t channels[4] = { 0, 0, 0, 255 };
    if (digits.size() <= 4) {
        for (std::size_t i = 0; i < digits.size(); ++i) {
            channels[i] = static_cast<std::uint8_t>(hexDigit(digits[i]) * 17);
        }
    } else {
        for (std::size_t i = 0; i < digits.size() / 2; ++i) {
            channels[i] = static_cast<std::uint8_t>(hexDigit(digits[2 * i]) * 16 + hexDigit(digits[2 * i + 1]));
        }
    }
    color = Color { Rgba { channels[0], channels[1], channels[2], channels[3] } };
    return true;
}

bool SheetParser::parseColorFunction(Color& color, int colorDepth)
{
    const std::string name(m_token.value());
    const std::uint32_t at = m_token.offset;
    if (colorDepth > Limits::maxColorDepth) {
        error(at, "colours are nested more than " + std::to_string(Limits::maxColorDepth) + " deep");
        return false;
    }
    const int functionDepth = depth();
    const auto is = [&](std::string_view candidate) {
        return asciiEqualsIgnoringCase(name, candidate);
    };
    if (is("rgb") || is("rgba")) {
        advance();
        return parseRgb(color, name, functionDepth);
    }
    if (is("custom")) {
        advance();
        return parseCustom(color, functionDepth);
    }
    if (is("set")) {
        advance();
        return parseSet(color, colorDepth, functionDepth);
    }
    if (is("add")) {
        advance();
        return parseBinary(color, ColorOperation::Add, name, colorDepth, functionDepth);
    }
    if (is("subtract")) {
        advance();
        return parseBinary(color, ColorOperation::Subtract, name, colorDepth, functionDepth);
    }
    if (is("multiply")) {
        advance();
        return parseBinary(color, ColorOperation::Multiply, name, colorDepth, functionDepth);
    }
    if (is("mix")) {
        advance();
        return parseBinary(color, ColorOperation::Mix, name, colorDepth, functionDepth);
    }
    error(at,
          "unknown function " + excerpt(name)
              + "(); the functions are rgb(), rgba(), custom(), set(), add(), subtract(), multiply(), "
                "mix() and url()");
    return false;
}

bool SheetParser::parseRgb(Color& color, std::string_view name, int functionDepth)
{
    // Either rgb(r, g, b) and rgb(r, g, b, a), or rgb(r g b) and rgb(r g b / a).
    struct Item
    {
        enum
        {
            Channel,
            Comma,
            Slash
        } kind;
        double number;
        bool percent;
    };
    Item items[8];
    int count = 0;
    const std::string usage = std::string(name) + "() takes three channels and an optional alpha, as in "
        + std::string(name) + "(255, 128, 0), " + std::string(name) + "(255, 128, 0, 0.5) or " + std::string(name)
        + "(255 128 0 / 50%)";
    const std::uint32_t at = m_token.offset;
    for (;;) {
        if (closes(TokenType::RightParen, functionDepth)) {
            break;
        }
        Item item { Item::Channel, 0.0, false };
        switch (m_token.type) {
        case TokenType::Whitespace:
            advance();
            continue;
        case TokenType::Number:
        case TokenType::Percentage:
            if (m_token.numberOutOfRange) {
                error(m_token.offset, "the number " + describe() + " is too large");
                return false;
            }
            item.number = m_token.number;
            item.percent = m_token.type == TokenType::Percentage;
            break;
        case TokenType::Comma:
            item.kind = Item::Comma;
            break;
        case TokenType::Delim:
            if (m_token.delim == '/') {
                item.kind = Item::Slash;
                break;
            }
            [[fallthrough]];
        default:
            error(m_token.offset, "unexpected " + describe() + "; " + usage);
            return false;
        }
        if (count == 7) {
            error(m_token.offset, usage);
            return false;
        }
        items[count++] = item;
        advance();
    }
    const std::uint32_t closeAt = m_token.offset;
    advance();

    const auto channelAt = [&](int i) {
        return i < count && items[i].kind == Item::Channel;
    };
    const auto separatorAt = [&](int i, decltype(Item::Comma) kind) {
        return i < count && items[i].kind == kind;
    };
    bool ok = false;
    bool hasAlpha = false;
    int alphaIndex = 0;
    if (count >= 5 && separatorAt(1, Item::Comma)) {
        ok = channelAt(0) && channelAt(2) && separatorAt(3, Item::Comma) && channelAt(4)
            && (count == 5 || (count == 7 && separatorAt(5, Item::Comma) && channelAt(6)));
        hasAlpha = count == 7;
        alphaIndex = 6;
        items[1] = items[2];
        items[2] = items[4];
    } else {
        ok = channelAt(0) && channelAt(1) && channelAt(2)
            && (count == 3 || (count == 5 && separatorAt(3, Item::Slash) && channelAt(4)));
        hasAlpha = count == 5;
        alphaIndex = 4;
    }
    if (!ok) {
        error(count == 0 ? closeAt : at, usage);
        return false;
    }
    Rgba rgba;
    std::uint8_t* channels[3] = { &rgba.red, &rgba.green, &rgba.blue };
    for (int i = 0; i < 3; ++i) {
        *channels[i]
            = items[i].percent ? channelFromFraction(items[i].number / 100.0) : channelFromNumber(items[i].number);
    }
    if (hasAlpha) {
        const Item& alpha = items[alphaIndex];
        rgba.alpha = channelFromFraction(alpha.percent ? alpha.number / 100.0 : alpha.number);
    }
    color = Color { rgba };
    return true;
}

bool SheetParser::parseCustom(Color& color, int functionDepth)
{
    skipWhitespace();
    if (m_token.type != TokenType::Ident && m_token.type != TokenType::String) {
        error(m_token.offset,
              "custom() needs the name of a colour provider first, as in "
              "custom(loompalette, active, view, background, normal)");
        return false;
    }
    CustomColor custom;
    custom.source = m_token.value();
    if (custom.source.empty()) {
        error(m_token.offset, "the colour provider's name is empty");
        return false;
    }
    advance();
    for (;;) {
        bool done = false;
        if (!nextArgument(functionDepth, "custom", done)) {
            return false;
        }
        if (done) {
            break;
        }
        if (m_token.type != TokenType::Ident && m_token.type != TokenType::String) {
            error(m_token.offset, "the arguments of custom() are names or quoted texts, not " + describe());
            return false;
        }
        if (!m_session.countValue(*this, m_token.offset)) {
            return false;
        }
        custom.arguments.emplace_back(m_token.value());
        advance();
    }
    color = Color { std::move(custom) };
    return true;
}

// Between the arguments of a function that takes any number of them: past the
// closing ')' with `done` set, or at the start of the next argument after its
// ','; anything else is reported and gives false.
bool SheetParser::nextArgument(int functionDepth, std::string_view name, bool& done)
{
    skipWhitespace();
    if (closes(TokenType::RightParen, functionDepth)) {
        advance();
        done = true;
        return true;
    }
    if (m_token.type != TokenType::Comma) {
        error(m_token.offset, "expected \",\" or \")\" in " + std::string(name) + "(), found " + describe());
        return false;
    }
    advance();
    skipWhitespace();
    return true;
}

bool SheetParser::parseSet(Color& color, int colorDepth, int functionDepth)
{
    skipWhitespace();
    Color base;
    if (!parseColor(base, colorDepth + 1, "set")) {
        return false;
    }
    ModifiedColor modified;
    modified.operation = ColorOperation::Set;
    for (;;) {
        bool done = false;
        if (!nextArgument(functionDepth, "set", done)) {
            return false;
        }
        if (done) {
            break;
        }
        std::optional<std::uint8_t>* channel = nullptr;
        if (m_token.type == TokenType::Ident) {
            const std::string_view name = m_token.value();
            if (asciiEqualsIgnoringCase(name, "red")) {
                channel = &modified.red;
            } else if (asciiEqualsIgnoringCase(name, "green")) {
                channel = &modified.green;
            } else if (asciiEqualsIgnoringCase(name, "blue")) {
                channel = &modified.blue;
            } else if (asciiEqualsIgnoringCase(name, "alpha")) {
                channel = &modified.alpha;
            }
        }
        if (!channel) {
            error(m_token.offset,
                  "set() takes channels red, green, blue or alpha with a value, as in "
                  "set(black, alpha 50%), not "
                      + describe());
            return false;
        }
        if (channel->has_value()) {
            error(m_token.offset, "the channel " + describe() + " is set twice");
            return false;
        }
        advance();
        skipWhitespace();
        const bool integer = m_token.type == TokenType::Number && m_token.isInteger;
        const bool percent = m_token.type == TokenType::Percentage;
        if ((!integer && !percent) || m_token.numberOutOfRange || m_token.number < 0.0
            || m_token.number > (integer ? 255.0 : 100.0)) {
            error(m_token.offset,
                  "a channel value is an integer from 0 to 255 or a percentage from 0% to 100%, "
                  "not "
                      + describe());
            return false;
        }
        *channel = integer ? static_cast<std::uint8_t>(m_token.number) : channelFromFraction(m_token.number / 100.0);
        advance();
    }
    modified.base = std::make_shared<const Color>(std::move(base));
    color = Color { std::move(modified) };
    return true;
}

bool SheetParser::parseBinary(Color& color, ColorOperation operation, std::string_view name, int colorDepth,
                              int functionDepth)
{
    skipWhitespace();
    Color base;
    if (!parseColor(base, colorDepth + 1, name) || !expectComma(functionDepth, name)) {
        return false;
    }
    Color second;
    if (!parseColor(second, colorDepth + 1, name)) {
        return false;
    }
    ModifiedColor modified;
    modified.operation = operation;
    if (operation == ColorOperation::Mix) {
        if (!expectComma(functionDepth, name)) {
            return false;
        }
        const bool number = m_token.type == TokenType::Number;
        const bool percent = m_token.type == TokenType::Percentage;
        const double limit = percent ? 100.0 : 1.0;
        if ((!number && !percent) || m_token.numberOutOfRange || m_token.number < 0.0 || m_token.number > limit) {
            error(m_token.offset,
                  "the amount of mix() is a number from 0 to 1 or a percentage from 0% to 100%, not " + describe());
            return false;
        }
        modified.amount = static_cast<float>(percent ? m_token.number / 100.0 : m_token.number);
        advance();
    }
    if (!expectClose(functionDepth, name)) {
        return false;
    }
    modified.base = std::make_shared<const Color>(std::move(base));
    modified.second = std::make_shared<const Color>(std::move(second));
    color = Color { std::move(modified) };
    return true;
}

} // namespace cssparser::detail
