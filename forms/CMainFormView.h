#pragma once

#include "forms/CFormView.h"

class CLevelMapDoc;
class wxTextCtrl;

// The level properties pane (dialog 101): the floor's size and texture, the sky box and the
// game settings. Typed values reach the level field by field, as one step of the undo history
// (CFormView says when); the floor texture and the sky box change at once when chosen, each a
// step of its own.
class CMainFormView : public CFormView {
public:
    // The document changed: the controls show the level again.
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void ShowLevel();

    // Command handlers, one per button.
    void OnApply() { ApplyTypedFields(); }
    void OnFloorTextureBrowse();
    void OnTextureProperties();
    void OnUseCubeMap();
    void OnCubeMapBrowse();

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    bool ApplyFields(const std::vector<int>& ids, Refusal refusal) override;

private:
    CLevelMapDoc* GetLevelDoc() const;
    wxTextCtrl& Edit(int id) const;
    // Shows the sky box's base name in edit 1024, enabled with its button while there is one.
    void ShowCubeMap(bool present, const wxString& baseName);
};
