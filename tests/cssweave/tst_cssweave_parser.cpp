// The style sheet language as the parser reads it: text in, rules and errors
// out. Sheets are served from memory; tst_cssweave_files covers real files.

#include "cssweave.h"
#include "cssweavedump.h"
#include "stylesheet_p.h"

#include <QTest>

using cssweavetest::dump;
using namespace Qt::Literals::StringLiterals;

namespace
{
struct Result
{
    QStringList rules;
    QStringList errors;
    QStringList paths;
};

using Files = std::map<std::string, std::string>;

Result parseFiles(const Files& files, const std::vector<std::string>& defaults = {})
{
    cssparser::StyleSheet sheet("main.css");
    for (const auto& path : defaults) {
        sheet.import(path);
    }
    cssparser::detail::setSourceReader(sheet, std::make_unique<cssparser::detail::MemoryReader>(files));
    sheet.parse();
    Result result;
    for (const auto& rule : sheet.rules()) {
        result.rules << QString::fromStdString(dump(rule));
    }
    for (const auto& error : sheet.errors()) {
        result.errors << QString::fromStdString(dump(error));
    }
    for (const auto& path : sheet.paths()) {
        result.paths << QString::fromStdString(path.string());
    }
    return result;
}

Result parseText(const QByteArray& css)
{
    return parseFiles({ { "main.css", css.toStdString() } });
}

QString nested(int depth)
{
    return depth == 0 ? QStringLiteral("red") : QStringLiteral("add(%1, blue)").arg(nested(depth - 1));
}
} // namespace

class TestCssWeaveParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selectors_data();
    void selectors();
    void values_data();
    void values();
    void colorNesting_data();
    void colorNesting();
    void errorsAndRecovery_data();
    void errorsAndRecovery();
    void sharedPropertiesOfSelectorList();
    void imports_data();
    void imports();
    void limits_data();
    void limits();
    void invalidUtf8();
};

void TestCssWeaveParser::selectors_data()
{
    QTest::addColumn<QByteArray>("css");
    QTest::addColumn<QStringList>("rules");

    QTest::newRow("type") << QByteArray("Button {}") << QStringList { "type(Button) {}" };
    QTest::newRow("descendant") << QByteArray("ScrollBar  Handle{}")
                                << QStringList { "type(ScrollBar) descendant type(Handle) {}" };
    QTest::newRow("child") << QByteArray("Menu > MenuItem {}") << QStringList { "type(Menu) child type(MenuItem) {}" };
    QTest::newRow("child without spaces")
        << QByteArray("Menu>MenuItem{}") << QStringList { "type(Menu) child type(MenuItem) {}" };
    QTest::newRow("universal") << QByteArray("* {}") << QStringList { "any {}" };
    QTest::newRow("universal with class") << QByteArray("*.flat {}") << QStringList { "any class(flat) {}" };
    QTest::newRow("compound") << QByteArray("Button.flat:hover {}")
                              << QStringList { "type(Button) class(flat) pseudo(hover) {}" };
    QTest::newRow("id") << QByteArray("#ok {}") << QStringList { "id(ok) {}" };
    QTest::newRow("hyphenated pseudo-class")
        << QByteArray(":visual-focus {}") << QStringList { "pseudo(visual-focus) {}" };
    QTest::newRow("names keep case") << QByteArray("button.Flat:Hover #OK {}")
                                     << QStringList { "type(button) class(Flat) pseudo(Hover) descendant id(OK) {}" };
    QTest::newRow("escaped name") << QByteArray("\\31 23 .a\\.b {}")
                                  << QStringList { "type(123) descendant class(a.b) {}" };
    QTest::newRow("attribute exists") << QByteArray("[position] {}") << QStringList { "attr(position) {}" };
    QTest::newRow("attribute equals name")
        << QByteArray("[position=top] {}") << QStringList { "attr(position='top') {}" };
    QTest::newRow("attribute equals quoted")
        << QByteArray("[ position = \"top left\" ] {}") << QStringList { "attr(position='top left') {}" };
    QTest::newRow("attribute equals dimension") << QByteArray("[size=16px] {}") << QStringList { "attr(size=16px) {}" };
    QTest::newRow("attribute equals integer") << QByteArray("[count=2] {}") << QStringList { "attr(count=int(2)) {}" };
    QTest::newRow("attribute equals colour name")
        << QByteArray("[tint=red] {}") << QStringList { "attr(tint=rgba(255,0,0,255)) {}" };
    QTest::newRow("attribute equals quoted colour name")
        << QByteArray("[tint='red'] {}") << QStringList { "attr(tint='red') {}" };
    QTest::newRow("substring operators")
        << QByteArray("[a*=to][b~=to][c|=to][d^=to][e$=to] {}")
        << QStringList { "attr(a*='to') attr(b*='to') attr(c|='to') attr(d^='to') attr(e$='to') {}" };
    QTest::newRow("substring operator with number keeps its text")
        << QByteArray("[a^=12.50px] {}") << QStringList { "attr(a^='12.50px') {}" };
    QTest::newRow("kinds the engine cannot match")
        << QByteArray("A::handle, A:not(.x, B), A + B, A ~ B {}")
        << QStringList { "type(A) pseudo-element(handle) {}", "type(A) function(not) {}", "type(A) next type(B) {}",
                         "type(A) subsequent type(B) {}" };
    QTest::newRow("list with whitespace")
        << QByteArray("  A  >  B  ,\n C\t{}") << QStringList { "type(A) child type(B) {}", "type(C) {}" };
    QTest::newRow("comments are not whitespace")
        << QByteArray("A/**/.b, A /**/ B {}") << QStringList { "type(A) class(b) {}", "type(A) descendant type(B) {}" };
}

