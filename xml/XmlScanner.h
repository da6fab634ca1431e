#pragma once

#include <cstddef>
#include <string_view>

enum class XmlTokenKind {
    EndOfInput,
    LessThan,
    GreaterThan,
    Slash,
    Equals,
    Quote,
    Question,
    Bang,
    Name,
    Text,
    DataStart,
    DataText,
    DataEnd,
    // A match too long for the scanner's buffer; the scan ends there.
    Fault,
};

// Name, Text and DataText carry the matched bytes (a view into the scanned input); the other
// kinds carry nothing.
struct XmlToken {
    XmlTokenKind kind = XmlTokenKind::EndOfInput;
    std::string_view text;
};

// Turns the bytes of a level map file into tokens, one per call, with the five states of the
// dialect (content, tag, value, comment, character data). In every state the longest match
// wins and, between equally long matches, the rule listed first in the state's table; the
// comments of the Match functions give each state's rules in that order.
//
// Bytes with the value 0 are ordinary bytes: part of text, values, data and comments, and
// skipped between the tokens of a tag. Matches are kept by length, never as C strings.
class XmlScanner {
public:
    // A single match (token or skipped run) this long did not fit the 16 384-byte buffer of
    // the scanner these files were first read with; refusing it here too keeps the editor from
    // accepting a file that scanner rejects.
    static constexpr std::size_t kMatchLimit = 16383;

    // The input must outlive the scanner and the tokens it hands out.
    XmlScanner(const char* data, std::size_t size) : m_pos(data), m_end(data + size) {}

    // Fills in the next token in place (tokens are read far too often to be copied about).
    void Next(XmlToken& token);
    // Right after an attribute's name in a tag, reads the rest of the attribute, `= "value"`, at
    // once: the Equals, Quote, Text (none for an empty value) and Quote tokens that Next would
    // give one by one. Only where those tokens are plainly there; otherwise false, with nothing
    // read, and the caller takes the tokens one by one. Most tokens of a level are these.
    bool NextAttributeValue(std::string_view& value);
    // Newlines counted so far, plus one.
    int GetLine() const { return m_line; }

private:
    enum class State { Content, Tag, Value, Comment, Data };

    // Each takes one match at m_pos (there is at least one byte) and returns true when the
    // match is a token, stored in `token`. Tag and value matches are nearly every token of a
    // level; they are inline (defined with Next, their only caller) to spare a call per token.
    bool MatchContent(XmlToken& token);
    inline bool MatchTag(XmlToken& token);
    inline bool MatchValue(XmlToken& token);
    bool MatchComment();
    bool MatchData(XmlToken& token);

    // The shared shape of the comment and data rules around their closers "-->" and "]]>",
    // with `mark` the closer's doubled byte: "mm>" closes (true); "mm" with what follows up
    // to '>' or a newline is dropped; "m" with what follows up to the next m or newline too.
    bool SkipMarkRun(char mark);
    bool NextIs(std::string_view text) const;
    void CountNewline();
    // Advances over the bytes that `inRun` accepts and returns where the run began.
    template <typename Predicate>
    const char* SkipRun(Predicate inRun);
    // Makes `token` one of `kind`, with `begin` carrying the bytes from there to the current
    // position; true, for the rules to return.
    bool Emit(XmlToken& token, XmlTokenKind kind, const char* begin = nullptr) const;
    bool EmitAndEnter(XmlToken& token, XmlTokenKind kind, State next);

    const char* m_pos;
    const char* m_end;
    // Where the match in progress began; no match may reach kMatchLimit bytes.
    const char* m_matchStart = nullptr;
    State m_state = State::Content;
    int m_line = 1;
};
