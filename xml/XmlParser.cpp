#include "xml/XmlParser.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>

using Kind = XmlTokenKind;

namespace {

// Puts the attributes of a start tag in the element's lookup order, each name once with the last
// value it was given. Names are views into the input, so their addresses tell the document
// order: sorting by name and then address keeps equal names in that order without the
// allocation a stable sort makes on every tag.
void SortKeepingLast(XmlAttributeList& attributes)
{
    std::sort(attributes.begin(), attributes.end(), [](const XmlAttribute& a, const XmlAttribute& b) {
        int order = CompareAttributeNames(a.first, b.first);
        return order < 0 || (order == 0 && std::less<const char*>()(a.first.data(), b.first.data()));
    });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < attributes.size(); ++i)
        if (i + 1 == attributes.size() || attributes[i + 1].first != attributes[i].first)
            attributes[kept++] = attributes[i];
    attributes.resize(kept);
}

} // namespace

bool XmlParser::Parse()
{
    if (!ParseDocumentStart() || !ParseElementTree())
        return false;
    return LookaheadIs(Kind::EndOfInput) || Reject();
}

// Leaves the root's LT shifted and its NAME as the lookahead, after the optional prologue.
bool XmlParser::ParseDocumentStart()
{
    if (!Expect(Kind::LessThan))
        return false;
    if (!LookaheadIs(Kind::Question))
        return LookaheadIs(Kind::Name) || Reject();
    if (!ExpectSequence({Kind::Question, Kind::Name, Kind::Name, Kind::Equals, Kind::Quote, Kind::Text,
                         Kind::Quote, Kind::Question, Kind::GreaterThan}))
        return false;
    Reduce(10); // declaration
    // After the declaration the token behind the next LT tells a doctype from the root.
    if (!Expect(Kind::LessThan))
        return false;
    if (LookaheadIs(Kind::Name))
        return true; // prologue := declaration, one entry like the declaration it replaces
    if (!ExpectSequence({Kind::Bang, Kind::Name, Kind::Name, Kind::Name, Kind::Quote, Kind::Text, Kind::Quote,
                         Kind::GreaterThan}))
        return false;
    Reduce(9); // doctype
    Reduce(2); // prologue := declaration doctype
    return Expect(Kind::LessThan) && (LookaheadIs(Kind::Name) || Reject());
}

// Reads the root element and everything inside it, one start tag per turn of the loop and the
// names of the open elements on m_openNames instead of the call stack.
bool XmlParser::ParseElementTree()
{
    for (;;) {
        ContentEnd end = ParseStartTag();
        while (end == ContentEnd::Closed) {
            CloseElement();
            if (m_openNames.empty())
                return true;
            Reduce(2); // content := content element
            end = ParseContent();
        }
        if (end == ContentEnd::Failed)
            return false;
    }
}

// The LT is shifted and the element's NAME is the lookahead.
XmlParser::ContentEnd XmlParser::ParseStartTag()
{
    // The scanner has just read the name; an empty element is handed over before the next tag.
    m_handler.SetStartLine(m_scanner.GetLine());
    m_openNames.push_back(m_lookahead.text);
    Shift();
    Reduce(0); // attributes := (empty)
    if (!ParseAttributes())
        return ContentEnd::Failed;
    if (LookaheadIs(Kind::Slash)) {
        if (!ExpectSequence({Kind::Slash, Kind::GreaterThan}))
            return ContentEnd::Failed;
        Reduce(5); // element := LT NAME attributes SLASH GT
        m_emptyElement = true;
        return ContentEnd::Closed;
    }
    if (!Expect(Kind::GreaterThan))
        return ContentEnd::Failed;
    m_handler.StartElement(m_openNames.back(), m_attributes);
    Reduce(0); // content := (empty)
    return ParseContent();
}

bool XmlParser::ParseAttributes()
{
    m_attributes.clear();
    while (LookaheadIs(Kind::Name)) {
        std::string_view name = m_lookahead.text;
        Shift();
        std::string_view value;
        std::size_t length = 1; // attribute := NAME
        // EQUALS QUOTE TEXT QUOTE push four entries at most, each of which could overflow the
        // stack at its own line; near the limit the tokens are taken one by one.
        if (!m_failed && m_stackEntries + 4 < kStackLimit && m_scanner.NextAttributeValue(value)) {
            length = value.empty() ? 4 : 5;
            m_stackEntries += length - 1;
        } else if (LookaheadIs(Kind::Equals)) {
            if (!ExpectSequence({Kind::Equals, Kind::Quote}))
                return false;
            length = 4; // attribute := NAME EQUALS QUOTE QUOTE
            if (LookaheadIs(Kind::Text)) {
                value = m_lookahead.text;
                Shift();
                length = 5; // attribute := NAME EQUALS QUOTE TEXT QUOTE
            }
            if (!Expect(Kind::Quote))
                return false;
        }
        Reduce(length);
        Reduce(2); // attributes := attributes attribute
        m_attributes.emplace_back(name, value);
    }
    if (m_failed)
        return false;
    SortKeepingLast(m_attributes);
    return true;
}

