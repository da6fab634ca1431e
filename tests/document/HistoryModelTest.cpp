// The image library's header goes before the toolkit's, which switch its calls to wide strings.
#include "tests/image/ImageTestSupport.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <utility>

#include <GL/gl.h>
#include <wx/paper.h>

#include "document/NodeListCommand.h"
#include "document/SkyBoxSwitchCommand.h"
#include "document/TextureChoiceCommand.h"
#include "document/ValueCommand.h"
#include "framework/CCommandProcessor.h"
#include "framework/CDocManager.h"
#include "level/CICubeMapNode.h"
#include "tests/document/LevelDocumentFixture.h"
#include "tests/document/TableRecount.h"
#include "tests/support/OffscreenContext.h"

// Random sequences of every kind of step, undos and redos (one at a time and all at once), new
// branches, saves and changes of the level's file by another program (another level, the same
// bytes, a file that cannot be read) under a small step limit, the user answering Reload or Keep
// Changes. After every operation: a level that says it is unmodified writes the bytes last saved
// or read, a level kept over its changed file says it is modified, an unreadable file leaves the
// level as it was without a message box, a kept step changed the written level, the texture table
// agrees with a recount, and every floor and wall shows a live texture of its row.
// TRELKAN_HISTORY_SEED replays one seed.
namespace {

constexpr unsigned SEQUENCES = 2000;
constexpr int OPERATIONS = 24;
constexpr int STEP_LIMIT = 5;

using Random = std::mt19937;

template <class T> T Pick(Random& random, const std::vector<T>& values)
{
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
}
template <class T> T Pick(Random& random, std::initializer_list<T> values)
{
    return Pick(random, std::vector<T>(values));
}

class HistoryModelTest : public LevelDocumentTest {
protected:
    struct Operation {
        const char* name;
        std::function<bool(Random&)> run; // true when it kept a new step
    };

    void SetUp() override
    {
        LevelDocumentTest::SetUp();
        ASSERT_TRUE(m_context.IsValid());
        // The manager checks the level's file as the frame's activation has it do. Without an
        // application object nobody made the paper sizes that its page set-up data looks up.
        if (!wxThePrintPaperDatabase) {
            wxThePrintPaperDatabase = new wxPrintPaperDatabase;
            wxThePrintPaperDatabase->CreateDatabase();
        }
        m_manager = std::make_unique<CDocManager>();
        m_manager->AddDocument(&document);
        // Every operation writes the level, and saving flushes it to the disk: memory is faster.
        std::string pattern = "/dev/shm/trelkan-history-XXXXXX";
        if (wxDirExists("/dev/shm") && mkdtemp(pattern.data())) {
            wxFileName::Rmdir(folder);
            folder = pattern;
        }
        int colour = 0;
        for (const char* name : {"a.tga", "b.tga", "c.tga"}) {
            m_images.push_back(File(name));
            ASSERT_TRUE(SaveSolidImage(m_images.back(), IL_TGA, IL_RGB, 4, 4, {255, static_cast<unsigned char>(colour += 80), 0}));
        }
        // The start level has a row that no wall uses, as a level file may.
        ASSERT_TRUE(document.OnOpenDocument(TRELKAN_SOURCE_DIR "/data/Levels/sample.xml"));
        document.m_textures.push_back({m_images[0], 0});
        ASSERT_TRUE(document.OnSaveDocument(File("start.xml")));
        m_files = {ReadFile(File("start.xml")), "<CSGGroup>\n<<<<<<< HEAD\n"};
        Group().AppendChild(new Wall(4.0f, 4.0f, 2.0f, 1.0f));
        ASSERT_TRUE(document.OnSaveDocument(File("other.xml")));
        m_files.push_back(ReadFile(File("other.xml")));
    }

    void TearDown() override
    {
        m_manager->RemoveDocument(&document);
        m_manager.reset();
        LevelDocumentTest::TearDown();
    }

    std::string Level() const { return File("level.xml"); }