void TestCssWeaveParser::selectors()
{
    QFETCH(QByteArray, css);
    QFETCH(QStringList, rules);
    const Result result = parseText(css);
    QCOMPARE(result.errors.join(u'\n'), QString());
    QCOMPARE(result.rules.join(u'\n'), QStringList(rules).join(u'\n'));
}

void TestCssWeaveParser::values_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected");

    // Numbers: integers, plain numbers and units.
    QTest::newRow("integer") << QByteArray("600") << "int(600)";
    QTest::newRow("signed integers") << QByteArray("-3 +2 -0") << "int(-3) int(2) int(0)";
    QTest::newRow("largest integers") << QByteArray("2147483647 -2147483648") << "int(2147483647) int(-2147483648)";
    QTest::newRow("fraction is a plain number") << QByteArray("2.0 .5 -1.25") << "2 0.5 -1.25";
    QTest::newRow("exponent is a plain number") << QByteArray("1e3 2E-2 1e-999") << "1000 0.02 0";
    QTest::newRow("units") << QByteArray("1.5px 12pt 2em 50% 0px") << "1.5px 12pt 2em 50% 0px";
    QTest::newRow("units ignore case") << QByteArray("3PX 4Em") << "3px 4em";
    QTest::newRow("other units") << QByteArray("1rem 2mm 90deg 200ms") << "1unit8 2unit11 90unit18 200unit23";
    // Words and texts.
    QTest::newRow("keywords") << QByteArray("solid none inherit") << "'solid' 'none' 'inherit'";
    QTest::newRow("quoted texts") << QByteArray("\"a b\" 'red' \"say \\\"hi\\\"\" '\\41\\1F600'")
                                  << "'a b' 'red' 'say \"hi\"' 'A\xF0\x9F\x98\x80'";
    QTest::newRow("continued string") << QByteArray("\"a\\\nb\"") << "'ab'";
    QTest::newRow("bad escapes become U+FFFD") << QByteArray("'\\D800\\0'") << "'\xEF\xBF\xBD\xEF\xBF\xBD'";
    QTest::newRow("urls") << QByteArray("url(a.png) url( \"b c.png\" ) URL('x') url(\\)\\ y)")
                          << "url(a.png) url(b c.png) url(x) url() y)";
    QTest::newRow("separators") << QByteArray("a, b / c") << "'a' sep, 'b' sep/ 'c'";
    QTest::newRow("values without spaces") << QByteArray("1px\"a\"red") << "1px 'a' rgba(255,0,0,255)";
    // Colours.
    QTest::newRow("colour names") << QByteArray("red Gray grey TRANSPARENT rebeccapurple")
                                  << "rgba(255,0,0,255) rgba(128,128,128,255) rgba(128,128,128,255) rgba(0,0,0,0) "
                                     "rgba(102,51,153,255)";
    QTest::newRow("hex colours") << QByteArray("#abc #abcd #112233 #11223344 #FFF")
                                 << "rgba(170,187,204,255) rgba(170,187,204,221) rgba(17,34,51,255) "
                                    "rgba(17,34,51,68) rgba(255,255,255,255)";
    QTest::newRow("rgb") << QByteArray("rgb(255, 0, 0) rgba(0,0,0,0.5) RGB(1 2 3) rgb(100% 0% 50% / 50%)")
                         << "rgba(255,0,0,255) rgba(0,0,0,128) rgba(1,2,3,255) rgba(255,0,128,128)";
    QTest::newRow("rgb clamps") << QByteArray("rgb(300, -5, 12.6, 2)") << "rgba(255,0,13,255)";
    QTest::newRow("custom") << QByteArray("custom(loompalette, active, view, background, normal) custom('p')")
                            << "custom(loompalette;active;view;background;normal) custom(p)";
    QTest::newRow("set") << QByteArray("set(red, alpha 50%) set(#000, red 10, green 20, blue 30, alpha 40)")
                         << "set(rgba(255,0,0,255);-;-;-;128) set(rgba(0,0,0,255);10;20;30;40)";
    QTest::newRow("operations") << QByteArray("add(red, blue) subtract(red, #111) multiply(gray, white)")
                                << "add(rgba(255,0,0,255);rgba(0,0,255,255)) "
                                   "subtract(rgba(255,0,0,255);rgba(17,17,17,255)) "
                                   "multiply(rgba(128,128,128,255);rgba(255,255,255,255))";
    QTest::newRow("mix, nested") << QByteArray("mix(add(red, blue), custom(p, a), 25%) mix(red, blue, 1)")
                                 << "mix(add(rgba(255,0,0,255);rgba(0,0,255,255));custom(p;a);0.25) "
                                    "mix(rgba(255,0,0,255);rgba(0,0,255,255);1)";
}

