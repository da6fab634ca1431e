#pragma once

#include <wx/dialog.h>

#include "document/MappingEditors.h"
#include "framework/HistoryStep.h"

class CLevelMapDoc;
class TextureMapping;
struct MappingValues;

// The modeless texture properties dialog: edits the translation, scale and rotation of one
// floor's or wall's texture in place. Spin clicks change the mapping at once; typed values are
// written by Apply and OK; Cancel undoes nothing. All changes of one opening are one step of
// the undo history. The dialog owns itself and is destroyed with its window. The document closes
// it before the mapping's node goes away.
class CTexturePropertiesDgl : public wxDialog, public MappingEditor {
public:
    // Creates and shows the dialog, centred on the mouse pointer.
    CTexturePropertiesDgl(CLevelMapDoc& document, TextureMapping* mapping, wxWindow* owner);
    ~CTexturePropertiesDgl() override;

    const TextureMapping* GetEditedMapping() const override { return m_pMapping; }
    void CloseEditor() override;
    // Every edit shows its stored value.
    void ShowValues() override;
    // Every edit's number is written through its setter; a value that is not finite is skipped.
    void ApplyEdits();

    struct MappingRow;

private:
    // One spin click on a row: the value moves by the row's step, up (+1) or down (-1).
    void OnSpin(const MappingRow& row, float direction);
    void OnApply(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void ShowValue(const MappingRow& row);
    void PlaceOnMousePointer();
    // Makes `values` the mapping's, as this opening's one step of the history.
    void Change(const MappingValues& values);

    CLevelMapDoc& m_document;
    TextureMapping* m_pMapping; // not owned; null once the dialog is closing
    HistoryStep::Id m_stepId = 0; // this opening's step; 0 before the first change
    bool m_changing = false;
};
