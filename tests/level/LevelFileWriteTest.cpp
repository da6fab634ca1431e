#include <clocale>
#include <memory>
#include <csignal>
#include <cstdlib>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "LevelFileTestSupport.h"
#include "tests/support/UnreadableFolder.h"

namespace {

const std::string OLD_BYTES = "the previous level\n";

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

mode_t CurrentUmask()
{
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// A level big enough that it cannot be written in one small buffer.
void BuildLevelWithWalls(CSGGroup& root, int walls)
{
    LevelGroupNode& group = BuildNewLevel(root);
    for (int i = 0; i < walls; ++i)
        group.AppendChild(new Wall(static_cast<float>(i), 1.0f, 2.0f, 0.5f));
}

class LevelFileWrite : public ::testing::Test {
protected:
    void SetUp() override { BuildNewLevel(m_root); }

    bool Save(const std::string& path) { return WriteLevelFile(m_root, path, m_error); }

    TempFolder m_folder;
    CSGGroup m_root;
    std::string m_error;
};

} // namespace

TEST_F(LevelFileWrite, SaveIntoAMissingFolderFailsWithTheReason)
{
    EXPECT_FALSE(Save(m_folder.File("no/such/folder/level.xml")));
    EXPECT_NE(m_error.find("No such file or directory"), std::string::npos) << m_error;
    EXPECT_TRUE(m_folder.Entries().empty());
}

TEST_F(LevelFileWrite, SaveOverAFolderKeepsItAndLeavesNoTemporaryFile)
{
    std::string target = m_folder.File("level.xml");
    ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    WriteBytes(target + "/inside.xml", OLD_BYTES);
    EXPECT_FALSE(Save(target));
    EXPECT_FALSE(m_error.empty());
    EXPECT_EQ(m_folder.Entries(), std::set<std::string>{"level.xml"});
    EXPECT_EQ(ReadBytes(target + "/inside.xml"), OLD_BYTES);
}

TEST_F(LevelFileWrite, FailedWriteKeepsTheOldFileByteForByte)
{
    std::string target = m_folder.File("level.xml");
    WriteBytes(target, OLD_BYTES);
    BuildLevelWithWalls(m_root, 200);
    // A file size limit makes the writes themselves fail. It is set in a child process so that
    // the test runner's own files are not limited.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool saved = Save(target);
        bool reasonGiven = m_error.find("File too large") != std::string::npos;
        _exit(!saved && reasonGiven ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(target), OLD_BYTES);
    EXPECT_EQ(m_folder.Entries(), std::set<std::string>{"level.xml"});
}

TEST_F(LevelFileWrite, SaveReplacesTheTargetAndKeepsItsPermissions)
{
    std::string target = m_folder.File("level.xml");
    for (mode_t mode : {0600, 0640, 0754}) {
        WriteBytes(target, OLD_BYTES);
        ASSERT_EQ(chmod(target.c_str(), mode), 0);
        ASSERT_TRUE(Save(target)) << m_error;
        EXPECT_EQ(ModeOf(target), mode);
        EXPECT_EQ(ReadBytes(target).rfind("<CSGGroup SaveLightState = \"1\" >\n", 0), 0u);
        EXPECT_EQ(m_folder.Entries(), std::set<std::string>{"level.xml"});
    }
}

TEST_F(LevelFileWrite, SaveKeepsTheOwnerAndGroupOfTheOldFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another owner";
    std::string target = m_folder.File("level.xml");
    WriteBytes(target, OLD_BYTES);
    ASSERT_EQ(chown(target.c_str(), 1234, 5678), 0);
    ASSERT_TRUE(Save(target)) << m_error;
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 5678u);
}

TEST_F(LevelFileWrite, ReadOnlyFileIsNotReplaced)
{
    // Root may write anything, so as root the save runs as an ordinary user owning the file.
    constexpr uid_t NOBODY = 65534;
    std::string target = m_folder.File("level.xml");
    WriteBytes(target, OLD_BYTES);
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    bool asRoot = geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(chown(target.c_str(), NOBODY, NOBODY), 0);
        ASSERT_EQ(chmod(m_folder.File(".").c_str(), 0777), 0);
    }
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (asRoot && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
            _exit(2);
        bool saved = Save(target);
        _exit(!saved && m_error.find("Permission denied") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(target), OLD_BYTES);
    EXPECT_EQ(m_folder.Entries(), std::set<std::string>{"level.xml"});
}

