#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xml/XmlScanner.h"

namespace {

// The token sequence of `input` in a compact notation: kinds, carried bytes in parentheses, and
// "@n" after the end of input with the final line count.
std::string Scan(const std::string& input)
{
    static const char* const kNames[] = {"END", "LT", "GT", "SLASH", "EQUALS", "QUOTE", "QUESTION", "BANG",
                                         "NAME", "TEXT", "DS", "DT", "DE", "FAULT"};
    XmlScanner scanner(input.data(), input.size());
    std::string out;
    for (;;) {
        XmlToken token;
        scanner.Next(token);
        out += kNames[static_cast<int>(token.kind)];
        if (!token.text.empty())
            out += "(" + std::string(token.text) + ")";
        if (token.kind == XmlTokenKind::EndOfInput || token.kind == XmlTokenKind::Fault)
            return out + "@" + std::to_string(scanner.GetLine());
        out += " ";
    }
}

struct ScanCase {
    const char* what;
    std::string input;
    std::string tokens;
};

void ExpectScans(const std::vector<ScanCase>& cases)
{
    for (const ScanCase& c : cases)
        EXPECT_EQ(Scan(c.input), c.tokens) << c.what;
}

} // namespace

TEST(XmlScanner, Content)
{
    ExpectScans({
        {"blank runs are no text", " \t\v\f\r\n  <", "LT END@2"},
        {"text keeps its blanks and a CR", "  a b \r\n<", "TEXT(  a b \r) LT END@2"},
        {"text runs up to a tag", "x<a", "TEXT(x) LT NAME(a) END@1"},
        {"comment start", "<!-- c -->y", "TEXT(y) END@1"},
        {"the dialect's data start", "<[CDATA[d]]>", "DS DT(d) DE END@1"},
        {"standard data start is a tag", "<![CDATA[d]]>", "LT BANG NAME(CDATA) NAME(d) GT END@1"},
        {"incomplete openers are an LT", "<!-x<[CDAT", "LT BANG NAME(x) NAME(CDAT) END@1"},
    });
}

TEST(XmlScanner, Tag)
{
    ExpectScans({
        {"blanks between tokens are free", "< Wall / >", "LT NAME(Wall) SLASH GT END@1"},
        {"other bytes separate names", "<a-b.c:d\r\n\te>", "LT NAME(a) NAME(b) NAME(c) NAME(d) NAME(e) GT END@2"},
        {"single-byte tokens", "<?!=/>", "LT QUESTION BANG EQUALS SLASH GT END@1"},
        {"names of every class", "<Ab_09z", "LT NAME(Ab_09z) END@1"},
        {"a quote opens a value", "<a b=\"c d\">", "LT NAME(a) NAME(b) EQUALS QUOTE TEXT(c d) QUOTE GT END@1"},
    });
}

TEST(XmlScanner, ValuesKeepNewlinesUncounted)
{
    ExpectScans({
        {"a spanning value keeps its newline", "<a v=\"x\ny\">", "LT NAME(a) NAME(v) EQUALS QUOTE TEXT(x\ny) QUOTE GT END@1"},
        {"a value that is one newline counts it", "<a v=\"\n\">", "LT NAME(a) NAME(v) EQUALS QUOTE QUOTE GT END@2"},
        {"a CR LF value stays whole", "<a v=\"\r\n\">", "LT NAME(a) NAME(v) EQUALS QUOTE TEXT(\r\n) QUOTE GT END@1"},
        {"no escapes", "<a v=\"&amp;<>\">", "LT NAME(a) NAME(v) EQUALS QUOTE TEXT(&amp;<>) QUOTE GT END@1"},
        {"an open value runs to the end", "<a v=\"x\n", "LT NAME(a) NAME(v) EQUALS QUOTE TEXT(x\n) END@1"},
        {"a lone newline at the end counts", "<a v=\"\n", "LT NAME(a) NAME(v) EQUALS QUOTE END@2"},
    });
}

TEST(XmlScanner, Comments)
{
    ExpectScans({
        {"hyphens inside", "<!-- a - b -x- -->t", "TEXT(t) END@1"},
        {"newlines inside are counted", "<!--\n\n-->t", "TEXT(t) END@3"},
        {"a hyphen before a newline", "<!-- a -\n-->t", "TEXT(t) END@2"},
        {"a shortest comment", "<!---->t", "TEXT(t) END@1"},
        {"'--' swallows a closer on its line", "<!-- -- x --> y\n-->t", "TEXT(t) END@2"},
        {"'--->' does not close", "<!-- a --->b\n-->t", "TEXT(t) END@2"},
        {"an open comment ends with the input", "<!-- x -", "END@1"},
    });
}

TEST(XmlScanner, CharacterData)
{
    ExpectScans({
        {"markup inside is data", "<[CDATA[p<q>&]]>", "DS DT(p<q>&) DE END@1"},
        {"a lone bracket drops up to the next", "<[CDATA[a]b]]>c", "DS DT(a) DE TEXT(c) END@1"},
        {"a newline splits the data", "<[CDATA[a\nb]]>", "DS DT(a) DT(b) DE END@2"},
        {"']]x' drops up to '>'", "<[CDATA[a]]b]]>", "DS DT(a) DT(>) END@1"},
        {"an empty section", "<[CDATA[]]>", "DS DE END@1"},
    });
}

TEST(XmlScanner, NulBytesAreOrdinaryBytes)
{
    using namespace std::string_literals;
    ExpectScans({
        {"in text", "a\0b<"s, "TEXT(a\0b"s + ") LT END@1"},
        {"skipped in a tag", "<a\0b>"s, "LT NAME(a) NAME(b) GT END@1"},
        {"in a value", "<a v=\"\0\">"s, "LT NAME(a) NAME(v) EQUALS QUOTE TEXT(\0"s + ") QUOTE GT END@1"},
        {"in a comment", "<!--\0-->"s, "END@1"},
    });
}

TEST(XmlScanner, MatchOfBufferSizeIsAFault)
{
    const std::size_t limit = XmlScanner::kMatchLimit;
    const std::string fits(limit - 1, 'x');
    const std::string tooLong(limit, 'x');
    EXPECT_EQ(Scan("\n" + fits), "TEXT(" + fits + ") END@2");
    EXPECT_EQ(Scan("\n" + tooLong), "FAULT@2");
    EXPECT_EQ(Scan("<a v=\"" + tooLong + "\""), "LT NAME(a) NAME(v) EQUALS QUOTE FAULT@1");
    EXPECT_EQ(Scan("<" + tooLong), "LT FAULT@1");
    EXPECT_EQ(Scan("<[CDATA[" + tooLong), "DS FAULT@1");
    // Runs that make no token need the buffer as much as tokens do.
    EXPECT_EQ(Scan("<!--" + tooLong), "FAULT@1");
    EXPECT_EQ(Scan(std::string(limit, ' ')), "FAULT@1");
}
