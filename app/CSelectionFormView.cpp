#include "app/CSelectionFormView.h"

#include <cstdint>
#include <vector>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/CTexturePropertiesDgl.h"
#include "app/DialogTemplates.h"
#include "app/FieldRules.h"
#include "app/FormPane.h"
#include "app/FieldText.h"
#include "app/ImageChoice.h"
#include "app/SelectionKinds.h"
#include "document/CLevelMapDoc.h"
#include "document/ObjectNames.h"
#include "document/ValueCommand.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"

namespace {

constexpr const char* VALUE_FORMAT = "%4.2f";

// A group of controls that one kind of selection uses.
struct ControlGroup {
    std::vector<int> controls;     // enabled and disabled together
    std::vector<int> clearedEdits; // emptied when the group is switched off
};

const ControlGroup TEXTURE_GROUP = {{IDC_SELECTION_TEXTURE_BROWSE, IDC_TEXTURE_PROPERTIES},
                                    {IDC_SELECTION_TEXTURE_PATH}};
const ControlGroup SIZE_GROUP = {{IDC_SELECTION_WIDTH, IDC_SELECTION_DEPTH},
                                 {IDC_SELECTION_WIDTH, IDC_SELECTION_DEPTH}};
const ControlGroup POSITION_GROUP = {{IDC_POSITION_X, IDC_POSITION_Z}, {IDC_POSITION_X, IDC_POSITION_Z}};
const ControlGroup ROTATION_GROUP = {{IDC_ROTATION_ANGLE}, {IDC_ROTATION_ANGLE}};
const ControlGroup ITEM_GROUP = {{IDC_ITEM_TYPE, IDC_RESPAWN_TIME, IDC_TTL_BEFORE_PICKED, IDC_AMOUNT},
                                 {IDC_RESPAWN_TIME, IDC_TTL_BEFORE_PICKED, IDC_AMOUNT}};

// Which groups, and whether Apply, each kind of selection uses.
struct KindControls {
    bool texture, size, position, rotation, item, apply;
};

constexpr KindControls NO_CONTROLS = {false, false, false, false, false, false};
constexpr KindControls FLOOR_CONTROLS = {true, false, false, false, false, false};
constexpr KindControls WALL_CONTROLS = {true, true, true, true, false, true};
constexpr KindControls ITEM_CONTROLS = {false, false, true, false, true, true};
constexpr KindControls START_CONTROLS = {false, false, true, true, false, true};

const FieldRule WALL_WIDTH_RULE = {
    IDC_SELECTION_WIDTH, false, 1, 99,
    wxTRANSLATE("Not a valid value for selection width! (valid range: 1-99 units)")};
const FieldRule WALL_DEPTH_RULE = {
    IDC_SELECTION_DEPTH, false, 1, 99,
    wxTRANSLATE("Not a valid value for selection height! (valid range: 1-99 units)")};
const FieldRule RESPAWN_RULE = {
    IDC_RESPAWN_TIME, false, 20, 120,
    wxTRANSLATE("Not a valid value for item respawn time! (valid range: 20-120 seconds)")};
// A new item lives 1 second before it is picked, so 1 is the lower bound.
const FieldRule TTL_RULE = {
    IDC_TTL_BEFORE_PICKED, false, 1, 20,
    wxTRANSLATE("Not a valid value for item TTL before picked! (valid range: 1-20 seconds)")};

// A position lies on the floor, which is centred on the origin: half its size either way.
// `message`, untranslated, names the range with two %s: it is translated before the numbers
// go in, as no catalog holds it with them.
FieldRule PositionRule(int editId, const char* message, int floorSize)
{
    const float half = static_cast<float>(floorSize) / 2.0f;
    return {editId, false, -half, half,
            wxString::Format(wxGetTranslation(message), FormatFloat("%2.2f", -half), FormatFloat("%2.2f", half))};
}

FieldRule AmountRule(const ItemTypeInfo& info)
{
    const wxString message = wxString::Format(_("Not a valid value for amount value! (valid values range: %s-%s)"),
                                              FormatFloat("%2.2f", info.minAmount),
                                              FormatFloat("%2.2f", info.maxAmount));
    return {IDC_AMOUNT, false, info.minAmount, info.maxAmount, message};
}

void* ItemData(int type)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(type));
}