    // Each write of the other program gets a time of its own: the file system's clock may not
    // tell apart two writes of one size in quick succession, which a person's program makes seldom.
    void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        std::filesystem::last_write_time(path, m_otherClock += std::chrono::seconds(1));
    }

    // Another program writes one of the levels (or a file that cannot be read) over the level's
    // file; the editor is activated and the user answers its question at random. Returns what
    // went otherwise than the model says.
    std::string ChangeFileOnDisk(Random& random)
    {
        const std::string bytes = Pick(random, m_files);
        Write(Level(), bytes);
        const bool changed = bytes != m_known && bytes != m_settled;
        const bool modified = document.IsModified();
        const int answer = Pick(random, {wxYES, wxNO});
        const std::size_t boxes = messages.size();
        const std::string before = Written();
        SetMessageBoxHook([this, answer](const MessageBoxRequest& request) {
            messages.push_back(request.text);
            return answer;
        });
        m_manager->CheckFileOnDisk();
        if (messages.size() - boxes != (changed && modified ? 1u : 0u))
            return "the wrong number of message boxes";
        if (!changed)
            return Written() == before ? "" : "the level changed, not its file";
        if (modified && answer == wxNO) {
            m_kept = true;
            m_settled = bytes;
            return "";
        }
        if (bytes == m_files[1]) {
            m_settled = bytes;
            return Written() == before ? "" : "a file that cannot be read changed the level";
        }
        m_known = m_saved = bytes;
        m_settled.clear();
        m_kept = false;
        m_startState = History().StateId();
        return document.IsModified() ? "modified after a reload" : "";
    }

    CCommandProcessor& History() { return *document.GetHistory(); }

    std::string Written()
    {
        std::string error;
        EXPECT_TRUE(document.WriteCopy(File("now.xml"), error)) << error;
        return ReadFile(File("now.xml"));
    }

    template <class T> std::vector<T*> All()
    {
        std::vector<T*> found;
        for (const auto& child : Group().Children())
            if (auto* node = dynamic_cast<T*>(child.get()))
                found.push_back(node);
        return found;
    }

    // A random node of type T, or null when the level has none.
    template <class T> T* Any(Random& random)
    {
        const std::vector<T*> nodes = All<T>();
        return nodes.empty() ? nullptr : Pick(random, nodes);
    }

    template <class Target, class State> bool Change(Target* target, const State& after)
    {
        return target
               && document.Submit(new ValueCommand<Target, State>(document, "Change", *target, Capture(*target), after));
    }

    bool AddObjects(Random& random)
    {
        std::vector<NodeListCommand::Addition> additions;
        const int count = std::uniform_int_distribution<int>(1, 3)(random);
        for (int i = 0; i < count; ++i) {
            const std::size_t index = std::uniform_int_distribution<std::size_t>(0, Group().ChildCount() + 1)(random);
            if (random() % 2)
                additions.push_back({&Group(), index, std::make_unique<Item>(1.0f * i, 0.0f, 2.0f, ITEM_NORMAL), {}});
            else
                additions.push_back({&Group(), index, std::make_unique<Wall>(2.0f, 1.0f * i, 2.0f, 1.0f),
                                     random() % 2 ? Pick(random, m_images) : std::string()});
        }
        return document.Submit(NodeListCommand::Adding(document, "Add", std::move(additions)));
    }

    // The walls and items of the level.
    std::vector<CSGNode*> Objects()
    {
        std::vector<CSGNode*> objects;
        for (CSGNode* node : All<Wall>())
            objects.push_back(node);
        for (CSGNode* node : All<Item>())
            objects.push_back(node);
        return objects;
    }

    bool DeleteObjects(Random& random)
    {
        const std::vector<CSGNode*> objects = Objects();
        if (objects.empty())
            return false;
        document.SetSelection(Pick(random, objects));
        std::vector<CSGNode*> chosen;
        for (int i = std::uniform_int_distribution<int>(1, 4)(random); i > 0; --i)
            chosen.push_back(Pick(random, objects));
        return document.Submit(NodeListCommand::Removing(document, "Delete", chosen));
    }

