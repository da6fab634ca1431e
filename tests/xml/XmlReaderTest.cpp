#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "xml/XmlReader.h"

namespace {

const std::string kFixtures = TRELKAN_SOURCE_DIR "/tests/fixtures/xml/";

// A compact picture of a tree: name{attributes}'text'(children).
std::string Describe(const XmlElement& element)
{
    std::string out = element.GetName();
    const char* separator = "{";
    for (const auto& [name, value] : element.GetAttributes()) {
        out.append(separator).append(name).append("=").append(value);
        separator = ",";
    }
    if (!element.GetAttributes().empty())
        out += "}";
    if (!element.GetText().empty())
        out += "'" + element.GetText() + "'";
    separator = "(";
    for (const XmlElement& child : element.GetChildren()) {
        out += separator + Describe(child);
        separator = " ";
    }
    if (!element.GetChildren().empty())
        out += ")";
    return out;
}

struct Outcome {
    bool ok;
    std::string report; // what went to the standard error stream
    std::string tree;
};

template <typename ReadCall>
Outcome Capture(XmlReader& reader, ReadCall read)
{
    testing::internal::CaptureStderr();
    bool ok = read();
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ok, reader.GetRoot() != nullptr);
    return {ok, report, ok ? Describe(*reader.GetRoot()) : std::string()};
}

Outcome ReadText(XmlReader& reader, const std::string& text)
{
    return Capture(reader, [&] { return reader.ReadBuffer(text.data(), text.size()); });
}