void TestCssWeaveParser::values()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    const Result result = parseText("a { Prop-Name: " + value + "; }");
    QCOMPARE(result.errors.join(u'\n'), QString());
    QCOMPARE(result.rules.join(u'\n'),
             QStringList(QStringList { "type(a) { Prop-Name: " + expected + " }" }).join(u'\n'));
}

void TestCssWeaveParser::colorNesting_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("32 deep") << 32 << true;
    QTest::newRow("33 deep") << 33 << false;
    QTest::newRow("40 deep") << 40 << false;
}

void TestCssWeaveParser::colorNesting()
{
    QFETCH(int, depth);
    QFETCH(bool, accepted);
    const Result result = parseText("a { x: " + nested(depth).toUtf8() + "; y: 1 }");
    if (accepted) {
        QCOMPARE(result.errors.join(u'\n'), QString());
        QVERIFY(result.rules.value(0).endsWith("; y: int(1) }"));
        QCOMPARE(result.rules.value(0).count("add("), depth);
    } else {
        QCOMPARE(result.errors.join(u'\n'),
                 "main.css:1:" + QString::number(8 + 4 * 32) + ": colours are nested more than 32 deep");
        QCOMPARE(result.rules.join(u'\n'), QStringList(QStringList { "type(a) { y: int(1) }" }).join(u'\n'));
    }
}

