#include "framework/Translations.h"

#include <wx/translation.h>

void UseTranslations(const wxString& domain, const std::vector<wxString>& catalogFolders,
                     wxLanguage language)
{
    for (const wxString& folder : catalogFolders)
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder);
    auto* translations = new wxTranslations;
    if (language != wxLANGUAGE_DEFAULT)
        translations->SetLanguage(language);
    wxTranslations::Set(translations);
    translations->AddStdCatalog();
    translations->AddCatalog(domain, wxLANGUAGE_ENGLISH_US);
}
