#pragma once

#include "framework/CView.h"

class CLevelMapDoc;
class CSGNode;
class FieldReader;
class Item;
struct FieldRule;
struct LevelObject;
struct ObjectPosition;
class wxTextCtrl;
struct ItemValues;

// The selection properties pane (dialog 102): shows the kind of the document's selection and
// edits it: texture of floors and walls, size and rotation of walls, rotation of the start
// position, type and times of items, and the place (X, Z) of walls, items and the start
// position; one Apply is one step of the undo history. Only the controls of the selected kind are enabled.
class CSelectionFormView : public CView {
public:
    // Fills the item type list, then shows the selection.
    void OnInitialUpdate() override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void ShowSelection();

    // The control groups, switched on or off (and emptied when off).
    void EnableTextureControls(bool on);
    void EnableSizeControls(bool on);
    void EnablePositionControls(bool on);
    void EnableRotationControl(bool on);
    void EnableItemControls(bool on);

    // Command handlers.
    void OnApply();
    void OnTextureBrowse();
    void OnTextureProperties();
    void OnItemTypeChange();

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;

private:
    CLevelMapDoc* GetLevelDoc() const;
    CSGNode* GetSelection() const;
    wxTextCtrl& Edit(int id) const;
    void SetKindLabel(const wxString& text);
    void ShowTexturePath(int textureId);
    void ShowItemValues(const Item& item);
    // The place of a wall, item or start position; shown only while its fields are enabled.
    void ShowPosition(const LevelObject& object);
    // The object's place with the accepted position fields of the form.
    ObjectPosition ReadPosition(const LevelObject& object, FieldReader& fields) const;
    float ReadCoordinate(const FieldRule& rule, float stored, FieldReader& fields) const;
    // The item's values with the accepted fields of the form.
    static ItemValues ReadItem(const Item& item, FieldReader& fields);
};

// An angle reduced by whole turns when it lies outside (-360, 360): 450 -> 90, -400 -> -40.
float NormaliseAngle(float degrees);
