#pragma once

#include <functional>
#include <memory>
#include <string>

#include "checks/LevelCheck.h"
#include "checks/Problem.h"
#include "document/ImageCheckCache.h"
#include "document/OpenedNotes.h"
#include "document/Selection.h"
#include "document/TextureTable.h"
#include "framework/CDocument.h"

class CSGNode;
class TextureMapping;
class wxCommand;
class LevelScene;
class StartPositionNode;

// The one document of the editor. It owns the level being edited (the scene), the texture
// table with the preview's pending texture work, the start-position marker, the selection and
// the preview's animation clock. Views and forms keep no level data: they read the document
// and call UpdateAllViews after changing it.
class CLevelMapDoc : public CDocument, public TextureTable {
public:
    CLevelMapDoc();
    ~CLevelMapDoc() override;

    // The default level: root -> [game settings, texture list, level group -> [marker, floor]]
    // with texture row 0 queued for loading.
    bool OnNewDocument() override;
    // Releases the level and queues every texture row for deletion.
    bool DeleteContents() override;
    // Reads and builds the new level completely before the current one is replaced; on failure
    // a message names the file and the reason, and the current level stays.
    bool OnOpenDocument(const wxString& path) override;
    // Writes the level safely (the old file survives any failure); on failure a message names
    // the file and the reason, and neither the level nor the modified flag changes.
    bool OnSaveDocument(const wxString& path) override;
    // A clean level ends the autosave's copy (m_onClean).
    void Modify(bool modified) override;
    // Tells m_onFileName.
    void OnChangeFilename(bool notifyViews) override;
    // Open texture dialogs show the new values too.
    void OnHistoryChanged() override;
    // The texture dialogs keep their changes as steps too.
    bool CommitPendingEdits() override;
    // Writes the level to `path` as Save does, but it stays the document's unsaved level (the
    // autosave). False, with `error` set, when the file could not be written; `warning` as the
    // level file writer gives it.
    bool WriteCopy(const wxString& path, std::string& error, std::string* warning = nullptr);
    // The level's problems as a check of its file would find them, images read from the current
    // folder; none without a level.
    std::vector<Problem> CheckProblems() const;

    // Counts the changes of the level: every step, undo and redo.
    unsigned long m_changeCount = 0;
    // Called when the level is clean again (saved, or undone to the saved level) or goes (New,
    // Open, close).
    std::function<void()> m_onClean;
    // Called when the level's file changes: opened, saved under a name, or none (New).
    std::function<void()> m_onFileName;

    // Runs one step of the undo history (the history owns it from now on). False when the step
    // changed nothing and was dropped; the views then show the level again all the same, so a
    // form's refused or unchanged text is replaced by the stored values.
    bool Submit(wxCommand* command);
    // Command 152: deletes the selected objects but the floor and the start marker, in one step.
    void OnDelete();
    // The selected nodes that Delete and Cut take: all but the floor and the start marker.
    std::vector<CSGNode*> DeletableSelection() const;
    bool CanDeleteSelection() const;
    // Makes `node` (a level object, or null for none) the selection alone.
    void SetSelection(CSGNode* node) { m_selection.Set(node); }
    // The selected node when exactly one is selected, else null.
    CSGNode* SelectedNode() const { return m_selection.Single(); }
    // Every wall and item becomes the selection (Select All).
    void SelectAllObjects();

    std::unique_ptr<LevelScene> m_pScene;
    StartPositionNode* m_pStartMarker = nullptr; // a child of the level group
    Selection m_selection;
    bool m_bAnimate = false;
    float m_animTime = 0.0f; // seconds, handed to the preview's drawing
    float m_lastTick = 0.0f; // clock reading of the previous idle pass

private:
    // The status line says how many errors a just-saved level has ("Saved with 2 errors").
    void SayErrorsSaved() const;
    // The Problems panel's image answers, kept while the files stay as they were.
    mutable ImageCheckCache m_imageChecks{WhyImageUnreadable};
    // What the opened file held that was no number, for the checks.
    OpenedNotes m_openedNotes;
    // Runs `use` on the scene as its file holds it: the start from the marker and the texture
    // paths from the rows. The paths go again afterwards; the start stays unless `use` fails.
    bool WithFileForm(const std::function<bool()>& use) const;
    // Takes a freshly read scene: texture rows from its texture list, reference counts, and
    // the start marker from the game settings.
    void InstallScene(std::unique_ptr<LevelScene> scene);
};
