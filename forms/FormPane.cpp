#include "forms/FormPane.h"

#include "forms/DialogLayout.h"

namespace {

constexpr int SCROLL_STEP = 8; // pixels per scroll unit

} // namespace

FormPane::FormPane(wxWindow* parent, const DialogTemplate& dialog)
    : wxScrolledWindow(parent, wxID_ANY)
{
    SetDialogFont(*this);
    BuildDialog(*this, dialog);
    m_formSize = DialogSizeInPixels(*this, dialog);
    SetVirtualSize(m_formSize);
    SetScrollRate(SCROLL_STEP, SCROLL_STEP);
}

void FormPane::AdjustScrollbars()
{
    // The toolkit clamps the scroll position to the new range without moving the content
    // back, which would leave the top of the form out of reach once the pane grows.
    int oldX = 0;
    int oldY = 0;
    GetViewStart(&oldX, &oldY);
    wxScrolledWindow::AdjustScrollbars();
    int x = 0;
    int y = 0;
    GetViewStart(&x, &y);
    if (x != oldX || y != oldY)
        ScrollWindow((oldX - x) * SCROLL_STEP, (oldY - y) * SCROLL_STEP);
}