Outcome ReadFile(XmlReader& reader, const std::string& path)
{
    return Capture(reader, [&] { return reader.Read(path); });
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Repeat(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

} // namespace

TEST(XmlReader, ReadsTheEditorsLevelFiles)
{
    XmlReader reader;
    EXPECT_EQ(reader.GetRoot(), nullptr);
    Outcome empty = ReadFile(reader, kFixtures + "empty_level.xml");
    ASSERT_TRUE(empty.ok) << reader.GetError();
    EXPECT_EQ(empty.report, "");
    const XmlElement& root = *reader.GetRoot();
    EXPECT_EQ(root.GetName(), "CSGGroup");
    EXPECT_EQ(root.GetAttribute("SaveLightState"), "1");
    ASSERT_EQ(root.GetChildren().size(), 3u);
    const XmlElement& settings = root.GetChildren()[0];
    EXPECT_EQ(settings.GetAttributes().size(), 8u);
    EXPECT_EQ(settings.GetAttribute("SnakeTurningAngle"), "90.000000");
    EXPECT_EQ(Describe(root.GetChildren()[2]).substr(0, 44), "LevelGroupNode{SaveLightState=1}(LevelFloor{");

    Outcome full = ReadFile(reader, kFixtures + "skybox_wall_item.xml");
    ASSERT_TRUE(full.ok) << reader.GetError();
    const XmlElement& level = reader.GetRoot()->GetChildren()[3];
    ASSERT_EQ(level.GetChildren().size(), 3u);
    const XmlElement& wall = level.GetChildren()[1];
    EXPECT_EQ(wall.GetName(), "Wall");
    EXPECT_EQ(wall.GetAttribute("Width"), "4.000000");
    EXPECT_EQ(wall.GetAttribute("Height"), "");
    EXPECT_EQ(wall.GetText(), "");
    EXPECT_EQ(reader.GetRoot()->GetChildren()[0].GetAttribute("TextureBaseName"),
              "../data/CubeMaps/Special/default.png");
}

TEST(XmlReader, CrLfLineEndsReadLikeLf)
{
    std::string lf = FileText(kFixtures + "skybox_wall_item.xml");
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    XmlReader reader;
    Outcome fromLf = ReadText(reader, lf);
    Outcome fromCrLf = ReadText(reader, crlf);
    ASSERT_TRUE(fromCrLf.ok) << reader.GetError();
    EXPECT_EQ(fromCrLf.tree, fromLf.tree);
    // Line numbers count CR LF lines too.
    Outcome broken = ReadText(reader, "<a>\r\n<b>\r\n<c=>\r\n");
    EXPECT_EQ(broken.report, "parse error at line 3\n");
}

TEST(XmlReader, AcceptedDocuments)
{
    struct Case {
        const char* what;
        std::string input;
        const char* tree;
    };
    const Case cases[] = {
        {"an empty root group", "<CSGGroup SaveLightState = \"1\" >\n</CSGGroup>\n", "CSGGroup{SaveLightState=1}"},
        {"bare and empty attributes", "<a b c=\"\"/>", "a{b=,c=}"},
        {"a repeated attribute keeps its last value", "<a v=\"1\" w=\"0\" v=\"2\"/>", "a{v=2,w=0}"},
        {"attributes in byte order of their names", "<a z=\"1\" b=\"2\" B=\"3\" b=\"4\" b=\"5\" _=\"6\"/>", "a{B=3,_=6,b=5,z=1}"},
        {"no escapes", "<a v=\"&amp; <x>\"/>", "a{v=&amp; <x>}"},
        {"a value spanning lines keeps CR LF", "<a v=\"x\r\ny\"/>", "a{v=x\r\ny}"},
        {"free blanks in tags", "< a / >", "a"},
        {"free blanks in end tags", "<a></ a >", "a"},
        {"text around children", "<a>x<b/>y</a>", "a'xy'(b)"},
        {"blank runs between elements are no text", "<a>\n  <b/>\n\t<c/>\n</a>", "a(b c)"},
        {"text keeps its blanks", "<a> x  y </a>", "a' x  y '"},
        {"children in document order", "<r><A/><B/><A/></r>", "r(A B A)"},
        {"a comment between text pieces", "<a>x<!-- note -->y</a>", "a'xy'"},
        {"comments around the root", "<!-- a -->\n<a/>\n<!-- b -->\n", "a"},
        {"'--' in a comment swallows the closer on its line", "<a><!-- -- x --> <b/>\n--></a>", "a"},
        {"character data", "<a><[CDATA[p<q]]></a>", "a'p<q'"},
        {"character data between text", "<a>x<[CDATA[y]]>z</a>", "a'xyz'"},
        {"a declaration", "<?xml version=\"1.0\"?>\n<a/>", "a"},
        {"a declaration and a doctype", "<?xml version=\"1.0\"?>\n<!DOCTYPE level SYSTEM \"level.dtd\">\n<a/>", "a"},
    };
    XmlReader reader;
    for (const Case& c : cases) {
        Outcome outcome = ReadText(reader, c.input);
        EXPECT_TRUE(outcome.ok) << c.what << ": " << reader.GetError();
        EXPECT_EQ(outcome.tree, c.tree) << c.what;
        EXPECT_EQ(outcome.report, "") << c.what;
    }
}

TEST(XmlReader, ParseErrorsNameTheirLine)
{
    struct Case {
        const char* what;
        std::string input;
        int line;
    };
    const Case cases[] = {
        {"empty input", "", 1},
        {"only blanks and a comment", "\n \n<!-- x -->", 3},
        {"an unclosed root", "<a>", 1},
        {"an unclosed root before a newline", "<a>\n", 2},
        {"a second root", "<a/><b/>", 1},
        {"text after the root", "<a/>x", 1},
        {"text before the root", "x<a/>", 1},
        {"an unfinished end tag even with another name", "<a></b", 1},
        {"an error on the third line", "<a>\n<b/>\n<c d=>\n</a>", 3},
        {"single-quoted values", "<a v='1'/>", 1},
        {"standard character data", "<a><![CDATA[p]]></a>", 1},
        {"empty character data", "<a><[CDATA[]]></a>", 1},
        {"character data spanning a newline", "<a><[CDATA[p\nq]]></a>", 2},
        {"a doctype without a declaration", "<!DOCTYPE a SYSTEM \"d\">\n<a/>", 1},
        {"a declaration with two pairs", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", 1},
        {"a declaration with an empty value", "<?xml version=\"\"?><a/>", 1},
        {"a doctype with two names", "<?xml version=\"1.0\"?><!DOCTYPE a \"c\"><a/>", 1},
        {"two declarations", "<?xml version=\"1.0\"?>\n<?xml version=\"1.0\"?>\n<a/>", 2},
        {"a declaration alone", "<?xml version=\"1.0\"?>\n", 2},
    };
    XmlReader reader;
    for (const Case& c : cases) {
        Outcome outcome = ReadText(reader, c.input);
        std::string expected = "parse error at line " + std::to_string(c.line);
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_EQ(outcome.report, expected + "\n") << c.what;
        EXPECT_EQ(reader.GetError(), expected) << c.what;
    }
}

TEST(XmlReader, MismatchedEndTagFailsWithoutReport)
{
    XmlReader reader;
    Outcome flat = ReadText(reader, "<a></b>");
    EXPECT_FALSE(flat.ok);
    EXPECT_EQ(flat.report, "");
    EXPECT_EQ(reader.GetError(), "mismatched end tag </b> for <a> at line 1");
    ReadText(reader, "<a>\n<b>\n</a>\n</b>");
    EXPECT_EQ(reader.GetError(), "mismatched end tag </a> for <b> at line 3");
}

TEST(XmlReader, ErrorLineOfAFile)
{
    XmlReader reader;
    Outcome outcome = ReadFile(reader, kFixtures + "value_without_name_on_line_3.xml");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.report, "parse error at line 3\n");
}

TEST(XmlReader, EveryReadStartsFresh)
{
    XmlReader reader;
    ASSERT_TRUE(ReadText(reader, "<old/>").ok);
    EXPECT_EQ(ReadText(reader, "<a>\n\n\n<b").report, "parse error at line 4\n");
    EXPECT_EQ(reader.GetRoot(), nullptr);
    // Lines count from 1 again and nothing of the failed input remains in the scanner.
    EXPECT_EQ(ReadText(reader, "<c>\n</d").report, "parse error at line 2\n");
    Outcome fresh = ReadText(reader, "<e/>");
    EXPECT_EQ(fresh.tree, "e");
    EXPECT_EQ(reader.GetError(), "");
}

TEST(XmlReader, FilesThatCannotBeOpenedOrRead)
{
    XmlReader reader;
    Outcome missing = ReadFile(reader, kFixtures + "no_such_file.xml");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.report, "");
    EXPECT_EQ(reader.GetError(), "cannot open file: No such file or directory");
    // A folder opens but its reads fail.
    Outcome folder = ReadFile(reader, kFixtures);
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.report, "input in flex scanner failed\n");
    EXPECT_EQ(reader.GetError(), "cannot read file: Is a directory");
    // A FIFO is refused without being opened; the alarm ends the test if it ever waits.
    const std::string fifo = testing::TempDir() + "trelkan-level.fifo";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    alarm(10);
    EXPECT_FALSE(ReadFile(reader, fifo).ok);
    alarm(0);
    EXPECT_EQ(reader.GetError(), "cannot open file: not a regular file");
    std::remove(fifo.c_str());
}

