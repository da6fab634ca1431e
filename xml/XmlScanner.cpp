#include "xml/XmlScanner.h"

#include <array>
#include <cstring>

namespace {

// Byte classes of the rules; <cctype> is not used because it follows the user's locale.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsNameByteAt(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Tag bytes that begin no token (newlines included): each is skipped as a match of its own.
constexpr std::array<bool, 256> kTagSkipped = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = !IsNameByteAt(c);
    for (char c : {'?', '!', '=', '"', '/', '>'})
        table[static_cast<unsigned char>(c)] = false;
    return table;
}();

constexpr std::array<bool, 256> kNameBytes = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = IsNameByteAt(c);
    return table;
}();

bool IsNameByte(char c)
{
    return kNameBytes[static_cast<unsigned char>(c)];
}

bool IsTagSkipped(char c)
{
    return kTagSkipped[static_cast<unsigned char>(c)];
}

// [^stop\n]
auto RunUntil(char stop)
{
    return [stop](char c) { return c != stop && c != '\n'; };
}

} // namespace

template <typename Predicate>
const char* XmlScanner::SkipRun(Predicate inRun)
{
    const char* begin = m_pos;
    while (m_pos < m_end && inRun(*m_pos))
        ++m_pos;
    return begin;
}

void XmlScanner::Next(XmlToken& token)
{
    while (m_pos < m_end) {
        m_matchStart = m_pos;
        bool isToken = false;
        switch (m_state) {
        case State::Content: isToken = MatchContent(token); break;
        case State::Tag: isToken = MatchTag(token); break;
        case State::Value: isToken = MatchValue(token); break;
        case State::Comment: isToken = MatchComment(); break;
        case State::Data: isToken = MatchData(token); break;
        }
        if (static_cast<std::size_t>(m_pos - m_matchStart) >= kMatchLimit) {
            Emit(token, XmlTokenKind::Fault);
            return;
        }
        if (isToken)
            return;
    }
    Emit(token, XmlTokenKind::EndOfInput);
}

// content:  \n  count | [ \t\v\f\r]+  ignore | <  LessThan, to tag | [^<\n]+  Text
//           | <!--  to comment | <[CDATA[  DataStart, to data
bool XmlScanner::MatchContent(XmlToken& token)
{
    if (*m_pos == '\n') {
        CountNewline();
        return false;
    }
    if (*m_pos == '<') {
        if (NextIs("<!--")) {
            m_pos += 4;
            m_state = State::Comment;
            return false;
        }
        if (NextIs("<[CDATA[")) {
            m_pos += 8;
            return EmitAndEnter(token, XmlTokenKind::DataStart, State::Data);
        }
        ++m_pos;
        return EmitAndEnter(token, XmlTokenKind::LessThan, State::Tag);
    }
    // The text rule always matches at least as far as the blank rule, and the blank rule wins
    // the tie: a run is ignored exactly when it holds nothing but blanks.
    const char* begin = SkipRun(IsBlank);
    const char* afterBlanks = m_pos;
    SkipRun(RunUntil('<'));
    if (m_pos == afterBlanks)
        return false;
    return Emit(token, XmlTokenKind::Text, begin);
}

// tag:  \n  count | ?  Question | !  Bang | [A-Za-z0-9_]+  Name | =  Equals | "  Quote, to value
//       | /  Slash | >  GreaterThan, to content | any other byte  skipped
bool XmlScanner::MatchTag(XmlToken& token)
{
    // The skipped bytes are the bulk of a tag; they are passed in one go, each its own match.
    while (IsTagSkipped(*m_pos)) {
        if (*m_pos == '\n')
            ++m_line;
        if (++m_pos == m_end)
            return false;
    }
    m_matchStart = m_pos;
    if (IsNameByte(*m_pos)) {
        const char* begin = SkipRun(IsNameByte);
        return Emit(token, XmlTokenKind::Name, begin);
    }
    switch (*m_pos++) {
    case '?': return Emit(token, XmlTokenKind::Question);
    case '!': return Emit(token, XmlTokenKind::Bang);
    case '=': return Emit(token, XmlTokenKind::Equals);
    case '"': return EmitAndEnter(token, XmlTokenKind::Quote, State::Value);
    case '/': return Emit(token, XmlTokenKind::Slash);
    default: return EmitAndEnter(token, XmlTokenKind::GreaterThan, State::Content);
    }
}

