#include "game/HeadlessDialogService.h"

#include <string>

void CHeadlessDialogService::ShowInterest(int rate, const std::vector<int>& debts,
                                          int /*autoCloseMs*/) {
    std::string line = "dialog: interest rate " + std::to_string(rate) + "%, debts";
    for (int debt : debts) line += " " + std::to_string(debt);
    m_transcript.Add(line);
}
