#include "forms/CMainFormView.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "forms/CTexturePropertiesDgl.h"
#include "forms/ChosenPaths.h"
#include "forms/DialogTemplates.h"
#include "forms/FieldRules.h"
#include "forms/InspectorPane.h"
#include "forms/FieldText.h"
#include "forms/ImageChoice.h"
#include "forms/StepNames.h"
#include "document/CLevelMapDoc.h"
#include "document/SkyBoxSwitchCommand.h"
#include "document/ValueCommand.h"
#include "framework/MessageBox.h"
#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"

namespace {

constexpr const char* SETTING_FORMAT = "%4.2f";

// One field of the level: its rule, its name in step names and where its value goes.
struct LevelField {
    FieldRule rule;
    const char* name;
    void (*store)(LevelProperties&, float);
};

// In the order they are read.
const LevelField LEVEL_FIELDS[] = {
    {RangeRule(IDC_LEVEL_WIDTH, FLOOR_SIZE_RANGE, wxTRANSLATE("Not a valid value for level width! (valid range: 5-99 units)")),
     wxTRANSLATE("Floor Width"), [](LevelProperties& level, float v) { level.width = static_cast<int>(v); }},
    {RangeRule(IDC_LEVEL_HEIGHT, FLOOR_SIZE_RANGE, wxTRANSLATE("Not a valid value for level height! (valid range: 5-99 units)")),
     wxTRANSLATE("Floor Height"), [](LevelProperties& level, float v) { level.height = static_cast<int>(v); }},
    {RangeRule(IDC_NORMAL_ITEMS, NORMAL_ITEMS_RANGE, wxTRANSLATE("Not a valid value for normal items number! (valid range: 1-10)")),
     wxTRANSLATE("Normal Items Number"), [](LevelProperties& level, float v) { level.normalItems = static_cast<int>(v); }},
    {RangeRule(IDC_TURNING_ANGLE, TURNING_ANGLE_RANGE,
               wxTRANSLATE("Not a valid value for snake turning angle! (valid range: 20-90 degrees)")),
     wxTRANSLATE("Snake Turning Angle"), [](LevelProperties& level, float v) { level.turningAngle = v; }},
    {RangeRule(IDC_INITIAL_LENGTH, INITIAL_LENGTH_RANGE,
               wxTRANSLATE("Not a valid value for snake initial length! (valid range: 8-20 units)")),
     wxTRANSLATE("Snake Initial Length"), [](LevelProperties& level, float v) { level.initialLength = v; }},
    {RangeRule(IDC_INITIAL_VELOCITY, INITIAL_VELOCITY_RANGE,
               wxTRANSLATE("Not a valid value for snake initial velocity! (valid range: 2-5 units/sec)")),
     wxTRANSLATE("Snake Initial Velocity"), [](LevelProperties& level, float v) { level.initialVelocity = v; }},
};

} // namespace

wxWindow* CMainFormView::CreateViewWindow(wxWindow* parent)
{
    auto* form = new InspectorPane(parent, LEVEL_FORM_TEMPLATE);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnApply(); }, IDC_APPLY);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnFloorTextureBrowse(); },
               IDC_FLOOR_TEXTURE_BROWSE);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTextureProperties(); },
               IDC_TEXTURE_PROPERTIES);
    form->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCubeMapBrowse(); }, IDC_CUBEMAP_BROWSE);
    form->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnUseCubeMap(); }, IDC_USE_CUBEMAP);
    std::vector<int> ids;
    for (const LevelField& field : LEVEL_FIELDS)
        ids.push_back(field.rule.editId);
    BindNumberFields(*form, ids);
    return form;
}

CLevelMapDoc* CMainFormView::GetLevelDoc() const
{
    return static_cast<CLevelMapDoc*>(GetDocument());
}

wxTextCtrl& CMainFormView::Edit(int id) const
{
    return *FindControl<wxTextCtrl>(*GetWindow(), id);
}

void CMainFormView::OnUpdate(wxView*, wxObject*)
{
    ShowLevel();
}