bool XmlScanner::NextAttributeValue(std::string_view& value)
{
    if (m_state != State::Tag)
        return false;
    const char* pos = m_pos;
    int line = m_line;
    // Skipped tag bytes, then `byte`.
    auto passTo = [&pos, &line, this](char byte) {
        for (; pos < m_end && IsTagSkipped(*pos); ++pos)
            line += *pos == '\n';
        return pos < m_end && *pos++ == byte;
    };
    if (!passTo('=') || !passTo('"'))
        return false;
    const void* quote = std::memchr(pos, '"', static_cast<std::size_t>(m_end - pos));
    if (!quote)
        return false;
    const std::string_view text(pos, static_cast<std::size_t>(static_cast<const char*>(quote) - pos));
    // A newline alone before the closing quote is counted rather than text, and a text this long
    // is a fault: both are left to the one-by-one way.
    if (text == "\n" || text.size() >= kMatchLimit)
        return false;
    value = text;
    m_pos = static_cast<const char*>(quote) + 1;
    m_line = line;
    return true;
}

// value:  \n  count | [^"]+  Text | "  Quote, to tag
bool XmlScanner::MatchValue(XmlToken& token)
{
    if (*m_pos == '"') {
        ++m_pos;
        return EmitAndEnter(token, XmlTokenKind::Quote, State::Tag);
    }
    // The newline rule wins only the tie, when the newline is the whole run before the quote.
    if (*m_pos == '\n' && (m_pos + 1 == m_end || m_pos[1] == '"')) {
        CountNewline();
        return false;
    }
    const char* begin = m_pos;
    const void* quote = std::memchr(m_pos, '"', static_cast<std::size_t>(m_end - m_pos));
    m_pos = quote ? static_cast<const char*>(quote) : m_end;
    return Emit(token, XmlTokenKind::Text, begin);
}

// comment:  \n  count | [^-\n]+  ignore | -[^-\n]+  ignore | --[^>\n]*  ignore | -->  to content
//           | any other byte  skipped
bool XmlScanner::MatchComment()
{
    if (*m_pos == '\n')
        CountNewline();
    else if (*m_pos != '-')
        SkipRun(RunUntil('-'));
    else if (SkipMarkRun('-'))
        m_state = State::Content;
    return false;
}

// data:  \n  count | [^]\n]+  DataText | ][^]\n]*  ignore | ]][^>\n]*  ignore | ]]>  DataEnd, to content
bool XmlScanner::MatchData(XmlToken& token)
{
    if (*m_pos == '\n') {
        CountNewline();
        return false;
    }
    if (*m_pos != ']') {
        const char* begin = SkipRun(RunUntil(']'));
        return Emit(token, XmlTokenKind::DataText, begin);
    }
    if (!SkipMarkRun(']'))
        return false;
    return EmitAndEnter(token, XmlTokenKind::DataEnd, State::Content);
}

bool XmlScanner::SkipMarkRun(char mark)
{
    const char closer[] = {mark, mark, '>'};
    if (NextIs({closer, 3})) {
        m_pos += 3;
        return true;
    }
    if (NextIs({closer, 2})) {
        m_pos += 2;
        SkipRun(RunUntil('>'));
        return false;
    }
    ++m_pos;
    SkipRun(RunUntil(mark));
    return false;
}

bool XmlScanner::NextIs(std::string_view text) const
{
    return static_cast<std::size_t>(m_end - m_pos) >= text.size() &&
           std::memcmp(m_pos, text.data(), text.size()) == 0;
}

void XmlScanner::CountNewline()
{
    ++m_pos;
    ++m_line;
}

bool XmlScanner::Emit(XmlToken& token, XmlTokenKind kind, const char* begin) const
{
    token.kind = kind;
    token.text = begin ? std::string_view(begin, static_cast<std::size_t>(m_pos - begin)) : std::string_view();
    return true;
}

bool XmlScanner::EmitAndEnter(XmlToken& token, XmlTokenKind kind, State next)
{
    m_state = next;
    return Emit(token, kind);
}
