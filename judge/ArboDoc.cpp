#include "judge/ArboDoc.h"

#include <algorithm>
#include <new>

#include "judge/JudgeFrame.h"
#include "judge/Saturate.h"
#include "model/FaceStrip.h"
#include "platform/ui/MessageBox.h"

namespace judge {

CArboDoc::CArboDoc() = default;
CArboDoc::~CArboDoc() = default;

int CArboDoc::GetMonthIndex() const {
    return Saturate(int64_t{m_finalYear} * 12 + m_finalMonth);
}

CEnterprise* CArboDoc::GetCompany(int i) {
    return i >= 0 && i < GetCompanyCount() ? &m_companies[static_cast<size_t>(i)] : nullptr;
}

const CEnterprise* CArboDoc::GetCompany(int i) const {
    return i >= 0 && i < GetCompanyCount() ? &m_companies[static_cast<size_t>(i)] : nullptr;
}

CPersonData* CArboDoc::GetPerson(int i) {
    return i >= 0 && i < GetPersonCount() ? &m_persons[static_cast<size_t>(i)] : nullptr;
}

CPersonData* CArboDoc::GetGovernor(int i) {
    return i >= 0 && i < GetGovernorCount() ? &m_governors[static_cast<size_t>(i)] : nullptr;
}

int CArboDoc::GetStockHolding(int company, int holder) const {
    const int n = GetCompanyCount();
    if (company == -1) {
        int64_t sum = 0;
        for (int i = 0; i < n; ++i) sum += GetStockHolding(i, holder);
        return Saturate(sum);
    }
    if (company < 0 || company >= n) return 0;
    const size_t row = static_cast<size_t>(company) * static_cast<size_t>(n + 1);
    if (holder < -1) {
        int64_t sum = 0;
        for (int j = 0; j < n; ++j) sum += m_stock[row + 1 + static_cast<size_t>(j)];
        return Saturate(sum);
    }
    if (holder >= n) return 0;
    return m_stock[row + 1 + static_cast<size_t>(holder)];
}

std::string CArboDoc::GetAreaName(int area) const {
    if (area == -1) return "All";
    if (area < 0 || area >= m_map.GetAreaCount()) return "";
    return m_map.Map().GetAreaName(area);
}

std::string CArboDoc::GetAuthorName(int kind) const {
    switch (kind) {
        case 0:
            return m_authorName;
        case 1:
            return m_map.Map().GetAreaText();
        case 2:
            return m_map.Map().GetMapTitle();
        case 3:
            return m_map.Map().GetMapText();
        default:
            return "";
    }
}

const CMemBlock* CArboDoc::GetDataFileInfo(int kind) const {
    // The map's first author keeps its third block, the second its first,
    // the third its second.
    switch (kind) {
        case 0:
            return &m_authorMark;
        case 1:
            return &m_map.Map().GetRawBlock(3);
        case 2:
            return &m_map.Map().GetRawBlock(1);
        case 3:
            return &m_map.Map().GetRawBlock(2);
        default:
            return nullptr;
    }
}

CBitmap* CArboDoc::GetFaceStrip(int strip) {
    if (strip < 0 || strip >= GetFaceStripCount()) return nullptr;
    return m_faceStrips[static_cast<size_t>(strip)].get();
}

int CArboDoc::BuildFaceStrip(int& counter, std::vector<CPersonData>& table, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(table.size()) - 1);
    std::vector<::CPersonData*> group;
    for (int i = first; i <= last; ++i) group.push_back(&table[static_cast<size_t>(i)].Record());
    std::unique_ptr<CBitmap> strip;
    if (!CFaceStrip::Pack(group, counter, strip)) return 0;
    if (!strip) return 1;
    m_faceStrips.push_back(std::move(strip));
    ++counter;
    return 1;
}

bool CArboDoc::ConfirmClose(IJudgeFrame& frame) {
    if (frame.IsInWait()) {
        frame.RequestClose();
        return false;
    }
    bool clientWithoutPeers = frame.IsNetworkGame() && !frame.IsNetworkHost() && !frame.HasPeers();
    if (frame.AreResultsShown() || !frame.HasPendingStep() || clientWithoutPeers) return true;
    int answer =
        AfxMessageBox("Judging discontinued.", MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION);
    if (answer == IDYES) return true;
    // Only the prompt moves the announcement on: posting the pending step
    // again would rank its page a second time.
    frame.ShowPromptAgain();
    return false;
}

}  // namespace judge
