#pragma once

#include <wx/defs.h>

// Command ids of the framework's standard commands. The File, Edit and Help commands use the
// toolkit's stock ids, so that its stock behaviour (accelerators, menu conventions) applies.
namespace StandardId {
constexpr int FileNew = wxID_NEW;         // 57600
constexpr int FileOpen = wxID_OPEN;       // 57601
constexpr int FileSave = wxID_SAVE;       // 57603
constexpr int FileSaveAs = wxID_SAVEAS;   // 57604
constexpr int RecentFile1 = wxID_FILE1;   // 57616 and on
constexpr int AppExit = wxID_EXIT;        // 57665
constexpr int AppAbout = wxID_ABOUT;      // 57664
constexpr int EditUndo = wxID_UNDO;       // 57643
constexpr int EditRedo = wxID_REDO;       // 57644
constexpr int EditCut = wxID_CUT;         // 57635
constexpr int EditCopy = wxID_COPY;       // 57634
constexpr int EditPaste = wxID_PASTE;     // 57637
// The toolkit takes menu ids below 0x7fff only, so these standard commands have ids of their own.
constexpr int NextPane = 9680;      // 57680
constexpr int PrevPane = 9681;      // 57681
constexpr int ViewToolBar = 9392;   // 59392
constexpr int ViewStatusBar = 9393; // 59393
} // namespace StandardId
