#include "xml/XmlScanner.h"

#include <cstring>

namespace {

// Byte classes of the rules; <cctype> is not used because it follows the user's locale.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

bool IsNameByte(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
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

XmlToken XmlScanner::Next()
{
    XmlToken token;
    while (m_pos < m_end) {
        const char* start = m_pos;
        bool isToken = false;
        switch (m_state) {
        case State::Content: isToken = MatchContent(token); break;
        case State::Tag: isToken = MatchTag(token); break;
        case State::Value: isToken = MatchValue(token); break;
        case State::Comment: isToken = MatchComment(); break;
        case State::Data: isToken = MatchData(token); break;
        }
        if (static_cast<std::size_t>(m_pos - start) >= kMatchLimit)
            return Emit(XmlTokenKind::Fault);
        if (isToken)
            return token;
    }
    return Emit(XmlTokenKind::EndOfInput);
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
            token = EmitAndEnter(XmlTokenKind::DataStart, State::Data);
            return true;
        }
        ++m_pos;
        token = EmitAndEnter(XmlTokenKind::LessThan, State::Tag);
        return true;
    }
    // The text rule always matches at least as far as the blank rule, and the blank rule wins
    // the tie: a run is ignored exactly when it holds nothing but blanks.
    const char* begin = SkipRun(IsBlank);
    const char* afterBlanks = m_pos;
    SkipRun(RunUntil('<'));
    if (m_pos == afterBlanks)
        return false;
    token = Emit(XmlTokenKind::Text, begin);
    return true;
}

// tag:  \n  count | ?  Question | !  Bang | [A-Za-z0-9_]+  Name | =  Equals | "  Quote, to value
//       | /  Slash | >  GreaterThan, to content | any other byte  skipped
bool XmlScanner::MatchTag(XmlToken& token)
{
    if (IsNameByte(*m_pos)) {
        const char* begin = SkipRun(IsNameByte);
        token = Emit(XmlTokenKind::Name, begin);
        return true;
    }
    switch (*m_pos++) {
    case '\n': ++m_line; return false;
    case '?': token = Emit(XmlTokenKind::Question); return true;
    case '!': token = Emit(XmlTokenKind::Bang); return true;
    case '=': token = Emit(XmlTokenKind::Equals); return true;
    case '"': token = EmitAndEnter(XmlTokenKind::Quote, State::Value); return true;
    case '/': token = Emit(XmlTokenKind::Slash); return true;
    case '>': token = EmitAndEnter(XmlTokenKind::GreaterThan, State::Content); return true;
    default: return false;
    }
}

// value:  \n  count | [^"]+  Text | "  Quote, to tag
bool XmlScanner::MatchValue(XmlToken& token)
{
    if (*m_pos == '"') {
        ++m_pos;
        token = EmitAndEnter(XmlTokenKind::Quote, State::Tag);
        return true;
    }
    // The newline rule wins only the tie, when the newline is the whole run before the quote.
    if (*m_pos == '\n' && (m_pos + 1 == m_end || m_pos[1] == '"')) {
        CountNewline();
        return false;
    }
    const char* begin = m_pos;
    const void* quote = std::memchr(m_pos, '"', static_cast<std::size_t>(m_end - m_pos));
    m_pos = quote ? static_cast<const char*>(quote) : m_end;
    token = Emit(XmlTokenKind::Text, begin);
    return true;
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
        token = Emit(XmlTokenKind::DataText, begin);
        return true;
    }
    if (!SkipMarkRun(']'))
        return false;
    token = EmitAndEnter(XmlTokenKind::DataEnd, State::Content);
    return true;
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

XmlToken XmlScanner::Emit(XmlTokenKind kind, const char* begin) const
{
    if (!begin)
        return {kind, {}};
    return {kind, std::string_view(begin, static_cast<std::size_t>(m_pos - begin))};
}

XmlToken XmlScanner::EmitAndEnter(XmlTokenKind kind, State next)
{
    m_state = next;
    return {kind, {}};
}
