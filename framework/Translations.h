#pragma once

#include <vector>

#include <wx/intl.h>
#include <wx/string.h>

// The program's texts are English in the code; other languages come from gettext catalogs
// "<folder>/<language>/LC_MESSAGES/<domain>.mo". No system locale is needed for them, and
// numbers keep the C locale's format whatever the language.

// Shows the texts of `domain` in `language` from now on; by default in the desktop's language
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The toolkit's own catalog is used where installed.
// Texts without a catalog entry stay English.
void UseTranslations(const wxString& domain, const std::vector<wxString>& catalogFolders,
                     wxLanguage language = wxLANGUAGE_DEFAULT);
