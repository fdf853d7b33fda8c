#include "shell/MySingleDocTemplate.h"

#include <cctype>

#include "game/VDoc.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/ui/StringTable.h"
#include "shell/ComposerReportService.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The part after the last '.' of the file's name; "" without one.
std::string Extension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return path.substr(dot + 1);
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

CMySingleDocTemplate::CMySingleDocTemplate(unsigned resourceId) : m_resourceId(resourceId) {}

CMySingleDocTemplate::~CMySingleDocTemplate() {
    CloseAll();
}

int CMySingleDocTemplate::MatchDocType(const std::string& path) const {
    std::string filter = GetDocString(filterExt);
    if (!filter.empty() && filter[0] == '.') filter.erase(0, 1);
    const std::string ext = Extension(path);
    if (!ext.empty() && Lower(ext) == Lower(filter)) return yesAttemptNative;
    return yesAttemptForeign;
}

std::string CMySingleDocTemplate::GetDocString(EDocString part) const {
    const std::string text = CStringTable::Get(m_resourceId);
    size_t start = 0;
    for (int i = 0; i < part; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos) return "";
        ++start;
    }
    const size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool CMySingleDocTemplate::OpenUntitled() {
    m_doc = std::make_unique<CVDoc>();
    m_frame = std::make_unique<CMainFrame>();
    m_view = std::make_unique<CVView>(m_doc.get(), m_frame.get());
    m_frame->AttachDocument(m_doc.get(), m_view.get());
    Services::SetDoc(m_doc.get());
    Services::SetFrame(m_frame.get());
    m_report = std::make_unique<CComposerReportService>(m_frame.get());
    Services::SetReport(m_report.get());
    m_frame->ReadOptions();
    if (!m_frame->LoadFrame(m_resourceId, WS_OVERLAPPEDWINDOW)) {
        Services::SetFrame(nullptr);
        return false;
    }
    if (!m_view->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_frame.get(),
                        AFX_IDW_PANE_FIRST)) {
        return false;
    }
    m_frame->RecalcLayout();
    m_frame->OnUpdateFrameTitle();
    return true;
}

int CMySingleDocTemplate::OpenDocumentFile(const std::string& path) {
    if (!m_doc) return eMERCAVO_ERROR_FAILED;
    const int error = m_doc->LoadFile(path);
    if (error == -1) {
        m_path = path;
        m_doc->SetPathName(path);
    }
    return error;
}

std::string CMySingleDocTemplate::GetTitle() const {
    return m_path.empty() ? "Untitled" : FileName(m_path);
}

void CMySingleDocTemplate::CloseAll() {
    if (m_frame && m_frame->IsWindow()) m_frame->DestroyWindow();
    if (Services::RegisteredFrame() == m_frame.get()) Services::SetFrame(nullptr);
    if (m_report && Services::RegisteredReport() == m_report.get()) Services::SetReport(nullptr);
    if (m_doc && Services::HasDoc() && Services::RegisteredDoc() == m_doc.get()) {
        Services::SetDoc(nullptr);
    }
    if (m_doc) m_doc->SetFrameState(nullptr);
    m_view.reset();
    m_report.reset();
    m_frame.reset();
    m_doc.reset();
}
