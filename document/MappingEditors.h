#pragma once

class CSGNode;
class TextureMapping;

// Windows that edit a floor's or wall's texture mapping in place (the texture properties
// dialogs) hold a plain pointer to it. They register here, so that the document can close them
// before the node that owns the mapping is destroyed.
class MappingEditor {
public:
    virtual ~MappingEditor() = default;
    virtual const TextureMapping* GetEditedMapping() const = 0;
    // Stops using the mapping at once and closes the editor; it unregisters itself.
    virtual void CloseEditor() = 0;
    // Shows the mapping's values again (an undo or redo may have changed them).
    virtual void ShowValues() = 0;
    // Keeps a change shown but not yet in the history as a step.
    virtual void CommitEdits() = 0;
};

void RegisterMappingEditor(MappingEditor& editor);
void UnregisterMappingEditor(MappingEditor& editor);

// Closes every editor of the mapping of `node` or of any node below it: call before the node
// is deleted.
void CloseMappingEditorsBelow(const CSGNode& node);
// Every open editor shows its mapping's current values.
void RefreshMappingEditors();
// Every open editor keeps its change as a step: call before a command acts on the level.
void CommitMappingEditors();
// Closes every editor: call before the whole level is destroyed.
void CloseAllMappingEditors();

// The editors open now, for the document's checks and the tests.
int OpenMappingEditorCount();