// Reads the innermost open element's text pieces up to the next tag.
XmlParser::ContentEnd XmlParser::ParseContent()
{
    bool textOnStack = false;
    for (;;) {
        switch (Lookahead().kind) {
        case Kind::Text:
        case Kind::DataStart:
            if (!ParsePiece())
                return ContentEnd::Failed;
            // A further piece extends the text on the stack rather than ending it.
            Reduce(textOnStack ? 2 : 1); // text := text piece | piece
            textOnStack = true;
            break;
        case Kind::LessThan:
            if (textOnStack)
                Reduce(2); // content := content text
            Shift();
            if (LookaheadIs(Kind::Name))
                return ContentEnd::ChildStart;
            if (LookaheadIs(Kind::Slash))
                return ParseEndTag();
            Reject();
            return ContentEnd::Failed;
        default:
            Reject();
            return ContentEnd::Failed;
        }
    }
}

bool XmlParser::ParsePiece()
{
    std::string_view piece;
    if (LookaheadIs(Kind::Text)) {
        piece = m_lookahead.text;
        Shift();
        Reduce(1); // piece := TEXT
    } else {
        if (!Expect(Kind::DataStart) || !LookaheadIs(Kind::DataText))
            return Reject();
        piece = m_lookahead.text;
        if (!ExpectSequence({Kind::DataText, Kind::DataEnd}))
            return false;
        Reduce(3); // piece := DATA_START DATA_TEXT DATA_END
    }
    if (m_failed)
        return false;
    m_handler.AppendText(piece);
    return true;
}

// The end tag's LT is shifted and its SLASH is the lookahead.
XmlParser::ContentEnd XmlParser::ParseEndTag()
{
    if (!Expect(Kind::Slash) || !LookaheadIs(Kind::Name)) {
        Reject();
        return ContentEnd::Failed;
    }
    std::string_view name = m_lookahead.text;
    if (!ExpectSequence({Kind::Name, Kind::GreaterThan}))
        return ContentEnd::Failed;
    Reduce(9); // element := LT NAME attributes GT content LT SLASH NAME GT
    std::string_view startName = m_openNames.back();
    if (name != startName) {
        // The dialect refuses this without a report of its own; the user still learns why.
        Fail(std::string(), AtLine("mismatched end tag </" + std::string(name) + "> for <" + std::string(startName) +
                                   ">"));
        return ContentEnd::Failed;
    }
    return ContentEnd::Closed;
}

void XmlParser::CloseElement()
{
    // The start tag of an empty element was its end too; the handler learns of both at once.
    if (m_emptyElement)
        m_handler.EmptyElement(m_openNames.back(), m_attributes);
    else
        m_handler.EndElement();
    m_emptyElement = false;
    m_openNames.pop_back();
}

const XmlToken& XmlParser::Lookahead()
{
    if (!m_haveLookahead) {
        m_scanner.Next(m_lookahead);
        m_haveLookahead = true;
    }
    return m_lookahead;
}

void XmlParser::Shift()
{
    m_haveLookahead = false;
    Push();
}

bool XmlParser::Expect(XmlTokenKind kind)
{
    if (!LookaheadIs(kind))
        return Reject();
    Shift();
    return !m_failed;
}

bool XmlParser::ExpectSequence(std::initializer_list<XmlTokenKind> kinds)
{
    for (XmlTokenKind kind : kinds)
        if (!Expect(kind))
            return false;
    return true;
}

void XmlParser::Reduce(std::size_t length)
{
    m_stackEntries -= length;
    Push();
}

void XmlParser::Push()
{
    if (++m_stackEntries >= kStackLimit)
        FailAtLine("parser stack overflow");
}

bool XmlParser::Reject()
{
    if (m_failed)
        return false;
    if (m_lookahead.kind == Kind::Fault)
        return Fail("input buffer overflow, can't enlarge buffer because scanner uses REJECT\n",
                    AtLine("token of " + std::to_string(XmlScanner::kMatchLimit) + " bytes or more"));
    return FailAtLine("parse error");
}

bool XmlParser::FailAtLine(std::string_view what)
{
    std::string text = AtLine(what);
    return Fail(text + "\n", text);
}

bool XmlParser::Fail(const std::string& report, std::string error)
{
    if (m_failed)
        return false;
    m_failed = true;
    if (m_reports)
        std::fputs(report.c_str(), m_reports);
    m_error = std::move(error);
    m_lookahead = XmlToken{Kind::Fault, {}};
    m_haveLookahead = true;
    return false;
}

std::string XmlParser::AtLine(std::string_view what) const
{
    return std::string(what) + " at line " + std::to_string(m_scanner.GetLine());
}
