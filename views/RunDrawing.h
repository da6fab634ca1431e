#pragma once

#include <vector>

#include "play/ChaseCamera.h"
#include "play/PlayRun.h"

class CSGGroup;
struct EditCamera;

// The pictures of a snake's run, free of the window toolkit.

// One frame of the drive mode: the level lit as the preview draws it at time t, seen from
// `look`, with the snake and the extra items.
void DrawDriveFrame(const LookAt& look, float aspect, CSGGroup* root, float t, const SnakeState& snake);
// The head's path over the edit view's drawing, coloured from blue (the run's start) to red (its
// end).
void DrawRunTrace(const EditCamera& camera, const std::vector<TracePoint>& trace);
