#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/filename.h>

#include "document/CLevelMapDoc.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"

// A new level document, a temporary folder for its files, and every message box answered with
// OK and recorded.
class LevelDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (wxFileName::GetTempDir() + "/trelkan-doc-XXXXXX").ToStdString();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        previousHook = SetMessageBoxHook([this](const MessageBoxRequest& request) {
            messages.push_back(request.text);
            return wxOK;
        });
        ASSERT_TRUE(document.OnNewDocument());
    }

    void TearDown() override
    {
        SetMessageBoxHook(previousHook);
        wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
    }

    std::string File(const std::string& name) const { return folder + "/" + name; }

    LevelGroupNode& Group() { return *document.m_pScene->m_pLevelGroup; }

    // A wall in the level group showing `path` (through the texture table).
    Wall* AddWall(const std::string& path)
    {
        auto* wall = new Wall(2.0f, 3.0f, 4.0f, 1.0f);
        Group().AppendChild(wall);
        document.m_textures[0].refCount += 1; // a new wall uses row 0, as the edit view counts it
        EXPECT_TRUE(document.AssignTextureFile(*wall, path));
        return wall;
    }

    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static std::vector<int> Types(const CSGGroup& group)
    {
        std::vector<int> types;
        for (const auto& child : group.Children())
            types.push_back(child->GetType());
        return types;
    }

    CLevelMapDoc document;
    std::string folder;
    std::vector<wxString> messages;
    MessageBoxHook previousHook;
};

// Answers the file dialogs of a test with one path.
class ScopedFileAnswer {
public:
    explicit ScopedFileAnswer(const std::string& path)
    {
        m_previous = SetFileDialogHook([path](const FileDialogRequest&) { return std::optional<wxString>(path); });
    }
    ~ScopedFileAnswer() { SetFileDialogHook(m_previous); }
    ScopedFileAnswer(const ScopedFileAnswer&) = delete;
    ScopedFileAnswer& operator=(const ScopedFileAnswer&) = delete;

private:
    FileDialogHook m_previous;
};
