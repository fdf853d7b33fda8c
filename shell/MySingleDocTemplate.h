#pragma once
// The single-document template of the game: it makes the one document, the
// main frame and the main view, matches files to the game, and opens a
// saved game into the document. Its document string is string 100.

#include <memory>
#include <string>

class CComposerReportService;
class CMainFrame;
class CVDoc;
class CVView;

class CMySingleDocTemplate {
public:
    // File-type confidence of a path.
    static constexpr int yesAttemptForeign = 3;
    static constexpr int yesAttemptNative = 4;
    // Parts of the document string.
    enum EDocString { windowTitle, docName, fileNewName, filterName, filterExt };

    explicit CMySingleDocTemplate(unsigned resourceId);
    ~CMySingleDocTemplate();
    CMySingleDocTemplate(const CMySingleDocTemplate&) = delete;
    CMySingleDocTemplate& operator=(const CMySingleDocTemplate&) = delete;

    // Native for the template's extension (".mqd", any case), foreign for
    // any other: every file is offered to the game.
    int MatchDocType(const std::string& path) const;
    // A part of the document string; "" when it has none.
    std::string GetDocString(EDocString part) const;

    // Makes the untitled document with its frame and view, the frame not
    // yet visible; false when no main window results.
    bool OpenUntitled();
    // Loads a saved game into the document: -1 on success, else the error
    // value (the running game stays as it was).
    int OpenDocumentFile(const std::string& path);
    // The document's title: the file's name, or "Untitled".
    std::string GetTitle() const;
    // Forgets the frame once its window is gone (the document and the view
    // object live on until the template goes).
    void CloseAll();

    CVDoc* GetDocument() const { return m_doc.get(); }
    CMainFrame* GetFrame() const { return m_frame.get(); }
    CVView* GetView() const { return m_view.get(); }
    const std::string& GetPathName() const { return m_path; }

private:
    unsigned m_resourceId;
    std::unique_ptr<CVDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CVView> m_view;
    // The player's reports while the frame exists.
    std::unique_ptr<CComposerReportService> m_report;
    std::string m_path;
};