int ItemType(void* data)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(data));
}

} // namespace

float NormaliseAngle(float degrees)
{
    if (degrees > -360.0f && degrees < 360.0f)
        return degrees;
    return ReduceByWholeTurns(degrees);
}

wxWindow* CSelectionFormView::CreateViewWindow(wxWindow* parent)
{
    auto* form = new FormPane(parent, SELECTION_FORM_TEMPLATE);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnApply(); }, IDC_APPLY);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTextureBrowse(); },
               IDC_SELECTION_TEXTURE_BROWSE);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTextureProperties(); },
               IDC_TEXTURE_PROPERTIES);
    form->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { OnItemTypeChange(); }, IDC_ITEM_TYPE);
    return form;
}

CLevelMapDoc* CSelectionFormView::GetLevelDoc() const
{
    return static_cast<CLevelMapDoc*>(GetDocument());
}

CSGNode* CSelectionFormView::GetSelection() const
{
    return GetLevelDoc()->SelectedNode();
}

wxTextCtrl& CSelectionFormView::Edit(int id) const
{
    return *FindControl<wxTextCtrl>(*GetWindow(), id);
}

void CSelectionFormView::OnInitialUpdate()
{
    // The list is filled first, so that the selection shown next finds its entry.
    auto* combo = FindControl<wxComboBox>(*GetWindow(), IDC_ITEM_TYPE);
    combo->Clear();
    for (const ItemTypeInfo& info : ITEM_TYPES)
        combo->Append(wxGetTranslation(info.name), ItemData(info.type));
    CView::OnInitialUpdate();
}

void CSelectionFormView::OnUpdate(wxView*, wxObject*)
{
    ShowSelection();
}

namespace {

void EnableGroup(const wxWindow& form, const ControlGroup& group, bool on)
{
    for (int id : group.controls)
        form.FindWindow(id)->Enable(on);
    if (on)
        return;
    for (int id : group.clearedEdits)
        FindControl<wxTextCtrl>(form, id)->ChangeValue(wxString());
}

void ShowNoItemType(const wxWindow& form)
{
    auto* combo = FindControl<wxComboBox>(form, IDC_ITEM_TYPE);
    combo->SetSelection(wxNOT_FOUND);
    combo->ChangeValue(wxString());
}

} // namespace

void CSelectionFormView::EnableTextureControls(bool on)
{
    EnableGroup(*GetWindow(), TEXTURE_GROUP, on);
}

void CSelectionFormView::EnableSizeControls(bool on)
{
    EnableGroup(*GetWindow(), SIZE_GROUP, on);
}

void CSelectionFormView::EnablePositionControls(bool on)
{
    EnableGroup(*GetWindow(), POSITION_GROUP, on);
}

void CSelectionFormView::EnableRotationControl(bool on)
{
    EnableGroup(*GetWindow(), ROTATION_GROUP, on);
}

void CSelectionFormView::EnableItemControls(bool on)
{
    EnableGroup(*GetWindow(), ITEM_GROUP, on);
    if (!on)
        ShowNoItemType(*GetWindow());
}

namespace {

void ShowControls(CSelectionFormView& view, wxWindow& form, const KindControls& kind)
{
    view.EnableTextureControls(kind.texture);
    view.EnableSizeControls(kind.size);
    view.EnablePositionControls(kind.position);
    view.EnableRotationControl(kind.rotation);
    view.EnableItemControls(kind.item);
    form.FindWindow(IDC_APPLY)->Enable(kind.apply);
}

} // namespace

void CSelectionFormView::SetKindLabel(const wxString& text)
{
    FindControl<wxStaticText>(*GetWindow(), IDC_SELECTION_KIND)->SetLabel(wxGetTranslation(text));
}

void CSelectionFormView::ShowTexturePath(int textureId)
{
    Edit(IDC_SELECTION_TEXTURE_PATH).ChangeValue(wxString::FromUTF8(GetLevelDoc()->PathOfRow(textureId)));
}

