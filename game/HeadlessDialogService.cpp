#include "game/HeadlessDialogService.h"

#include <string>

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