void TestCssWeaveParser::errorsAndRecovery_data()
{
    QTest::addColumn<QByteArray>("css");
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QStringList>("errors");

    // A bad declaration is skipped up to its ';' and the next one is read.
    QTest::newRow("missing value") << QByteArray("a { color: ; b: 1 }") << QStringList { "type(a) { b: int(1) }" }
                                   << QStringList { "main.css:1:5: the property \"color\" has no value" };
    QTest::newRow("infinite number") << QByteArray("a { width: 1e999; height: 2px }")
                                     << QStringList { "type(a) { height: 2px }" }
                                     << QStringList { "main.css:1:12: the number 1e999 is too large" };
    QTest::newRow("number beyond single precision")
        << QByteArray("a { w: 1e39px; h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:8: the number 1e39px is too large" };
    QTest::newRow("integer out of range")
        << QByteArray("a { w: 2147483648; h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:8: the integer 2147483648 is out of range (-2147483648 to 2147483647)" };
    QTest::newRow("unknown unit") << QByteArray("a { w: 12foo; h: 1 }") << QStringList { "type(a) { h: int(1) }" }
                                  << QStringList { "main.css:1:8: unknown unit \"foo\" in 12foo" };
    // Messages quote the sheet's text: control characters and bidirectional
    // overrides in it come out as escapes, never raw into a log.
    QTest::newRow("bidirectional override in quoted text")
        << QByteArray("a { w: 12foo\xE2\x80\xAEoof; h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:8: unknown unit \"foo\\u202eoof\" in 12foo\\u202eoof" };
    QTest::newRow("control character in quoted text")
        << QByteArray("@import \"\x1b[2J\x07.css\";\na {}") << QStringList { "type(a) {}" }
        << QStringList { "main.css:1:1: cannot read the style sheet \"\\x1b[2J\\x07.css\": the file does not exist" };
    QTest::newRow("unknown function")
        << QByteArray("a { w: calc(1px + (2px * 3)); h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:8: unknown function calc(); the functions are rgb(), rgba(), custom(), set(), "
                         "add(), subtract(), multiply(), mix() and url()" };
    QTest::newRow("important") << QByteArray("a { w: 1px !important; h: 1 }") << QStringList { "type(a) { h: int(1) }" }
                               << QStringList { "main.css:1:12: \"!\" (as in !important) is not supported: the weight "
                                                "of a rule comes from its selector alone; the declaration is skipped" };
    QTest::newRow("bad hex colour")
        << QByteArray("a { c: #12345; h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList {
               "main.css:1:8: \"#12345\" is not a colour: write 3, 4, 6 or 8 hexadecimal digits after \"#\""
           };
    QTest::newRow("rgb with two channels")
        << QByteArray("a { c: rgb(1, 2); h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:12: rgb() takes three channels and an optional alpha, as in rgb(255, 128, 0), "
                         "rgb(255, 128, 0, 0.5) or rgb(255 128 0 / 50%)" };
    QTest::newRow("not a colour in an operation")
        << QByteArray("a { c: add(red, solid); h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:17: \"solid\" is not a colour name (in add())" };
    QTest::newRow("mix amount out of range")
        << QByteArray("a { c: mix(red, blue, 1.5); h: 1 }") << QStringList { "type(a) { h: int(1) }" }
        << QStringList { "main.css:1:23: the amount of mix() is a number from 0 to 1 or a percentage from 0% to "
                         "100%, not \"1.5\"" };
    QTest::newRow("set channel twice") << QByteArray("a { c: set(red, alpha 1, alpha 2) }")
                                       << QStringList { "type(a) {}" }
                                       << QStringList { "main.css:1:26: the channel \"alpha\" is set twice" };
    QTest::newRow("missing colon on a later line")
        << QByteArray("a {\n  color red;\n  b: 1;\n}") << QStringList { "type(a) { b: int(1) }" }
        << QStringList { "main.css:2:9: expected \":\" after the property name \"color\", found \"red\"" };
    QTest::newRow("columns count characters, CRLF is one line break")
        << QByteArray("/* \xC3\xA9\xC3\xA9 */\r\na { x: \xC3\xA9 @ }") << QStringList { "type(a) {}" }
        << QStringList { "main.css:2:10: unexpected \"@\" in the value of \"x\"" };
    QTest::newRow("unterminated string")
        << QByteArray("a { x: \"abc\n; y: 1 }") << QStringList { "type(a) { y: int(1) }" }
        << QStringList { "main.css:1:8: unterminated string: a string must end on the line where it starts "
                         "(write \\A for a line break)" };
    QTest::newRow("url with a space")
        << QByteArray("a { x: url(a b); y: 1 }") << QStringList { "type(a) { y: int(1) }" }
        << QStringList { "main.css:1:14: a url without quotes cannot contain spaces; put it in quotes" };
    QTest::newRow("nested rule is skipped")
        << QByteArray("a { b { c: 1 } d: 2 }") << QStringList { "type(a) { d: int(2) }" }
        << QStringList { "main.css:1:7: rules cannot be nested inside rules; this block is skipped" };
    QTest::newRow("at-rule inside a rule")
        << QByteArray("a { @media x { c: 1 } d: 2 }") << QStringList { "type(a) { d: int(2) }" }
        << QStringList { "main.css:1:5: at-rules are not allowed inside a rule; \"@media\" is skipped" };
    QTest::newRow("garbage instead of a name")
        << QByteArray("a { 12: 1; (x; y): 2; d: 3 }") << QStringList { "type(a) { d: int(3) }" }
        << QStringList { "main.css:1:5: expected a property name, found \"12\"",
                         "main.css:1:12: expected a property name, found \"(\"" };
    // A bad rule is skipped up to the end of its block.
    QTest::newRow("selector ends with a combinator")
        << QByteArray("a > { x: 1 }\nb { y: 2 }") << QStringList { "type(b) { y: int(2) }" }
        << QStringList { "main.css:1:5: the selector ends with a combinator (\">\", \"+\" or \"~\")" };
    QTest::newRow("one bad selector drops the list")
        << QByteArray("a, b..c { x: 1 }\nd { y: 2 }") << QStringList { "type(d) { y: int(2) }" }
        << QStringList { "main.css:1:6: a class name must follow \".\" directly, as in .flat" };
    QTest::newRow("empty selector in a list") << QByteArray("a, { x: 1 } b {}") << QStringList { "type(b) {}" }
                                              << QStringList { "main.css:1:4: a selector is missing before \"{\"" };
    QTest::newRow("missing selector") << QByteArray("{ x: 1 } b {}") << QStringList { "type(b) {}" }
                                      << QStringList { "main.css:1:1: a selector is missing before \"{\"" };
    QTest::newRow("type name after a class")
        << QByteArray(".a*, b {} c {}") << QStringList { "type(c) {}" }
        << QStringList { "main.css:1:3: unexpected \"*\": a type name or \"*\" must come first in a compound selector, "
                         "as in Button.flat" };
    QTest::newRow("namespace") << QByteArray("ns|a {} c {}") << QStringList { "type(c) {}" }
                               << QStringList { "main.css:1:3: namespaces are not supported in selectors" };
    QTest::newRow("invalid id") << QByteArray("#1a {} c {}") << QStringList { "type(c) {}" }
                                << QStringList { "main.css:1:1: \"#1a\" is not a valid id: an id must start with a "
                                                 "letter, \"_\" or \"-\"" };
    QTest::newRow("attribute with two values")
        << QByteArray("[a=b c] {} d {}") << QStringList { "type(d) {}" }
        << QStringList { "main.css:1:6: expected \"]\" after the attribute value, found \"c\"" };
    QTest::newRow("bad attribute value")
        << QByteArray("[a^=#f00] {} c {}") << QStringList { "type(c) {}" }
        << QStringList { "main.css:1:5: the attribute value must be a name, a number or a quoted text, not \"#f00\"" };
    QTest::newRow("unknown at-rule") << QByteArray("@media screen { a { x: 1 } }\n@font-face;\nb { y: 1 }")
                                     << QStringList { "type(b) { y: int(1) }" }
                                     << QStringList { "main.css:1:1: unknown at-rule \"@media\"; it is skipped",
                                                      "main.css:2:1: unknown at-rule \"@font-face\"; it is skipped" };
    QTest::newRow("unclosed block keeps its declarations")
        << QByteArray("a { x: 1") << QStringList { "type(a) { x: int(1) }" }
        << QStringList { "main.css:1:3: this block is not closed: \"}\" is missing" };
    QTest::newRow("stray closing brace") << QByteArray("} a { x: 1 }") << QStringList { "type(a) { x: int(1) }" }
                                         << QStringList {
                                                "main.css:1:1: unexpected \"}\": there is no block to close"
                                            };
    QTest::newRow("unterminated comment")
        << QByteArray("a { x: 1 }\n/* b { y: 2 }") << QStringList { "type(a) { x: int(1) }" }
        << QStringList { "main.css:2:1: unterminated comment: \"/*\" without \"*/\" hides the rest of the file" };
    QTest::newRow("import after a rule") << QByteArray("a {}\n@import \"b.css\";") << QStringList { "type(a) {}" }
                                         << QStringList {
                                                "main.css:2:1: @import must come before all rules; this one is ignored"
                                            };
    QTest::newRow("import with media query")
        << QByteArray("@import \"b.css\" screen;\na {}") << QStringList { "type(a) {}" }
        << QStringList { "main.css:1:17: @import takes only a file name: media queries and other conditions are not "
                         "supported, so this @import is ignored" };
    QTest::newRow("charset") << QByteArray("@charset \"UTF-8\";\n@charset \"latin1\";\na {}")
                             << QStringList { "type(a) {}" }
                             << QStringList { "main.css:2:1: style sheets are always read as UTF-8; this @charset is "
                                              "ignored" };
    QTest::newRow("byte order mark is skipped")
        << QByteArray("\xEF\xBB\xBF"
                      "a { x: @ }")
        << QStringList { "type(a) {}" } << QStringList { "main.css:1:8: unexpected \"@\" in the value of \"x\"" };
    QTest::newRow("long token is cut in messages")
        << QByteArray("a { \"" + QByteArray(50, 'y') + "\": 1 }") << QStringList { "type(a) {}" }
        << QStringList { "main.css:1:5: expected a property name, found \"\"" + QString(39, 'y') + "...\"" };
}

