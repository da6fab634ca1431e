#pragma once

#include <optional>

#include <wx/string.h>

#include "level/SettingRanges.h"

class CView;
class wxTextCtrl;

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

// How a refused field is reported.
enum class Refusal {
    MessageBox,    // a modal box with the rule's message (none without one), then the field is marked
    StatusAndMark, // the status bar says why and the field is marked: a command waits for it
    Status,        // the status bar only: the focus is on its way elsewhere
};

// Reads the fields of one step, each on its own.
class FieldReader {
public:
    FieldReader(const CView& form, Refusal refusal) : m_form(form), m_refusal(refusal) {}

    // The edit's number when its whole text is one finite number of the rule's kind within the
    // rule's range. Otherwise the refusal is reported, a marked edit takes the focus with all
    // its text selected, and nothing is returned: the caller keeps the stored value.
    std::optional<float> Read(const FieldRule& rule);
    bool Refused() const { return m_refused; }
    // Once the form shows the stored values again, the last refused field (with a message)
    // takes the focus again with its text selected, ready to be typed over.
    void ReselectRejected() const;

private:
    void Report(const FieldRule& rule, wxTextCtrl& edit);

    const CView& m_form;
    Refusal m_refusal;
    bool m_refused = false;
    wxTextCtrl* m_lastRejected = nullptr;
};
