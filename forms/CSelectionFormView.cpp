#include "forms/CSelectionFormView.h"

#include <algorithm>
#include <cstdint>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "forms/CTexturePropertiesDgl.h"
#include "forms/DialogTemplates.h"
#include "forms/FieldRules.h"
#include "forms/FieldText.h"
#include "forms/InspectorPane.h"
#include "forms/ImageChoice.h"
#include "forms/SelectionFields.h"
#include "forms/SelectionKinds.h"
#include "forms/StepNames.h"
#include "document/CLevelMapDoc.h"
#include "document/SelectionSteps.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"

namespace {

constexpr const char* VALUE_FORMAT = "%4.2f";

void* ItemData(int type)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(type));
}

int ItemType(void* data)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(data));
}

// The one value all `values` share; none when they differ or there are none.
template <class Value>
std::optional<Value> Shared(const std::vector<Value>& values)
{
    const bool shared = !values.empty() && std::all_of(values.begin(), values.end(), [&values](const Value& value) {
        return value == values.front();
    });
    return shared ? std::optional(values.front()) : std::nullopt;
}

wxString SharedText(const std::vector<wxString>& texts)
{
    return Shared(texts).value_or(wxString());
}

// "Wall", "3 Walls": the objects that the values change.
wxString ChangedObjects(const std::vector<ObjectValues>& values)
{
    std::vector<CSGNode*> nodes;
    for (const ObjectValues& changed : ObjectValuesCommand::Changed(values))
        nodes.push_back(NodeOf(changed));
    return ObjectsName(nodes);
}

std::vector<int> FieldIds()
{
    std::vector<int> ids;
    for (const SelectionField& field : SELECTION_FIELDS)
        ids.push_back(field.editId);
    return ids;
}

} // namespace

wxWindow* CSelectionFormView::CreateViewWindow(wxWindow* parent)
{
    auto* form = new InspectorPane(parent, SELECTION_FORM_TEMPLATE);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnApply(); }, IDC_APPLY);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTextureBrowse(); },
               IDC_SELECTION_TEXTURE_BROWSE);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTextureProperties(); },
               IDC_TEXTURE_PROPERTIES);
    form->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
        OnItemTypeChange();
        HandKeyboardBack();
    }, IDC_ITEM_TYPE);
    BindNumberFields(*form, FieldIds());
    return form;
}