    TextureMapping* AnyMapping(Random& random)
    {
        if (random() % 3 == 0)
            return document.m_pScene->m_pFloor;
        return Any<Wall>(random);
    }

    std::vector<Operation> Operations()
    {
        const std::vector<float> steps{0.0f, 0.5f, -1.0f};
        return {
            {"move", [this, steps](Random& r) {
                 const std::vector<CSGNode*> objects = Objects();
                 LevelObject* object = objects.empty() || r() % 4 == 0 ? document.m_pStartMarker
                                                                       : dynamic_cast<LevelObject*>(Pick(r, objects));
                 return Change(object, ObjectPosition{object->x + Pick(r, steps), object->z + Pick(r, steps)});
             }},
            {"wall shape", [this](Random& r) {
                 return Change(Any<Wall>(r), WallShape{Pick(r, {2.0f, 4.0f}), Pick(r, {1.0f, 2.0f}), Pick(r, {0.0f, 45.0f})});
             }},
            {"item values", [this](Random& r) {
                 return Change(Any<Item>(r), ItemValues{ITEM_NORMAL + static_cast<int>(r() % 2), Pick(r, {20.0f, 5.0f}),
                                                        1.0f, Pick(r, {0.2f, 0.5f})});
             }},
            {"marker heading", [this](Random& r) { return Change(document.m_pStartMarker, MarkerHeading{Pick(r, {0.0f, 90.0f})}); }},
            {"level properties", [this](Random& r) {
                 return Change(document.m_pScene.get(), LevelProperties{Pick(r, {30, 40}), 24, 3, 90.0f,
                                                                        Pick(r, {8.0f, 6.0f}), 2.0f});
             }},
            {"mapping values", [this](Random& r) {
                 return Change(AnyMapping(r), MappingValues{Pick(r, {0.0f, 0.5f}), 0.0f, 1.0f, 1.0f, Pick(r, {0.0f, 30.0f})});
             }},
            {"texture choice", [this](Random& r) {
                 TextureMapping* mapping = AnyMapping(r);
                 return mapping && document.Submit(new TextureChoiceCommand(document, *mapping, Pick(r, m_images)));
             }},
            {"sky box image", [this](Random& r) {
                 LevelScene& scene = *document.m_pScene;
                 return scene.m_pCubeMap
                        && document.Submit(new ValueCommand<LevelScene, SkyBoxImage>(
                            document, "Sky", scene, {scene.m_pCubeMap->TextureBaseName},
                            {Pick(r, {std::string(SkyBoxSwitchCommand::DEFAULT_CUBE_MAP), std::string("../sky/dusk.png")})}));
             }},
            {"sky box switch", [this](Random& r) { return document.Submit(new SkyBoxSwitchCommand(document, r() % 2)); }},
            {"add objects", [this](Random& r) { return AddObjects(r); }},
            {"delete objects", [this](Random& r) { return DeleteObjects(r); }},
            {"undo", [this](Random&) { return History().Undo(), false; }},
            {"redo", [this](Random&) { return History().Redo(), false; }},
            // Past steps that the limit dropped: the history's start is then no saved state.
            {"undo all", [this](Random&) {
                 while (History().Undo()) {
                 }
                 m_undonePastDropped += History().StateId() != m_startState;
                 return false;
             }},
            {"redo all", [this](Random&) {
                 while (History().Redo()) {
                 }
                 return false;
             }},
            {"save", [this](Random&) {
                 EXPECT_TRUE(document.OnSaveDocument(Level()));
                 m_known = m_saved = ReadFile(Level());
                 m_settled.clear();
                 m_kept = false;
                 return false;
             }},
            {"file changed by another program", [this](Random& r) {
                 m_externalFault = ChangeFileOnDisk(r);
                 return false;
             }},
        };
    }