TEST_F(LevelFileWrite, FolderThatCannotBeFlushedAfterTheRenameGivesASavedFileAndAWarning)
{
    std::string folder = m_folder.File("unreadable");
    EXPECT_TRUE(RunInUnreadableFolder(m_folder.Path(), folder, [&] {
        std::string warning = "stale";
        bool saved = WriteLevelFile(m_root, folder + "/level.xml", m_error, &warning);
        return saved && m_error.empty() && warning.find("Permission denied") != std::string::npos &&
               warning.find(folder) != std::string::npos;
    }));
    std::string error;
    EXPECT_TRUE(ReadLevelFile(folder + "/level.xml", error)) << error;

    std::string warning = "stale";
    ASSERT_TRUE(WriteLevelFile(m_root, m_folder.File("level.xml"), m_error, &warning)) << m_error;
    EXPECT_EQ(warning, "") << "a flushed folder gives no warning";
}

TEST_F(LevelFileWrite, NewFileGetsTheUsualPermissions)
{
    std::string target = m_folder.File("new.xml");
    ASSERT_TRUE(Save(target)) << m_error;
    EXPECT_EQ(ModeOf(target), 0644 & ~CurrentUmask());
}

TEST_F(LevelFileWrite, SaveThroughASymbolicLinkReplacesTheFileItNames)
{
    std::string real = m_folder.File("real.xml");
    std::string link = m_folder.File("link.xml");
    WriteBytes(real, OLD_BYTES);
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    ASSERT_TRUE(Save(link)) << m_error;
    std::string error;
    EXPECT_TRUE(ReadLevelFile(real, error)) << error;
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(LevelFileWrite, DoubleQuoteOrNulInATextureOrSkyBoxNameIsRefusedBeforeAnythingIsWritten)
{
    using namespace std::string_literals;
    std::string target = m_folder.File("level.xml");
    WriteBytes(target, OLD_BYTES);
    auto* textures = static_cast<TexturesNode*>(m_root.GetChild(1));
    auto* nested = new CSGGroup;
    auto* cubeMap = new CICubeMapNode;
    cubeMap->TextureBaseName = "sky.png";
    nested->AppendChild(cubeMap);
    m_root.AppendChild(nested);
    const struct {
        std::string texture, skyBox, reported;
    } cases[] = {
        {"say \"hi\".jpg", "sky.png", "say \"hi\".jpg"},
        {"cut\0here.jpg"s, "sky.png", "NUL byte after: cut"},
        {"a.jpg", "sky\".png", "sky\".png"},
        {"a.jpg", "sky\0.png"s, "NUL byte after: sky"},
    };
    for (const auto& c : cases) {
        textures->m_names = {"a.jpg", c.texture};
        cubeMap->TextureBaseName = c.skyBox;
        EXPECT_FALSE(Save(target)) << c.reported;
        EXPECT_NE(m_error.find(c.reported), std::string::npos) << m_error;
    }
    EXPECT_EQ(ReadBytes(target), OLD_BYTES);
    EXPECT_EQ(m_folder.Entries(), std::set<std::string>{"level.xml"});
}

TEST_F(LevelFileWrite, NumbersUseADecimalPointInAnyLocale)
{
    auto* settings = static_cast<GameSettingsNode*>(m_root.GetChild(0));
    settings->SnakeInitialPosX = 1.5f;
    std::string target = m_folder.File("level.xml");
    std::string error;
    std::unique_ptr<LevelScene> scene;
    {
        DecimalCommaLocale locale(m_folder);
        if (!locale.Active())
            GTEST_SKIP() << "no locale with a decimal comma";
        ASSERT_TRUE(Save(target)) << m_error;
        scene = ReadLevelFile(target, error);
    }
    std::string bytes = ReadBytes(target);
    EXPECT_NE(bytes.find("SnakeInitialPosX = \"1.500000\" "), std::string::npos);
    EXPECT_EQ(bytes.find(','), std::string::npos);
    ASSERT_TRUE(scene) << error;
    EXPECT_FLOAT_EQ(scene->m_pGameSettings->SnakeInitialPosX, 1.5f);
}