CLevelMapDoc* CSelectionFormView::GetLevelDoc() const
{
    return static_cast<CLevelMapDoc*>(GetDocument());
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

std::vector<ObjectValues> CSelectionFormView::SelectedValues() const
{
    std::vector<ObjectValues> values;
    for (CSGNode* node : GetLevelDoc()->m_selection.Nodes()) {
        const int type = node->GetType();
        if (IsItemType(type) && !FindItemType(type))
            continue;
        if (std::optional<ObjectValues> captured = CaptureValues(*node))
            values.push_back(*captured);
    }
    return values;
}

FieldContext CSelectionFormView::MakeContext(std::vector<ObjectValues>& values) const
{
    const LevelFloor& floor = *GetLevelDoc()->m_pScene->m_pFloor;
    return MakeFieldContext(values, static_cast<float>(floor.Width), static_cast<float>(floor.Heigth));
}

std::vector<TextureMapping*> CSelectionFormView::SelectedMappings() const
{
    std::vector<TextureMapping*> mappings;
    for (CSGNode* node : GetLevelDoc()->m_selection.Nodes())
        if (auto* mapping = dynamic_cast<TextureMapping*>(node))
            mappings.push_back(mapping);
    return mappings;
}

void CSelectionFormView::ShowSelection()
{
    std::vector<ObjectValues> values = SelectedValues();
    ShowTextures(SelectedMappings());
    ShowFields(values);
    ShowItemType(values);
    GetWindow()->FindWindow(IDC_APPLY)->Enable(!values.empty());
    FindControl<wxStaticText>(*GetWindow(), IDC_SELECTION_KIND)
        ->SetLabel(SelectionLabel(GetLevelDoc()->m_selection.Nodes()));
}

void CSelectionFormView::ShowTextures(const std::vector<TextureMapping*>& mappings)
{
    std::vector<wxString> paths;
    for (const TextureMapping* mapping : mappings)
        paths.push_back(wxString::FromUTF8(GetLevelDoc()->PathOfRow(mapping->GetTextureID())));
    Edit(IDC_SELECTION_TEXTURE_PATH).ChangeValue(SharedText(paths));
    GetWindow()->FindWindow(IDC_SELECTION_TEXTURE_BROWSE)->Enable(!mappings.empty());
    GetWindow()->FindWindow(IDC_TEXTURE_PROPERTIES)->Enable(mappings.size() == 1);
}

void CSelectionFormView::ShowFields(std::vector<ObjectValues>& values)
{
    const FieldContext context = MakeContext(values);
    for (const SelectionField& field : SELECTION_FIELDS) {
        std::vector<wxString> texts;
        for (ObjectValues& object : values)
            if (const float* slot = FieldSlot(object, field, false))
                texts.push_back(FormatFloat(VALUE_FORMAT, *slot));
        ShowFieldText(field.editId, !texts.empty() && RuleOf(field, context), SharedText(texts));
    }
}

void CSelectionFormView::ShowItemType(const std::vector<ObjectValues>& values)
{
    std::vector<int> types;
    for (const ObjectValues& object : values)
        if (const auto* item = std::get_if<ItemChange>(&object))
            types.push_back(item->before.second.type);
    auto* combo = FindControl<wxComboBox>(*GetWindow(), IDC_ITEM_TYPE);
    combo->Enable(!types.empty());
    if (const ItemTypeInfo* info = FindItemType(Shared(types).value_or(0))) {
        combo->SetSelection(static_cast<int>(info - ITEM_TYPES));
    } else {
        combo->SetSelection(wxNOT_FOUND);
        combo->ChangeValue(wxString());
    }
}

bool CSelectionFormView::ApplyFields(const std::vector<int>& ids, Refusal refusal)
{
    CLevelMapDoc& doc = *GetLevelDoc();
    doc.CancelGesture();
    std::vector<ObjectValues> values = SelectedValues();
    if (values.empty()) {
        doc.UpdateAllViews();
        return true;
    }
    const FieldContext context = MakeContext(values);
    FieldReader fields(*this, refusal);
    std::vector<const char*> names;
    bool moves = true;
    for (const SelectionField& field : SELECTION_FIELDS) {
        const std::optional<FieldRule> rule = RuleOf(field, context);
        if (!rule || std::find(ids.begin(), ids.end(), field.editId) == ids.end())
            continue;
        const std::optional<float> typed = fields.Read(*rule);
        if (!typed)
            continue;
        names.push_back(field.name);
        moves = moves && field.position;
        for (ObjectValues& object : values)
            if (float* slot = FieldSlot(object, field, true))
                *slot = field.range == SelectionField::Range::Angle ? NormaliseAngle(*typed) : *typed;
    }
    if (fields.Refused() && refusal != Refusal::MessageBox)
        return false;
    const wxString name = FieldStepName(names, moves, ChangedObjects(values));
    doc.Submit(new ObjectValuesCommand(doc, name, std::move(values)));
    fields.ReselectRejected();
    return true;
}

void CSelectionFormView::OnTextureBrowse()
{
    GetLevelDoc()->CancelGesture();
    const std::optional<std::string> path = ChooseImageFile(GetWindow(), ImageKind::Texture);
    const std::vector<TextureMapping*> mappings = SelectedMappings();
    if (path && !mappings.empty())
        AssignImage(*GetLevelDoc(), mappings, *path);
}

void CSelectionFormView::OnTextureProperties()
{
    const std::vector<TextureMapping*> mappings = SelectedMappings();
    if (mappings.size() == 1)
        new CTexturePropertiesDgl(*GetLevelDoc(), mappings.front(), GetWindow());
}

void CSelectionFormView::OnItemTypeChange()
{
    CLevelMapDoc& doc = *GetLevelDoc();
    doc.CancelGesture();
    auto* combo = FindControl<wxComboBox>(*GetWindow(), IDC_ITEM_TYPE);
    const int position = combo->GetSelection();
    if (position == wxNOT_FOUND)
        return;
    const ItemTypeInfo& info = *FindItemType(ItemType(combo->GetClientData(static_cast<unsigned>(position))));
    std::vector<ObjectValues> items;
    for (ObjectValues& object : SelectedValues()) {
        auto* item = std::get_if<ItemChange>(&object);
        if (!item || item->before.second.type == info.type)
            continue;
        item->after.second.type = info.type;
        if (info.hasAmount)
            item->after.second.amount = info.defaultAmount;
        items.push_back(object);
    }
    const wxString name = FieldStepName({wxTRANSLATE("Type")}, false, ChangedObjects(items));
    doc.Submit(new ObjectValuesCommand(doc, name, std::move(items)));
}
