#pragma once

#include <functional>

#include <wx/docview.h>

#include "framework/FileDialog.h"

class CDocManager;
class CDocument;
class CFrameWnd;

// The seven '\n'-separated fields of a document template string: window title, document name,
// new-document base name, filter name, default extension (with its dot), file-type id and
// file-type name. Missing fields are empty.
struct DocTemplateStrings {
    wxString windowTitle;
    wxString docName;
    wxString fileNewName;
    wxString filterName;
    wxString filterExt;
    wxString fileTypeId;
    wxString fileTypeName;

    static DocTemplateStrings Parse(const wxString& text);
};

// The one document template: the document class, the frame class and the view class of a
// single-document program. It makes the document and the frame once; the frame makes the
// views (its panes). It registers itself with the manager.
class CDocTemplate : public wxDocTemplate {
public:
    using DocumentFactory = std::function<CDocument*()>;
    using FrameFactory = std::function<CFrameWnd*(CDocManager&, CDocument&)>;

    CDocTemplate(CDocManager* manager, int resourceId, const wxString& strings,
                 DocumentFactory makeDocument, FrameFactory makeFrame, const wxString& viewClassName);

    int GetResourceId() const { return m_resourceId; }
    const DocTemplateStrings& GetStrings() const { return m_strings; }
    // File dialog filter, e.g. "Level Map Files (*.xml)|*.xml".
    wxString GetFileFilter() const;
    // Default extension without the dot, e.g. "xml".
    wxString GetDefaultExtension() const;
    // A file dialog for documents: their filter and extension, starting in the folder of
    // `documentPath` when there is one, else in the last folder of a document dialog, else in
    // the template's directory (SetDirectory).
    FileDialogRequest FileRequest(const wxString& documentPath) const;

    // Makes the document and registers it with the manager; null on failure.
    CDocument* CreateOneDocument();
    // Makes the frame with its panes as views of `document`; null on failure.
    CFrameWnd* CreateFrame(CDocManager& manager, CDocument& document) const;

protected:
    wxDocument* DoCreateDocument() override;

private:
    CDocTemplate(CDocManager* manager, int resourceId, const DocTemplateStrings& strings,
                 DocumentFactory makeDocument, FrameFactory makeFrame, const wxString& viewClassName);

    int m_resourceId;
    DocTemplateStrings m_strings;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
};