// The historical parser kept at most 9 999 stack entries: its start state plus five per open
// element (LT NAME attributes GT content) plus what the innermost construct holds.
TEST(XmlReader, ParserStackLimit)
{
    XmlReader reader;
    auto nested = [](int depth, const std::string& innermost) {
        return Repeat("<a>\n", depth) + innermost + Repeat("</a>\n", depth);
    };
    EXPECT_TRUE(ReadText(reader, nested(1998, "")).ok) << reader.GetError();
    // 1 + 5 * 1998 entries leave room for an empty element's five.
    EXPECT_TRUE(ReadText(reader, nested(1998, "<a/>\n")).ok) << reader.GetError();
    EXPECT_TRUE(ReadText(reader, nested(1998, "<b v=\"x\"/>\n")).ok) << reader.GetError();
    // 1 + 5 * 1999 entries leave no room for the GT of the innermost end tag on line 2000.
    EXPECT_EQ(ReadText(reader, nested(1999, "")).report, "parser stack overflow at line 2000\n");
    EXPECT_EQ(reader.GetError(), "parser stack overflow at line 2000");
    EXPECT_EQ(ReadText(reader, nested(2000, "")).report, "parser stack overflow at line 2000\n");
    // Far deeper input fails just as early, without deep recursion anywhere.
    EXPECT_EQ(ReadText(reader, Repeat("<a>", 1000000)).report, "parser stack overflow at line 1\n");
}