void CSelectionFormView::ShowSelection()
{
    wxWindow& form = *GetWindow();
    CSGNode* selection = GetSelection();
    if (!selection) {
        ShowControls(*this, form, NO_CONTROLS);
        SetKindLabel(wxTRANSLATE("NONE"));
        return;
    }
    const int type = selection->GetType();
    if (type == LEVEL_FLOOR_NODE) {
        ShowControls(*this, form, FLOOR_CONTROLS);
        ShowTexturePath(static_cast<LevelFloor*>(selection)->GetTextureID());
    } else if (type == WALL_NODE) {
        const auto& wall = static_cast<const Wall&>(*selection);
        ShowControls(*this, form, WALL_CONTROLS);
        ShowTexturePath(wall.GetTextureID());
        Edit(IDC_SELECTION_WIDTH).ChangeValue(FormatFloat(VALUE_FORMAT, wall.Width));
        Edit(IDC_SELECTION_DEPTH).ChangeValue(FormatFloat(VALUE_FORMAT, wall.Depth));
        Edit(IDC_ROTATION_ANGLE).ChangeValue(FormatFloat(VALUE_FORMAT, wall.OrientationAngle));
    } else if (type == START_POSITION_NODE) {
        ShowControls(*this, form, START_CONTROLS);
        const auto& marker = static_cast<const StartPositionNode&>(*selection);
        Edit(IDC_ROTATION_ANGLE).ChangeValue(FormatFloat(VALUE_FORMAT, marker.angle));
    } else if (const ItemTypeInfo* info = FindItemType(type)) {
        ShowItemValues(static_cast<const Item&>(*selection));
        FindControl<wxComboBox>(form, IDC_ITEM_TYPE)->SetSelection(static_cast<int>(info - ITEM_TYPES));
        if (!info->hasAmount) {
            Edit(IDC_AMOUNT).Disable();
            Edit(IDC_AMOUNT).ChangeValue(wxString());
        }
    } else {
        ShowControls(*this, form, NO_CONTROLS);
    }
    if (const auto* object = dynamic_cast<const LevelObject*>(selection))
        ShowPosition(*object);
    SetKindLabel(SelectionKindLabel(type));
}

void CSelectionFormView::ShowPosition(const LevelObject& object)
{
    if (!Edit(IDC_POSITION_X).IsEnabled())
        return;
    Edit(IDC_POSITION_X).ChangeValue(FormatFloat(VALUE_FORMAT, object.x));
    Edit(IDC_POSITION_Z).ChangeValue(FormatFloat(VALUE_FORMAT, object.z));
}

void CSelectionFormView::ShowItemValues(const Item& item)
{
    ShowControls(*this, *GetWindow(), ITEM_CONTROLS);
    Edit(IDC_RESPAWN_TIME).ChangeValue(FormatFloat(VALUE_FORMAT, item.RespawnTime));
    Edit(IDC_TTL_BEFORE_PICKED).ChangeValue(FormatFloat(VALUE_FORMAT, item.TTLBeforePicked));
    Edit(IDC_AMOUNT).ChangeValue(FormatFloat(VALUE_FORMAT, item.Amount));
}

void CSelectionFormView::OnApply()
{
    GetLevelDoc()->CancelGesture();
    CSGNode* selection = GetSelection();
    CLevelMapDoc& doc = *GetLevelDoc();
    FieldReader fields(*GetWindow());
    const int type = selection ? selection->GetType() : -1;
    const wxString name = selection ? wxString::Format(_("Apply %s Properties"), ObjectName(*selection)) : wxString();
    if (type == WALL_NODE) {
        auto& wall = static_cast<Wall&>(*selection);
        const auto before = CaptureWithPosition(wall);
        auto after = before;
        if (auto v = fields.Read(WALL_WIDTH_RULE))
            after.second.width = *v;
        if (auto v = fields.Read(WALL_DEPTH_RULE))
            after.second.depth = *v;
        after.first = ReadPosition(wall, fields);
        if (auto v = fields.Read(AnyNumber(IDC_ROTATION_ANGLE)))
            after.second.angle = NormaliseAngle(*v);
        doc.Submit(new ValueCommand<Wall, decltype(after)>(doc, name, wall, before, after));
    } else if (type == START_POSITION_NODE) {
        auto& marker = static_cast<StartPositionNode&>(*selection);
        const auto before = CaptureWithPosition(marker);
        auto after = before;
        after.first = ReadPosition(marker, fields);
        if (auto v = fields.Read(AnyNumber(IDC_ROTATION_ANGLE)))
            after.second.angle = NormaliseAngle(*v);
        doc.Submit(new ValueCommand<StartPositionNode, decltype(after)>(doc, name, marker, before, after));
    } else if (FindItemType(type)) {
        auto& item = static_cast<Item&>(*selection);
        const auto before = CaptureWithPosition(item);
        auto after = before;
        after.first = ReadPosition(item, fields);
        after.second = ReadItem(item, fields);
        doc.Submit(new ValueCommand<Item, decltype(after)>(doc, name, item, before, after));
    } else {
        doc.UpdateAllViews();
    }
    fields.ReselectRejected();
}