void TestCssWeaveParser::errorsAndRecovery()
{
    QFETCH(QByteArray, css);
    QFETCH(QStringList, rules);
    QFETCH(QStringList, errors);
    const Result result = parseText(css);
    QCOMPARE(result.errors.join(u'\n'), QStringList(errors).join(u'\n'));
    QCOMPARE(result.rules.join(u'\n'), QStringList(rules).join(u'\n'));
}

void TestCssWeaveParser::sharedPropertiesOfSelectorList()
{
    cssparser::StyleSheet sheet("main.css");
    cssparser::detail::setSourceReader(
        sheet,
        std::make_unique<cssparser::detail::MemoryReader>(Files { { "main.css", "A, B.c { x: 1px; y: red }" } }));
    sheet.parse();
    QCOMPARE(sheet.rules().size(), 2u);
    const auto& a = sheet.rules()[0];
    const auto& b = sheet.rules()[1];
    QCOMPARE(dump(a), std::string("type(A) { x: 1px; y: rgba(255,0,0,255) }"));
    QCOMPARE(dump(b), std::string("type(B) class(c) { x: 1px; y: rgba(255,0,0,255) }"));
    QCOMPARE(&a.properties(), &b.properties());
}

void TestCssWeaveParser::imports_data()
{
    QTest::addColumn<QVariantMap>("files");
    QTest::addColumn<QStringList>("defaults");
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QStringList>("paths");

    QTest::newRow("imported and default rules come first")
        << QVariantMap { { "main.css", "@import \"a.css\";\n@import url(sub/b.css);\nmain {}" },
                         { "a.css", "@import 'c.css'; a {}" },
                         { "c.css", "c {}" },
                         { "sub/b.css", "@import url(\"../c.css\"); b {}" },
                         { "default.css", "default {}" } }
        << QStringList { "default.css", "" }
        << QStringList { "type(default) {}", "type(c) {}", "type(a) {}", "type(c) {}", "type(b) {}", "type(main) {}" }
        << QStringList {} << QStringList { "default.css", "main.css", "a.css", "c.css", "sub/b.css" };
    QTest::newRow("import after a rule of a default sheet")
        << QVariantMap { { "main.css", "a {}" }, { "default.css", "x {}\n  @import \"gone.css\";\n" } }
        << QStringList { "default.css" } << QStringList { "type(x) {}", "type(a) {}" }
        << QStringList { "default.css:2:3: @import must come before all rules; this one is ignored" }
        << QStringList { "default.css", "main.css" };
    QTest::newRow("missing file")
        << QVariantMap { { "main.css", "@import \"gone.css\";\na {}" } } << QStringList { "missing.css" }
        << QStringList { "type(a) {}" }
        << QStringList { "missing.css:1:1: cannot read the style sheet \"missing.css\": the file does not exist",
                         "main.css:1:1: cannot read the style sheet \"gone.css\": the file does not exist" }
        << QStringList { "main.css" };
    QTest::newRow("cycle") << QVariantMap { { "main.css", "@import \"a.css\"; m {}" },
                                            { "a.css", "@import \"./main.css\"; a {}" } }
                           << QStringList {} << QStringList { "type(a) {}", "type(m) {}" }
                           << QStringList { "a.css:1:1: import cycle: \"./main.css\" is already being read" }
                           << QStringList { "main.css", "a.css" };
    QTest::newRow("self import") << QVariantMap { { "main.css", "@import \"main.css\"; m {}" } } << QStringList {}
                                 << QStringList { "type(m) {}" }
                                 << QStringList { "main.css:1:1: import cycle: \"main.css\" is already being read" }
                                 << QStringList { "main.css" };
    QTest::newRow("import depth")
        << QVariantMap { { "main.css", "@import \"1.css\";" },     { "1.css", "@import \"2.css\";" },
                         { "2.css", "@import \"3.css\";" },        { "3.css", "@import \"4.css\";" },
                         { "4.css", "@import \"5.css\";" },        { "5.css", "@import \"6.css\";" },
                         { "6.css", "@import \"7.css\";" },        { "7.css", "@import \"8.css\";" },
                         { "8.css", "@import \"9.css\";" },        { "9.css", "@import \"10.css\";" },
                         { "10.css", "@import \"11.css\";" },      { "11.css", "@import \"12.css\";" },
                         { "12.css", "@import \"13.css\";" },      { "13.css", "@import \"14.css\";" },
                         { "14.css", "@import \"15.css\";" },      { "15.css", "@import \"16.css\"; x {}" },
                         { "16.css", "@import \"17.css\"; y {}" }, { "17.css", "z {}" } }
        << QStringList {} << QStringList { "type(y) {}", "type(x) {}" }
        << QStringList { "16.css:1:1: imports are nested more than 16 deep; \"17.css\" is not read" }
        << QStringList { "main.css", "1.css",  "2.css",  "3.css",  "4.css",  "5.css",  "6.css",  "7.css", "8.css",
                         "9.css",    "10.css", "11.css", "12.css", "13.css", "14.css", "15.css", "16.css" };

    // Modular styles: every component imports one base sheet. It is read
    // once, its rules stand at each import, and it counts once.
    {
        QVariantMap files { { "base.css", "base {}" } };
        QString main;
        QStringList rules;
        QStringList paths { "main.css" };
        for (int i = 1; i <= 40; ++i) {
            const QString name = u"c%1.css"_s.arg(i);
            files.insert(name, u"@import \"base.css\"; c%1 {}"_s.arg(i));
            main += u"@import \"%1\";\n"_s.arg(name);
            rules << u"type(base) {}"_s << u"type(c%1) {}"_s.arg(i);
            paths << name;
            if (i == 1) {
                paths << u"base.css"_s;
            }
        }
        files.insert("main.css", main + u"main {}"_s);
        rules << u"type(main) {}"_s;
        QTest::newRow("repeated import") << files << QStringList {} << rules << QStringList {} << paths;
    }
    // Past the limit only the import that would read one more file is
    // refused; the rest of the sheet, and repeated imports, still count.
    {
        QVariantMap files;
        QString main;
        QStringList rules;
        QStringList errors;
        QStringList paths { "main.css" };
        for (int i = 1; i <= 66; ++i) {
            const QString name = u"f%1.css"_s.arg(i);
            files.insert(name, u"f%1 {}"_s.arg(i));
            main += u"@import \"%1\";\n"_s.arg(name);
            if (i < 64) {
                rules << u"type(f%1) {}"_s.arg(i);
                paths << name;
            } else {
                errors << u"main.css:%1:1: more than 64 style sheets to read; \"%2\" is not read"_s.arg(i).arg(name);
            }
        }
        main += u"@import \"f1.css\";\n"_s;
        rules << u"type(f1) {}"_s << u"type(main) {}"_s;
        files.insert("main.css", main + u"main {}"_s);
        QTest::newRow("sheet limit") << files << QStringList {} << rules << errors << paths;
    }
}

