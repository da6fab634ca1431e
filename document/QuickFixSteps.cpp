#include "document/QuickFixSteps.h"

#include <wx/translation.h>

#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectValuesCommand.h"
#include "document/PlacementCommand.h"
#include "document/SelectionSteps.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"

namespace {

// The node the fix changes as the document edits it: the start marker stands for the settings.
CSGNode* EditedNode(CLevelMapDoc& document, const QuickFix& fix)
{
    if (document.m_pScene && fix.node == document.m_pScene->m_pGameSettings)
        return document.m_pStartMarker;
    // The fix's node is the document's own; the check had no need to change it.
    return const_cast<CSGNode*>(fix.node);
}

void MoveInsideFloor(CLevelMapDoc& document, CSGNode& node, const QuickFix& fix)
{
    const Placement before = PlacementCommand::Capture(node);
    const Placement after{fix.x, fix.z, before.angle};
    document.Submit(new PlacementCommand(document, wxString::Format(_("Move %s Inside the Floor"), ObjectsName({&node})),
                                         {{&node, before, after}}));
}

void MakeItemNormal(CLevelMapDoc& document, CSGNode& node)
{
    std::optional<ObjectValues> values = CaptureValues(node);
    auto* change = values ? std::get_if<ItemChange>(&*values) : nullptr;
    if (!change)
        return;
    change->after.second.type = ITEM_NORMAL;
    document.Submit(new ObjectValuesCommand(document, _("Make Item Normal"), {*values}));
}

} // namespace

wxString QuickFixLabel(const QuickFix& fix)
{
    switch (fix.kind) {
    case QuickFix::Kind::MoveInsideFloor:
        return _("Move Inside the Floor");
    case QuickFix::Kind::RemoveWall:
        return _("Remove Wall");
    case QuickFix::Kind::MakeItemNormal:
        return _("Make Item Normal");
    }
    return {};
}

void ApplyQuickFix(CLevelMapDoc& document, const QuickFix& fix)
{
    CSGNode* node = EditedNode(document, fix);
    if (!node)
        return;
    switch (fix.kind) {
    case QuickFix::Kind::MoveInsideFloor:
        MoveInsideFloor(document, *node, fix);
        break;
    case QuickFix::Kind::RemoveWall:
        document.Submit(NodeListCommand::Removing(document, _("Remove Wall"), {node}));
        break;
    case QuickFix::Kind::MakeItemNormal:
        MakeItemNormal(document, *node);
        break;
    }
}