ObjectPosition CSelectionFormView::ReadPosition(const LevelObject& object, FieldReader& fields) const
{
    const LevelFloor& floor = *GetLevelDoc()->m_pScene->m_pFloor;
    const FieldRule xRule = PositionRule(
        IDC_POSITION_X, wxTRANSLATE("Not a valid value for position X! (valid range: %s to %s units)"), floor.Width);
    const FieldRule zRule = PositionRule(
        IDC_POSITION_Z, wxTRANSLATE("Not a valid value for position Z! (valid range: %s to %s units)"), floor.Heigth);
    return {ReadCoordinate(xRule, object.x, fields), ReadCoordinate(zRule, object.z, fields)};
}

float CSelectionFormView::ReadCoordinate(const FieldRule& rule, float stored, FieldReader& fields) const
{
    // The form shows two decimals: a field left as shown keeps the stored value exactly, so
    // that applying another field never rounds the object's place.
    if (Edit(rule.editId).GetValue() == FormatFloat(VALUE_FORMAT, stored))
        return stored;
    return fields.Read(rule).value_or(stored);
}

ItemValues CSelectionFormView::ReadItem(const Item& item, FieldReader& fields)
{
    ItemValues after = Capture(item);
    if (auto v = fields.Read(RESPAWN_RULE))
        after.respawnTime = *v;
    if (auto v = fields.Read(TTL_RULE))
        after.ttl = *v;
    const ItemTypeInfo* info = FindItemType(item.GetType());
    if (info->hasAmount) {
        if (auto v = fields.Read(AmountRule(*info)))
            after.amount = *v;
    }
    return after;
}

void CSelectionFormView::OnTextureBrowse()
{
    GetLevelDoc()->CancelGesture();
    const std::optional<std::string> path = ChooseImageFile(GetWindow(), ImageKind::Texture);
    CSGNode* selection = GetSelection();
    if (!path || !selection)
        return;
    const int type = selection->GetType();
    if (type != LEVEL_FLOOR_NODE && type != WALL_NODE)
        return;
    SetKindLabel(SelectionKindLabel(type));
    AssignImage(*GetLevelDoc(), *dynamic_cast<TextureMapping*>(selection), *path);
}

void CSelectionFormView::OnTextureProperties()
{
    CSGNode* selection = GetSelection();
    const int type = selection ? selection->GetType() : -1;
    if (type == LEVEL_FLOOR_NODE || type == WALL_NODE)
        new CTexturePropertiesDgl(*GetLevelDoc(), dynamic_cast<TextureMapping*>(selection), GetWindow());
}

void CSelectionFormView::OnItemTypeChange()
{
    GetLevelDoc()->CancelGesture();
    auto* item = dynamic_cast<Item*>(GetSelection());
    auto* combo = FindControl<wxComboBox>(*GetWindow(), IDC_ITEM_TYPE);
    const int position = combo->GetSelection();
    if (!item || position == wxNOT_FOUND)
        return;
    ItemValues after = Capture(*item);
    after.type = ItemType(combo->GetClientData(static_cast<unsigned>(position)));
    if (const ItemTypeInfo* info = FindItemType(after.type); info && info->hasAmount)
        after.amount = info->defaultAmount;
    CLevelMapDoc& doc = *GetLevelDoc();
    doc.Submit(new ValueCommand<Item, ItemValues>(doc, _("Change Item Type"), *item, Capture(*item), after));
}
