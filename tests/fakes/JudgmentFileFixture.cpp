#include "JudgmentFileFixture.h"

#include "platform/core/ArchiveStream.h"

CJudgmentFileFixture::CJudgmentFileFixture(const std::string& folder,
                                           const SJudgmentFileOptions& options)
    : m_scopedFrame(ScopedFrame(&m_frame)), m_doc(std::make_unique<CVDoc>()) {
    auto scoped = ScopedDoc(m_doc.get());
    if (!WriteGameDataFiles(folder, *MakeGameFixtureMap(options.map), options.persons)) return;
    m_doc->SetEnterpriseCount(options.companies);
    if (!m_doc->PrepareNewGameFrom(folder + "ORIGINAL.MQM", folder + "ORIGINAL.MQP")) return;
    if (!m_doc->SetPlayerCount(options.startingHumans, 1)) return;
    for (int c = 0; c < options.startingHumans; ++c) {
        m_doc->GetEnterprise(c)->SetName("Player Company " + std::to_string(c));
        m_doc->GetEnterprise(c)->SetPresidentName("Player " + std::to_string(c));
        m_doc->GetEnterprise(c)->SetColor(c);
    }
    if (!m_doc->SetupEnterprises()) return;
    m_doc->InitIssuedShares();
    if (!m_doc->SetPlayerCount(options.endingHumans, 0)) return;
    m_doc->GetEnterprise(0)->SetPresident(options.company0President);
    m_doc->SetGameYears(options.playYears);
    m_doc->SetYear(options.playYears);
    m_doc->SetMonth(0);
    m_ok = true;
}

CJudgmentFileFixture::~CJudgmentFileFixture() = default;

void CJudgmentFileFixture::SetStored(int company, size_t SCompanyLayout::*field, int value) {
    m_patches.push_back({company, [field](const SCompanyLayout& l) { return l.*field; }, value});
}

void CJudgmentFileFixture::SetStoredAt(int company,
                                       std::function<size_t(const SCompanyLayout&)> offset,
                                       int value) {
    m_patches.push_back({company, std::move(offset), value});
}

void CJudgmentFileFixture::SetAreaWord(int company, int element, int word, int value) {
    m_patches.push_back(
        {company, [=](const SCompanyLayout& l) { return l.AreaWord(element, word); }, value});
}

std::vector<uint8_t> CJudgmentFileFixture::Bytes() {
    auto scoped = ScopedDoc(m_doc.get());
    std::vector<uint8_t> bytes = m_doc->SaveBytes();
    SLayout layout = Layout();
    for (const SPatch& patch : m_patches)
        Put(bytes,
            layout.companies.at(static_cast<size_t>(patch.company)) +
                patch.offset(layout.companyFields.at(static_cast<size_t>(patch.company))),
            patch.value);
    return bytes;
}

SLayout CJudgmentFileFixture::Layout() {
    auto scoped = ScopedDoc(m_doc.get());
    return SLayout(*m_doc);
}

bool CJudgmentFileFixture::Write(const std::string& path) {
    return CFileStream::WriteWholeFile(path, Bytes());
}
