#include "document/MappingEditors.h"

#include <algorithm>
#include <vector>

#include "level/TextureMapping.h"
#include "scenegraph/CSGGroup.h"

namespace {

std::vector<MappingEditor*>& Editors()
{
    static std::vector<MappingEditor*> editors;
    return editors;
}

void CollectMappings(const CSGNode& node, std::vector<const TextureMapping*>& mappings)
{
    if (const auto* mapping = dynamic_cast<const TextureMapping*>(&node))
        mappings.push_back(mapping);
    if (const auto* group = dynamic_cast<const CSGGroup*>(&node))
        for (const auto& child : group->Children())
            CollectMappings(*child, mappings);
}

// Closing unregisters, so the list is copied before it is walked.
template <class Predicate>
void CloseEditorsIf(Predicate shouldClose)
{
    const std::vector<MappingEditor*> editors = Editors();
    for (MappingEditor* editor : editors)
        if (shouldClose(*editor))
            editor->CloseEditor();
}

} // namespace

void RegisterMappingEditor(MappingEditor& editor)
{
    Editors().push_back(&editor);
}

void UnregisterMappingEditor(MappingEditor& editor)
{
    auto& editors = Editors();
    editors.erase(std::remove(editors.begin(), editors.end(), &editor), editors.end());
}

void CloseMappingEditorsBelow(const CSGNode& node)
{
    std::vector<const TextureMapping*> mappings;
    CollectMappings(node, mappings);
    CloseEditorsIf([&](const MappingEditor& editor) {
        return std::find(mappings.begin(), mappings.end(), editor.GetEditedMapping()) !=
               mappings.end();
    });
}

void RefreshMappingEditors()
{
    for (MappingEditor* editor : Editors())
        editor->ShowValues();
}

void CommitMappingEditors()
{
    for (MappingEditor* editor : Editors())
        editor->CommitEdits();
}

void CloseAllMappingEditors()
{
    CloseEditorsIf([](const MappingEditor&) { return true; });
}

int OpenMappingEditorCount()
{
    return static_cast<int>(Editors().size());
}
