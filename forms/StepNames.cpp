#include "forms/StepNames.h"

#include <wx/translation.h>

namespace {

// The formats by what changed: one field, several, or only the place; of objects or the level.
struct StepFormats {
    const char* one;
    const char* several;
};
const StepFormats OBJECT_FORMATS{wxTRANSLATE("Set %s of %s"), wxTRANSLATE("Set Properties of %s")};
const StepFormats LEVEL_FORMATS{wxTRANSLATE("Set %s"), wxTRANSLATE("Set Level Properties")};

} // namespace

wxString FieldStepName(const std::vector<const char*>& names, bool moves, const wxString& objects)
{
    if (objects.empty()) {
        if (names.size() != 1)
            return wxGetTranslation(LEVEL_FORMATS.several);
        return wxString::Format(wxGetTranslation(LEVEL_FORMATS.one), wxGetTranslation(names.front()));
    }
    if (moves)
        return wxString::Format(_("Move %s"), objects);
    if (names.size() != 1)
        return wxString::Format(wxGetTranslation(OBJECT_FORMATS.several), objects);
    return wxString::Format(wxGetTranslation(OBJECT_FORMATS.one), wxGetTranslation(names.front()), objects);
}