void CMainFormView::ShowLevel()
{
    CLevelMapDoc* doc = GetLevelDoc();
    LevelScene* scene = doc->m_pScene.get();
    if (!scene)
        return;
    if (const LevelFloor* floor = scene->m_pFloor) {
        ShowFieldText(IDC_LEVEL_WIDTH, true, FormatInt(floor->Width));
        ShowFieldText(IDC_LEVEL_HEIGHT, true, FormatInt(floor->Heigth));
        Edit(IDC_FLOOR_TEXTURE_PATH).ChangeValue(
            wxString::FromUTF8(doc->PathOfRow(floor->GetTextureID())));
    }
    const CICubeMapNode* cubeMap = scene->m_pCubeMap;
    FindControl<wxCheckBox>(*GetWindow(), IDC_USE_CUBEMAP)->SetValue(cubeMap != nullptr);
    ShowCubeMap(cubeMap != nullptr,
                cubeMap ? wxString::FromUTF8(cubeMap->TextureBaseName) : wxString());
    if (const GameSettingsNode* settings = scene->m_pGameSettings) {
        ShowFieldText(IDC_NORMAL_ITEMS, true, FormatInt(settings->NormalItemsNumber));
        ShowFieldText(IDC_TURNING_ANGLE, true, FormatFloat(SETTING_FORMAT, settings->SnakeTurningAngle));
        ShowFieldText(IDC_INITIAL_LENGTH, true, FormatFloat(SETTING_FORMAT, settings->SnakeInitialLength));
        ShowFieldText(IDC_INITIAL_VELOCITY, true, FormatFloat(SETTING_FORMAT, settings->SnakeInitialVelocity));
    }
}

void CMainFormView::ShowCubeMap(bool present, const wxString& baseName)
{
    Edit(IDC_CUBEMAP_BASE).ChangeValue(baseName);
    Edit(IDC_CUBEMAP_BASE).Enable(present);
    FindControl<wxButton>(*GetWindow(), IDC_CUBEMAP_BROWSE)->Enable(present);
}

bool CMainFormView::ApplyFields(const std::vector<int>& ids, Refusal refusal)
{
    CLevelMapDoc* doc = GetLevelDoc();
    doc->CancelGesture();
    LevelScene& scene = *doc->m_pScene;
    const LevelProperties before = Capture(scene);
    LevelProperties after = before;
    FieldReader fields(*this, refusal);
    std::vector<const char*> names;
    for (const LevelField& field : LEVEL_FIELDS) {
        if (std::find(ids.begin(), ids.end(), field.rule.editId) == ids.end())
            continue;
        if (const std::optional<float> value = fields.Read(field.rule)) {
            field.store(after, *value);
            names.push_back(field.name);
        }
    }
    if (fields.Refused() && refusal != Refusal::MessageBox)
        return false;
    const wxString name = FieldStepName(names, false, wxString());
    doc->Submit(new ValueCommand<LevelScene, LevelProperties>(*doc, name, scene, before, after));
    fields.ReselectRejected();
    return true;
}

void CMainFormView::OnFloorTextureBrowse()
{
    CLevelMapDoc* doc = GetLevelDoc();
    doc->CancelGesture();
    const std::optional<std::string> path = ChooseImageFile(GetWindow(), ImageKind::Texture);
    if (path && doc->m_pScene->m_pFloor)
        AssignImage(*doc, *doc->m_pScene->m_pFloor, *path);
}

void CMainFormView::OnTextureProperties()
{
    if (LevelFloor* floor = GetLevelDoc()->m_pScene->m_pFloor)
        new CTexturePropertiesDgl(*GetLevelDoc(), floor, GetWindow());
}

void CMainFormView::OnUseCubeMap()
{
    CLevelMapDoc* doc = GetLevelDoc();
    doc->CancelGesture();
    const bool on = FindControl<wxCheckBox>(*GetWindow(), IDC_USE_CUBEMAP)->GetValue();
    doc->Submit(new SkyBoxSwitchCommand(*doc, on));
}

void CMainFormView::OnCubeMapBrowse()
{
    CLevelMapDoc* doc = GetLevelDoc();
    doc->CancelGesture();
    CICubeMapNode* cubeMap = doc->m_pScene->m_pCubeMap;
    const std::optional<std::string> path = ChooseImageFile(GetWindow(), ImageKind::CubeMap);
    if (!path || !cubeMap)
        return;
    const std::optional<std::string> base = CubeMapBaseName(*path);
    if (!base) {
        ShowMessageBox(wxGetTranslation(NOT_A_CUBE_MAP_FACE_MESSAGE), wxString(),
                       wxOK | wxICON_EXCLAMATION);
        return;
    }
    doc->Submit(new ValueCommand<LevelScene, SkyBoxImage>(*doc, _("Choose Sky Box"), *doc->m_pScene,
                                                                 {cubeMap->TextureBaseName}, {*base}));
}
