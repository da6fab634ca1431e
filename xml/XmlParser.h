#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xml/XmlElement.h"
#include "xml/XmlHandler.h"
#include "xml/XmlScanner.h"

// Checks the token sequence of one level map file against the dialect's grammar and hands its
// elements to a handler as they are read. One parser serves one parse.
//
//   document    := prologue element | element
//   prologue    := declaration doctype | declaration
//   declaration := LT QUESTION NAME NAME EQUALS QUOTE TEXT QUOTE QUESTION GT
//   doctype     := LT BANG NAME NAME NAME QUOTE TEXT QUOTE GT
//   element     := LT NAME attributes SLASH GT
//                | LT NAME attributes GT content LT SLASH NAME GT   (both names equal)
//   attributes  := (empty) | attributes attribute
//   attribute   := NAME | NAME EQUALS QUOTE QUOTE | NAME EQUALS QUOTE TEXT QUOTE
//   content     := (empty) | content element | content text
//   text        := piece | text piece
//   piece       := TEXT | DATA_START DATA_TEXT DATA_END
//
// The files were historically read by a table-driven LALR(1) parser whose stack held at most
// 9 999 entries; deeper documents were refused with "parser stack overflow". This parser
// descends by hand, without recursion, and counts the entries that parser would hold: one for
// its start state and one per grammar symbol shifted or reduced onto it (an open element holds
// LT NAME attributes GT content, five entries), so exactly the same documents are refused at
// the same line. Tokens are fetched only where that parser fetched its lookahead, which keeps
// the reported line numbers identical too.
class XmlParser {
public:
    static constexpr std::size_t kStackLimit = 10000;

    // The input and the handler must outlive the parser. Reports go to `reports` (none when null).
    XmlParser(const char* data, std::size_t size, XmlHandler& handler, std::FILE* reports = stderr)
        : m_scanner(data, size), m_handler(handler), m_reports(reports)
    {
    }

    // True when the input is one well-formed document. On failure the report (if the failure
    // has one) is on the reports stream and GetError() explains it to the user.
    bool Parse();
    const std::string& GetError() const { return m_error; }

private:
    // Whether a content run ended at a child's start tag (its LT shifted, its NAME the
    // lookahead) or at the end tag of the innermost open element.
    enum class ContentEnd { ChildStart, Closed, Failed };

    bool ParseDocumentStart();
    bool ParseElementTree();
    ContentEnd ParseStartTag();
    bool ParseAttributes();
    ContentEnd ParseContent();
    bool ParsePiece();
    ContentEnd ParseEndTag();
    void CloseElement();

    const XmlToken& Lookahead();
    bool LookaheadIs(XmlTokenKind kind) { return Lookahead().kind == kind; }
    void Shift();
    // Shifts the lookahead when it is of `kind`; otherwise the parse fails.
    bool Expect(XmlTokenKind kind);
    bool ExpectSequence(std::initializer_list<XmlTokenKind> kinds);
    // Replaces the top `length` entries by the rule's left-hand symbol.
    void Reduce(std::size_t length);
    void Push();

    // Every failure goes through one of these; only the first one of a parse counts, and
    // afterwards the lookahead reads as a fault so that the parse winds up at once.
    bool Reject();
    bool Fail(const std::string& report, std::string error);
    // Reports "<what> at line <n>" and fails with the same words.
    bool FailAtLine(std::string_view what);
    std::string AtLine(std::string_view what) const;

    XmlScanner m_scanner;
    XmlHandler& m_handler;
    std::FILE* m_reports;
    XmlToken m_lookahead;
    bool m_haveLookahead = false;
    bool m_failed = false;
    std::size_t m_stackEntries = 1;
    // The names of the elements whose start tag has been read and whose end has not, outermost
    // first (views into the input).
    std::vector<std::string_view> m_openNames;
    // The attributes of the start tag last read, in document order and then in lookup order;
    // reused from tag to tag.
    XmlAttributeList m_attributes;
    // Whether the element last closed ended with its start tag (`<a/>`).
    bool m_emptyElement = false;
    std::string m_error;
};