    // Every floor and wall draws from its row's live texture once the preview's work has run.
    std::string TextureFault()
    {
        document.RunTextureWork(document.m_pScene->Root());
        std::vector<TextureMapping*> mappings{document.m_pScene->m_pFloor};
        for (Wall* wall : All<Wall>())
            mappings.push_back(wall);
        for (TextureMapping* mapping : mappings) {
            const unsigned name = mapping->GetGLTexture();
            if (!glIsTexture(name) || name != document.m_glTextures[mapping->GetTextureID()])
                return "a mapping of row " + std::to_string(mapping->GetTextureID()) + " shows no live texture of it";
        }
        return {};
    }

    // What the operation broke; empty when every check holds.
    std::string Fault(bool keptStep, const std::string& before, const std::string& now)
    {
        if (!m_externalFault.empty())
            return std::exchange(m_externalFault, std::string());
        if (!document.IsModified() && now != m_saved)
            return "unmodified, yet the level differs from the bytes last saved or read";
        if (m_kept && !document.IsModified())
            return "unmodified, though kept over a file that no state of the history is";
        if (keptStep && now == before)
            return "a step was kept that changed nothing";
        std::string fault = TableMismatch(document);
        return fault.empty() ? TextureFault() : fault;
    }

    void RunSequence(unsigned seed)
    {
        Write(Level(), m_files[0]);
        ASSERT_TRUE(document.OnOpenDocument(Level()));
        document.SetPathName(Level());
        History().SetStepLimit(STEP_LIMIT);
        m_startState = History().StateId();
        m_known = m_saved = m_files[0];
        m_settled.clear();
        m_kept = false;
        std::string written = Written();
        Random random(seed);
        const std::vector<Operation> operations = Operations();
        for (int i = 0; i < OPERATIONS; ++i) {
            const Operation& operation = Pick(random, operations);
            const bool keptStep = operation.run(random);
            const std::string now = Written();
            const std::string fault = Fault(keptStep, written, now);
            ASSERT_EQ(fault, "") << "seed " << seed << ", operation " << i << " (" << operation.name
                                 << "); replay with TRELKAN_HISTORY_SEED=" << seed;
            written = now;
        }
    }

    std::unique_ptr<CDocManager> m_manager;
    std::string m_saved;   // what an unmodified level writes
    std::string m_known;   // the file as the level last read or wrote it
    std::string m_settled; // a change of the file that was kept over or found unreadable
    bool m_kept = false;
    std::string m_externalFault; // what the last change of the file on disk broke
    HistoryStep::Id m_startState = 0;
    unsigned m_undonePastDropped = 0;
    std::vector<std::string> m_files; // what another program writes: levels and a broken file
    std::filesystem::file_time_type m_otherClock = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
    std::vector<std::string> m_images;

private:
    OffscreenContext m_context;
};

TEST_F(HistoryModelTest, RandomHistoriesKeepTheModifiedMarkAndTheTextureTableTrue)
{
    if (const char* replay = std::getenv("TRELKAN_HISTORY_SEED")) {
        RunSequence(static_cast<unsigned>(std::strtoul(replay, nullptr, 10)));
        return;
    }
    for (unsigned seed = 1; seed <= SEQUENCES && !HasFailure(); ++seed)
        RunSequence(seed);
    // The runs reach the state that only the saved point's identity tells apart from a saved one.
    EXPECT_GE(m_undonePastDropped, SEQUENCES / 10);
}

// The limit drops the first move; undoing the other two reaches the oldest state kept, which is
// the first move's and not the level that was saved.
TEST_F(HistoryModelTest, UndoingEverythingPastADroppedStepLeavesTheLevelModified)
{
    History().SetStepLimit(2);
    LevelObject* marker = document.m_pStartMarker;
    for (float x : {1.0f, 2.0f, 3.0f})
        ASSERT_TRUE(Change(marker, ObjectPosition{x, 0.0f}));
    while (History().Undo()) {
    }
    EXPECT_TRUE(document.IsModified());
}

} // namespace
