#include "document/OpenedNotes.h"

#include <cstdio>
#include <cstdlib>

#include "scenegraph/CSGGroup.h"

namespace {

// The node's element as the level file writer writes it.
std::string TextOf(CSGNode& node)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream)
        return {};
    node.WriteXml(stream);
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Calls `visit` with `root` and every node below it; only nodes that are in the level are
// reached, so a kept pointer of an object that is gone is never followed.
template <class Visit> void ForRootAndEachNode(CSGGroup& root, Visit visit)
{
    visit(static_cast<CSGNode&>(root));
    ForEachNode(root, visit);
}

} // namespace

void OpenedNotes::Keep(const SourceNotes& notes, CSGGroup& root)
{
    m_kept.clear();
    ForRootAndEachNode(root, [&](CSGNode& node) {
        const auto found = notes.find(&node);
        if (found != notes.end() && !found->second.unreadNumbers.empty())
            m_kept[&node] = {found->second, TextOf(node)};
    });
}

SourceNotes OpenedNotes::Current(CSGGroup& root) const
{
    SourceNotes current;
    if (m_kept.empty())
        return current;
    ForRootAndEachNode(root, [&](CSGNode& node) {
        const auto found = m_kept.find(&node);
        if (found != m_kept.end() && TextOf(node) == found->second.text)
            current.emplace(&node, found->second.source);
    });
    return current;
}
