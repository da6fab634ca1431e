#include "framework/CDocTemplate.h"

#include <wx/filename.h>
#include <wx/tokenzr.h>

#include "framework/CDocManager.h"
#include "framework/CDocument.h"

DocTemplateStrings DocTemplateStrings::Parse(const wxString& text)
{
    DocTemplateStrings strings;
    wxString* fields[] = {&strings.windowTitle, &strings.docName,    &strings.fileNewName,
                          &strings.filterName,  &strings.filterExt,  &strings.fileTypeId,
                          &strings.fileTypeName};
    wxStringTokenizer tokens(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    for (wxString* field : fields) {
        if (!tokens.HasMoreTokens())
            break;
        *field = tokens.GetNextToken();
    }
    return strings;
}

namespace {

// Settings entry of the folder last chosen in a document's file dialog.
const char* const DOCUMENT_FOLDER_KEY = "/Folders/Documents";

wxString WithoutDot(const wxString& ext)
{
    return ext.StartsWith(".") ? ext.Mid(1) : ext;
}

} // namespace

CDocTemplate::CDocTemplate(CDocManager* manager, int resourceId, const wxString& strings,
                           DocumentFactory makeDocument, FrameFactory makeFrame,
                           const wxString& viewClassName)
    : CDocTemplate(manager, resourceId, DocTemplateStrings::Parse(strings), std::move(makeDocument),
                   std::move(makeFrame), viewClassName)
{
}

CDocTemplate::CDocTemplate(CDocManager* manager, int resourceId, const DocTemplateStrings& strings,
                           DocumentFactory makeDocument, FrameFactory makeFrame,
                           const wxString& viewClassName)
    : wxDocTemplate(manager, strings.filterName, "*" + strings.filterExt, wxString(),
                    WithoutDot(strings.filterExt), strings.fileTypeId, viewClassName),
      m_resourceId(resourceId),
      m_strings(strings),
      m_makeDocument(std::move(makeDocument)),
      m_makeFrame(std::move(makeFrame))
{
}

wxString CDocTemplate::GetFileFilter() const
{
    return m_strings.filterName + "|*" + m_strings.filterExt;
}

wxString CDocTemplate::GetDefaultExtension() const
{
    return WithoutDot(m_strings.filterExt);
}

FileDialogRequest CDocTemplate::FileRequest(const wxString& documentPath) const
{
    FileDialogRequest request;
    request.filter = GetFileFilter();
    request.defaultExt = GetDefaultExtension();
    if (!documentPath.empty())
        request.currentFolder = wxFileName(documentPath).GetPath();
    request.folderKey = DOCUMENT_FOLDER_KEY;
    request.defaultFolder = GetDirectory();
    return request;
}

CDocument* CDocTemplate::CreateOneDocument()
{
    return static_cast<CDocument*>(CreateDocument(wxString(), wxDOC_NEW | wxDOC_SILENT));
}

CFrameWnd* CDocTemplate::CreateFrame(CDocManager& manager, CDocument& document) const
{
    return m_makeFrame ? m_makeFrame(manager, document) : nullptr;
}

wxDocument* CDocTemplate::DoCreateDocument()
{
    return m_makeDocument ? m_makeDocument() : nullptr;
}
