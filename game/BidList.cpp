#include "game/BidList.h"

#include "model/Random.h"
#include "model/services/Services.h"

void CBidList::Add(int company, int bid) {
    m_bidders.push_back(company);
    m_bids.push_back(bid);
}

void CBidList::AskPlayer(const SBidPriceDialog& dialog) {
    const SDialogAnswer answer = Services::Dialogs().InputBidPrice(dialog);
    Services::Frame().FlushChangedCells(1);
    if (answer.ok && answer.value >= dialog.lowest && answer.value <= dialog.highest)
        Add(dialog.company, answer.value);
}

bool CBidList::DrawWinner(int start, bool higher, int& winner, int& price) const {
    int best = start;
    std::vector<int> leaders;
    for (size_t i = 0; i < m_bids.size(); ++i) {
        const int bid = m_bids[i];
        if (higher ? bid > best : bid < best) {
            leaders.clear();
            best = bid;
        }
        if (higher ? bid >= best : bid <= best) leaders.push_back(m_bidders[i]);
    }
    if (leaders.empty()) return false;
    winner = leaders[static_cast<size_t>(Random(static_cast<int>(leaders.size())))];
    price = best;
    return true;
}
