#pragma once

#include "framework/CView.h"

class CLevelMapDoc;
class wxTextCtrl;

// The level properties pane (dialog 101): the floor's size and texture, the sky box and the
// game settings. Typed values reach the level on Apply, field by field, as one step of the undo
// history; the floor texture and the sky box change at once when chosen, each a step of its own.
class CMainFormView : public CView {
public:
    // The document changed: the controls show the level again.
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void ShowLevel();

    // Command handlers, one per button.
    void OnApply();
    void OnFloorTextureBrowse();
    void OnTextureProperties();
    void OnUseCubeMap();
    void OnCubeMapBrowse();

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;

private:
    CLevelMapDoc* GetLevelDoc() const;
    wxTextCtrl& Edit(int id) const;
    // Shows the sky box's base name in edit 1024, enabled with its button while there is one.
    void ShowCubeMap(bool present, const wxString& baseName);
};
