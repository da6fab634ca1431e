#include "framework/HistoryStep.h"

HistoryStep::HistoryStep(const wxString& name) : wxCommand(true, name), m_id(NewId()) {}

HistoryStep::Id HistoryStep::NewId()
{
    // Only the main thread makes steps.
    static Id last = 0;
    return ++last;
}
