#pragma once

#include <vector>

#include <wx/string.h>

#include "document/ObjectValuesCommand.h"
#include "forms/CFormView.h"

class CLevelMapDoc;
class TextureMapping;
class wxTextCtrl;
struct FieldContext;

// The selection properties pane (dialog 102): shows the kind of the document's selection ("Wall",
// "3 Walls") and edits it: texture of floors and walls, size and rotation of walls, rotation of
// the start position, type and times of items, and the place (X, Z) of walls, items and the start
// position. A field shows the value every selected object that has it shares, and is empty where
// they differ; the fields the user changed go to every selected object that has them, as one
// step of the undo history (CFormView says when). Only the fields of the selected kinds are enabled.
class CSelectionFormView : public CFormView {
public:
    // Fills the item type list, then shows the selection.
    void OnInitialUpdate() override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void ShowSelection();

    // Command handlers.
    void OnApply() { ApplyTypedFields(); }
    void OnTextureBrowse();
    // Opens the texture dialog when exactly one floor or wall is selected (the button is
    // disabled otherwise: the dialog edits one mapping).
    void OnTextureProperties();
    void OnItemTypeChange();

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    bool ApplyFields(const std::vector<int>& ids, Refusal refusal) override;

private:
    CLevelMapDoc* GetLevelDoc() const;
    wxTextCtrl& Edit(int id) const;
    // The values of the selected walls, special items and start position (normal items and the
    // floor have none the form edits).
    std::vector<ObjectValues> SelectedValues() const;
    FieldContext MakeContext(std::vector<ObjectValues>& values) const;
    std::vector<TextureMapping*> SelectedMappings() const;
    void ShowTextures(const std::vector<TextureMapping*>& mappings);
    void ShowFields(std::vector<ObjectValues>& values);
    void ShowItemType(const std::vector<ObjectValues>& values);
};
