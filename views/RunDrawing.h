#pragma once

#include <vector>

#include "batching/MeshCache.h"
#include "play/ChaseCamera.h"
#include "play/PlayRun.h"

class CSGGroup;
class CSGNode;
struct EditCamera;

// The pictures of a snake's run, free of the window toolkit.

// One frame of the drive mode: the level lit as the preview draws it at time t, without the
// items that are `away`, seen from `look`, with the snake and the extra items.
// `meshes` keeps the walls' corners from one frame to the next.
void DrawDriveFrame(const LookAt& look, float aspect, CSGGroup* root, float t, const SnakeState& snake,
                    const std::vector<const CSGNode*>& away, MeshCache& meshes);
// The head's path over the edit view's drawing, coloured from blue (the run's start) to red (its
// end).
void DrawRunTrace(const EditCamera& camera, const std::vector<TracePoint>& trace);
