#pragma once

#include <wx/string.h>

#include "checks/QuickFix.h"

class CLevelMapDoc;

// What the Problems panel's context menu offers for a fix ("Move Inside the Floor").
wxString QuickFixLabel(const QuickFix& fix);
// Makes the fix as one step, named for it and its object ("Move Wall Inside the Floor").
void ApplyQuickFix(CLevelMapDoc& document, const QuickFix& fix);
