#include "scenegraph/SourceNotes.h"

#include "xml/XmlElement.h"

namespace {

thread_local std::vector<UnreadNumber>* t_current = nullptr;

} // namespace

UnreadNumberLog::UnreadNumberLog(std::vector<UnreadNumber>& found) : m_previous(t_current)
{
    t_current = &found;
}

UnreadNumberLog::~UnreadNumberLog()
{
    t_current = m_previous;
}

void UnreadNumberLog::Note(const XmlElement& element, std::string_view name, std::string_view text, bool integer)
{
    if (!t_current || (text.empty() && !element.HasAttribute(name)))
        return;
    t_current->push_back({std::string(name), std::string(text), integer});
}
