#include "game/HeadlessDialogService.h"

#include <string>

#include "model/PersonData.h"
#include "model/services/Services.h"

void CHeadlessDialogService::ShowInterest(int rate, const std::vector<int>& debts,
                                          int /*autoCloseMs*/) {
    std::string line = "dialog: interest rate " + std::to_string(rate) + "%, debts";
    for (int debt : debts) line += " " + std::to_string(debt);
    m_transcript.Add(line);
}

// ---- land sales, auctions and construction contracts

SDialogAnswer CHeadlessDialogService::InputBidPrice(const SBidPriceDialog& dialog) {
    m_transcript.Add("dialog: bid of company " + std::to_string(dialog.company) + " in area " +
                     std::to_string(dialog.area) + ", range " + std::to_string(dialog.lowest) +
                     "-" + std::to_string(dialog.highest) + " [no bid]");
    return {};
}

// ---- governor elections
namespace {
std::string GovernorName(int person) {
    const CPersonData* governor =
        Services::HasDoc() ? Services::Companies().GetGovernor(person) : nullptr;
    return governor ? governor->GetName() : "person " + std::to_string(person);
}
}  // namespace

void CHeadlessDialogService::ShowElection(const SVoteRecord& vote) {
    std::string area = Services::HasDoc() ? Services::Map().GetAreaName(vote.area) : "";
    std::string line = "dialog: election in " + area + ":";
    const char* separator = " ";
    for (const SVoteCandidate& candidate : vote.candidates) {
        line += separator + GovernorName(candidate.person) + " " +
                std::to_string(candidate.FinalCount());
        separator = ", ";
    }
    m_transcript.Add(line + "; winner " + GovernorName(vote.winner));
}
