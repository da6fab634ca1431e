#pragma once

#include <optional>

#include <wx/string.h>

#include "level/SettingRanges.h"

class wxTextCtrl;
class wxWindow;

// One edit of a form read on Apply: its number and the inclusive range it must lie in.
struct FieldRule {
    int editId;
    bool integer;     // a whole number; otherwise one with decimals allowed
    float min, max;   // inclusive
    wxString message; // shown, translated, when the value is refused; empty for a silent refusal
};

// A number with no range: every finite value is taken, anything else is refused silently.
FieldRule AnyNumber(int editId);
// A number of one of the level's setting ranges, refused with `message`.
FieldRule RangeRule(int editId, const SettingRange& range, const wxString& message);

// Reads the fields of one Apply, each on its own.
class FieldReader {
public:
    explicit FieldReader(const wxWindow& form) : m_form(form) {}

    // The edit's number when its whole text is one finite number of the rule's kind within the
    // rule's range. Otherwise the rule's message is shown (when it has one), the edit
    // takes the focus with all its text selected, and nothing is returned: the caller keeps the
    // stored value.
    std::optional<float> Read(const FieldRule& rule);
    // Once the form shows the stored values again, the last refused field (with a message)
    // takes the focus again with its text selected, ready to be typed over.
    void ReselectRejected() const;

private:
    const wxWindow& m_form;
    wxTextCtrl* m_lastRejected = nullptr;
};
