#pragma once

#include "cssweave.h"
#include "text_p.h"
#include "tokenizer_p.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cssparser::detail
{

// Where the sheets come from: files on disk, or memory in tests.
class SourceReader
{
public:
    virtual ~SourceReader() = default;
    // Reads the sheet at `path`. On success fills `identity` (equal for two
    // paths that name the same file) and `text`; on failure returns false and
    // says why in `reason`, in words for a style author.
    virtual bool read(const std::filesystem::path& path, std::string& identity, std::string& text, std::string& reason)
        = 0;
    // The identity that read() would give `path`, without reading it.
    virtual std::string identify(const std::filesystem::path& path) const = 0;
};

// Reads regular files of at most Limits::maxFileSize bytes.
class FileReader final : public SourceReader
{
public:
    bool read(const std::filesystem::path& path, std::string& identity, std::string& text,
              std::string& reason) override;
    std::string identify(const std::filesystem::path& path) const override;
};

// Serves sheets from a map of path to text, with the limits of FileReader.
class MemoryReader final : public SourceReader
{
public:
    explicit MemoryReader(std::map<std::string, std::string> files)
        : m_files(std::move(files))
    { }
    bool read(const std::filesystem::path& path, std::string& identity, std::string& text,
              std::string& reason) override;
    std::string identify(const std::filesystem::path& path) const override;

private:
    std::map<std::string, std::string> m_files;
};

class SheetParser;

// One parse(): the sheets read so far, the results, and the budgets that keep
// hostile input from growing them without bound.
class Session
{
public:
    Session(SourceReader& reader, std::vector<std::filesystem::path>& paths, std::vector<Error>& errors,
            std::vector<Rule>& rules);

    // Reads a sheet that no other sheet imports: the main or a default sheet.
    void readTopLevel(const std::filesystem::path& path);
    // Reads the sheet that an @import of `from` at `offset` names.
    void readImport(SheetParser& from, std::string_view url, std::uint32_t offset);

    // Messages quote the sheets' own text, which must not reach a log or a
    // terminal with control characters in it.
    void addError(Error error);
    // Each returns false, after reporting through `from`, once a budget is spent.
    bool countValue(SheetParser& from, std::uint32_t offset);
    bool countSelectorPart(SheetParser& from, std::uint32_t offset);
    bool addRules(SheetParser& from, std::uint32_t offset, std::vector<std::vector<SelectorPart>>&& selectors,
                  std::vector<Property>&& properties);

    bool stopped() const { return m_stopped; }

private:
    // The rules that one file gave, its imports' included: a repeated import
    // takes them again instead of reading the file again.
    struct RuleRange
    {
        std::size_t first = 0;
        std::size_t end = 0;
    };

    void readSheet(const std::filesystem::path& path, SheetParser* from, std::uint32_t offset, int depth);
    bool repeatRules(RuleRange range, SheetParser* from, std::uint32_t offset, const std::filesystem::path& path);

    SourceReader& m_reader;
    std::vector<std::filesystem::path>& m_paths;
    std::vector<Error>& m_errors;
    std::vector<Rule>& m_rules;
    std::map<std::string, RuleRange> m_read; // by identity; the files in m_paths
    std::vector<std::string> m_importStack; // identities of the sheets being read
    std::size_t m_values = 0;
    std::size_t m_selectorParts = 0;
    bool m_stopped = false;
};

// Reads the text of one sheet into its session.
class SheetParser final : public TokenizerSink
{
public:
    SheetParser(Session& session, const std::filesystem::path& path, std::string_view text, int depth);

    void run();

    // Records an error at `offset` of this sheet's text.
    void error(std::uint32_t offset, std::string message);
    void lexicalError(std::uint32_t offset, std::string message) override { error(offset, std::move(message)); }

    const std::filesystem::path& path() const { return m_path; }
    int importDepth() const { return m_importDepth; }

private:
    using Selectors = std::vector<std::vector<SelectorPart>>;

    // Token stream with the stack of open blocks.
    void advance();
    void skipWhitespace();
    int depth() const { return static_cast<int>(m_nesting.size()); }
    // The current token is the ')' that closes a function or parenthesis opened at `depth`.
    bool closes(TokenType type, int openDepth) const;
    std::string describe() const;

    // Error recovery.
    void skipStatement();
    void skipBlock();
    void skipDeclaration(int blockDepth);
    void skipBadRule();
    bool skipFunctionArguments(int functionDepth);

    void parseAtRule();
    void parseImport(std::uint32_t at);
    void parseCharset(std::uint32_t at);
    void parseQualifiedRule();
    bool parseSelectorList(Selectors& selectors);
    bool parseComplexSelector(std::vector<SelectorPart>& parts);
    bool parseSimpleSelector(std::vector<SelectorPart>& parts, bool compoundOpen);
    bool parseAttributeSelector(std::vector<SelectorPart>& parts);
    bool addSelectorPart(std::vector<SelectorPart>& parts, SelectorPart part, std::uint32_t offset);
    void parseDeclarations(std::vector<Property>& properties, std::uint32_t blockStart, int blockDepth);
    void parseDeclaration(std::vector<Property>& properties, int blockDepth);
    bool parseValue(Value& value, std::string_view property);
    bool parseNumber(Value& value);
    bool parseColor(Color& color, int colorDepth, std::string_view where);
    bool parseHexColor(Color& color);
    bool parseColorFunction(Color& color, int colorDepth);
    bool parseRgb(Color& color, std::string_view name, int functionDepth);
    bool parseCustom(Color& color, int functionDepth);
    bool parseSet(Color& color, int colorDepth, int functionDepth);
    bool parseBinary(Color& color, ColorOperation operation, std::string_view name, int colorDepth, int functionDepth);
    bool parseUrlFunction(Value& value, int functionDepth);
    bool expectComma(int functionDepth, std::string_view name);
    bool nextArgument(int functionDepth, std::string_view name, bool& done);
    bool expectClose(int functionDepth, std::string_view name);

    Session& m_session;
    std::filesystem::path m_path;
    std::string m_fileName;
    std::string m_sanitized; // the text, when it had to be repaired
    std::string_view m_text;
    int m_importDepth = 0;
    Tokenizer m_tokenizer;
    LineLocator m_locator;
    Token m_token;
    std::vector<char> m_nesting; // closing character of each open block
    bool m_closedBlock = false; // the current token closed the innermost block
    bool m_seenRule = false; // @import is only allowed before the first rule
    bool m_stopped = false;
    int m_errorCount = 0;
};

} // namespace cssparser::detail
