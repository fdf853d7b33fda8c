#pragma once
// The dialogs of a game without windows: each dialog the rules open is one
// line of the transcript, with the values it shows; the order dialogs of
// the player's commands are never opened without a player, and cancel.

#include "game/Transcript.h"
#include "model/services/DialogService.h"

class CHeadlessDialogService : public CDetachedDialogService {
public:
    explicit CHeadlessDialogService(CTranscript& transcript) : m_transcript(transcript) {}

    void ShowInterest(int rate, const std::vector<int>& debts, int autoCloseMs) override;

    // ---- land sales, auctions and construction contracts
    // A line with the range; no bid.
    SDialogAnswer InputBidPrice(const SBidPriceDialog& dialog) override;

    // ---- governor elections

private:
    CTranscript& m_transcript;
};