void TestCssWeaveParser::imports()
{
    QFETCH(QVariantMap, files);
    QFETCH(QStringList, defaults);
    QFETCH(QStringList, rules);
    QFETCH(QStringList, errors);
    QFETCH(QStringList, paths);
    Files map;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        map[it.key().toStdString()] = it.value().toString().toStdString();
    }
    std::vector<std::string> defaultPaths;
    for (const QString& path : defaults) {
        defaultPaths.push_back(path.toStdString());
    }
    const Result result = parseFiles(map, defaultPaths);
    QCOMPARE(result.errors.join(u'\n'), QStringList(errors).join(u'\n'));
    QCOMPARE(result.rules.join(u'\n'), QStringList(rules).join(u'\n'));
    QCOMPARE(result.paths.join(u'\n'), QStringList(paths).join(u'\n'));
}

void TestCssWeaveParser::limits_data()
{
    QTest::addColumn<QByteArray>("css");
    QTest::addColumn<int>("ruleCount");
    QTest::addColumn<QString>("lastError");

    QTest::newRow("rules") << "a{}\n" + QByteArray("b,c,d,e,f,g,h,i,j,k{}\n").repeated(10000) << 99991
                           << "main.css:10001:1: the style sheets hold more than 100000 rules; reading stops here";
    QTest::newRow("values") << "a{x:1}b{x:" + QByteArray("1 ").repeated(500000) << 1
                            << "main.css:1:1000009: the style sheets hold more than 500000 property values; "
                               "reading stops here";
    QTest::newRow("selector parts") << QByteArray("a ").repeated(300000) + "{}" << 0
                                    << "main.css:1:500001: the style sheets hold more than 500000 selector parts; "
                                       "reading stops here";
    QTest::newRow("nesting") << "a{}b{x:" + QByteArray("(").repeated(300) << 1
                             << "main.css:1:263: brackets, parentheses and braces are nested more than 256 deep; "
                                "the rest of this file is not read";
    QTest::newRow("errors") << QByteArray("a{x:;}\n").repeated(150) << 99
                            << "main.css:100:3: too many errors (100); the rest of this file is not read";
    QTest::newRow("file size") << QByteArray(4 * 1024 * 1024 + 1, ' ') << 0
                               << "main.css:1:1: cannot read the style sheet \"main.css\": the file is larger than "
                                  "4 MiB";
}

void TestCssWeaveParser::limits()
{
    QFETCH(QByteArray, css);
    QFETCH(int, ruleCount);
    QFETCH(QString, lastError);
    const Result result = parseText(css);
    QCOMPARE(result.rules.size(), ruleCount);
    QVERIFY(!result.errors.isEmpty());
    QCOMPARE(result.errors.last(), lastError);
}

void TestCssWeaveParser::invalidUtf8()
{
    const Result result = parseText("a { x: 'b\xFF\xC3' \"\0\"; }\nb\x80 {}"_ba);
    QCOMPARE(result.errors.join(u'\n'),
             "main.css:1:10: the file is not valid UTF-8 text (or holds NUL characters); "
             "such bytes are read as U+FFFD");
    QCOMPARE(result.rules.join(u'\n'),
             "type(a) { x: 'b\xEF\xBF\xBD\xEF\xBF\xBD' '\xEF\xBF\xBD' }\n"
             "type(b\xEF\xBF\xBD) {}");
}

QTEST_GUILESS_MAIN(TestCssWeaveParser)
#include "tst_cssweave_parser.moc"
