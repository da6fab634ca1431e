#pragma once

#include <wx/dialog.h>

#include "document/MappingEditors.h"
#include "document/EditStates.h"

class CLevelMapDoc;
class TextureMapping;

// The modeless texture properties dialog: edits the translation, scale and rotation of one
// floor's or wall's texture in place. Spin clicks and Apply show their change on the mapping at
// once, as a preview; OK keeps the preview as one step of the undo history, while Cancel, Escape
// and the close box put the mapping back as it was and leave no step. A command on the level
// while the dialog is open keeps the preview so far as a step first (CommitEdits). The dialog
// owns itself and is destroyed with its window. The document closes it before the mapping's
// node goes away.
class CTexturePropertiesDgl : public wxDialog, public MappingEditor {
public:
    // Creates and shows the dialog, centred on the mouse pointer.
    CTexturePropertiesDgl(CLevelMapDoc& document, TextureMapping* mapping, wxWindow* owner);
    ~CTexturePropertiesDgl() override;

    const TextureMapping* GetEditedMapping() const override { return m_pMapping; }
    void CloseEditor() override;
    // The history changed the level: every edit shows its stored value, which Cancel now goes
    // back to unless a preview is under way.
    void ShowValues() override;
    void CommitEdits() override;
    // Every edit's number is written through its setter as a preview; a value that is not
    // finite is skipped.
    void ApplyEdits();

    struct MappingRow;

private:
    // One spin click on a row: the value moves by the row's step, up (+1) or down (-1).
    void OnSpin(const MappingRow& row, float direction);
    void OnApply(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    // Puts the mapping back as the history holds it and closes.
    void Cancel();
    void RefreshViews();
    void ShowValue(const MappingRow& row);
    void ShowAllValues();
    void PlaceOnMousePointer();
    // Makes `values` the mapping's at once, without a step.
    void Preview(const MappingValues& values);

    CLevelMapDoc& m_document;
    TextureMapping* m_pMapping; // not owned; null once the dialog is closing
    MappingValues m_kept;       // the values the history holds: Cancel puts them back
    bool m_previewing = false;  // the mapping shows values the history does not hold
    bool m_committing = false;
};