// However an attribute is spelt, newlines in its tag are counted and those in its value are not,
// so a later error names the same line; near the stack limit its tokens overflow one by one.
TEST(XmlReader, AttributeSpellingsKeepTheLineCount)
{
    struct Case {
        const char* what;
        std::string input;
        const char* tree;
        int errorLine;
    };
    const Case cases[] = {
        {"newlines around the equals sign", "<a v\n=\n\"1\"\n/>\n<", "a{v=1}", 5},
        {"newlines inside a value", "<a v=\"x\ny\n\"/>\n<", "a{v=x\ny\n}", 2},
        {"a newline alone as the value", "<a v=\"\n\"/>\n<", "a{v=}", 3},
        {"an empty value then a newline", "<a v=\"\"\nw=\"2\"/>\n<", "a{v=,w=2}", 3},
        {"an unterminated value", "<a v=\"x\n\ny", nullptr, 1},
        {"a value without its equals sign", "<a v\n\"x\"/>", nullptr, 2},
    };
    XmlReader reader;
    for (const Case& c : cases) {
        if (c.tree) {
            const std::string whole = c.input.substr(0, c.input.rfind('>') + 1);
            Outcome accepted = ReadText(reader, whole);
            EXPECT_TRUE(accepted.ok) << c.what << ": " << reader.GetError();
            EXPECT_EQ(accepted.tree, c.tree) << c.what;
        }
        EXPECT_EQ(ReadText(reader, c.input).report, "parse error at line " + std::to_string(c.errorLine) + "\n")
            << c.what;
    }
    // The declaration's entry leaves room for an attribute's name but not for its closing quote.
    const std::string nearLimit = "<?xml version=\"1.0\"?>\n" + Repeat("<a>\n", 1998) + "<b v\n=\n\"x\ny\"/>\n" +
                                  Repeat("</a>\n", 1998);
    EXPECT_EQ(ReadText(reader, nearLimit).report, "parser stack overflow at line 2002\n");
}

TEST(XmlReader, DeepestTreeIsUsable)
{
    XmlReader reader;
    std::string text = Repeat("<a>", 1998) + "<a/>" + Repeat("</a>", 1998);
    ASSERT_TRUE(reader.ReadBuffer(text.data(), text.size()));
    int depth = 1;
    for (const XmlElement* e = reader.GetRoot(); !e->GetChildren().empty(); e = &e->GetChildren()[0])
        ++depth;
    EXPECT_EQ(depth, 1999);
}

TEST(XmlReader, OverLongTokenFailsTheReadOnly)
{
    const std::string fits(16382, 'v');
    const std::string tooLong(16383, 'v');
    XmlReader reader;
    Outcome ok = ReadText(reader, "<a v=\"" + fits + "\"/>");
    ASSERT_TRUE(ok.ok);
    EXPECT_EQ(reader.GetRoot()->GetAttribute("v"), fits);
    Outcome failed = ReadText(reader, "<a>\n<b v=\"" + tooLong + "\"/></a>");
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.report, "input buffer overflow, can't enlarge buffer because scanner uses REJECT\n");
    EXPECT_EQ(reader.GetError(), "token of 16383 bytes or more at line 2");
    // An earlier error wins over a later long token.
    EXPECT_EQ(ReadText(reader, "<a/>x<" + tooLong).report, "parse error at line 1\n");
}

TEST(XmlReader, NulBytesAreKeptByLength)
{
    using namespace std::string_literals;
    XmlReader reader;
    std::string text = "<a v=\"x\0y\">t\0u<\0b/></a>"s;
    ASSERT_TRUE(ReadText(reader, text).ok) << reader.GetError();
    const XmlElement& root = *reader.GetRoot();
    EXPECT_EQ(root.GetAttribute("v"), "x\0y"s);
    EXPECT_EQ(root.GetText(), "t\0u"s);
    ASSERT_EQ(root.GetChildren().size(), 1u);
    EXPECT_EQ(root.GetChildren()[0].GetName(), "b");
}

TEST(XmlReader, TruncatedFilesFailCleanly)
{
    const std::string text = FileText(kFixtures + "skybox_wall_item.xml");
    const std::size_t complete = text.rfind('>') + 1;
    XmlReader reader;
    testing::internal::CaptureStderr();
    for (std::size_t length = 0; length <= text.size(); ++length) {
        bool ok = reader.ReadBuffer(text.data(), length);
        ASSERT_EQ(ok, length >= complete) << length;
        ASSERT_EQ(reader.GetRoot() != nullptr, ok) << length;
        ASSERT_EQ(reader.GetError().empty(), ok) << length;
    }
    testing::internal::GetCapturedStderr();
}
