// The editor in the desktop's language: English as the code writes it, Italian from the catalog
// the build compiles, with no Italian system locale installed.
#include <cstdlib>

#include <wx/button.h>
#include <wx/translation.h>

#include "forms/CMainFormView.h"
#include "forms/DialogTemplates.h"
#include "forms/ImageChoice.h"
#include "framework/Translations.h"
#include "tests/views/ViewFixture.h"

namespace {

struct LanguageCase {
    const char* desktopLanguage; // the LANGUAGE variable
    const char* fileMenu;
    const char* applyButton;
    const char* wallStatus;
    const char* imageFilter;
};

class LanguageTest : public ViewTest, public testing::WithParamInterface<LanguageCase> {
protected:
    void SetUp() override
    {
        if (const char* language = std::getenv("LANGUAGE"))
            m_savedLanguage = language;
        setenv("LANGUAGE", GetParam().desktopLanguage, 1);
        UseTranslations(CATALOG_DOMAIN, {TRELKAN_CATALOG_DIR});
        ViewTest::SetUp();
    }

    void TearDown() override
    {
        ViewTest::TearDown();
        wxTranslations::Set(nullptr);
        if (m_savedLanguage.empty())
            unsetenv("LANGUAGE");
        else
            setenv("LANGUAGE", m_savedLanguage.c_str(), 1);
    }

private:
    std::string m_savedLanguage;
};

TEST_P(LanguageTest, MenusFormsStatusAndFileDialogsSpeakTheDesktopsLanguage)
{
    const LanguageCase& expected = GetParam();
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0), expected.fileMenu);
    wxWindow& levelForm = *frame->m_pMainFormView->GetWindow();
    EXPECT_EQ(FindControl<wxButton>(levelForm, IDC_APPLY)->GetLabel(), expected.applyButton);

    ASSERT_TRUE(Command(ID_MODE_CREATE_WALL));
    MoveToLevel(3.1, 4.9);
    Press();
    // The numbers keep their decimal point in every language.
    EXPECT_EQ(Status(), expected.wallStatus);
    Release();

    FileDialogAnswerer files;
    ChooseImageFile(frame, ImageKind::Texture);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].filter, expected.imageFilter);
}

// Italian from the whole catalog, with the texts the editor always showed in Italian as they were.
INSTANTIATE_TEST_SUITE_P(
    Desktop, LanguageTest,
    testing::Values(
        LanguageCase{"en", "&File", "Apply", "New wall from (3, 5)",
                     "Image files (*.jpg;*.jpeg;*.png;*.tga)|*.jpg;*.jpeg;*.png;*.tga"},
        LanguageCase{"it", "&File", "Applica", "Nuovo muro da (3, 5)",
                     "File di immagine (*.jpg;*.jpeg;*.png;*.tga)|*.jpg;*.jpeg;*.png;*.tga"}),
    [](const testing::TestParamInfo<LanguageCase>& run) { return std::string(run.param.desktopLanguage); });

} // namespace
