#pragma once
// The dialogs of a game without windows: each dialog the rules open is one
// line of the transcript, with the values it shows.

#include "game/Transcript.h"
#include "model/services/DialogService.h"

class CHeadlessDialogService : public IDialogService {
public:
    explicit CHeadlessDialogService(CTranscript& transcript) : m_transcript(transcript) {}

    void ShowInterest(int rate, const std::vector<int>& debts, int autoCloseMs) override;

private:
    CTranscript& m_transcript;
};
