#pragma once

struct DialogTemplate;
class wxWindow;

// Creates the controls of a form's table in one column of `body` (sized by a sizer it sets),
// in table order, and the default button in `foot`:
// - a group box with a caption starts a section under that caption, one without a line;
// - a label followed by a field (an edit, a combo box or a framed label) shares its row with it;
//   a read-only edit (a path) gets the whole width after its label, with its "..." button;
// - check boxes and other buttons take a row of their own.
void BuildColumn(wxWindow& body, wxWindow& foot, const DialogTemplate& dialog);
