#pragma once
// The application and frame as the dialogs see them, for tests: it keeps
// the shared position, the open dialog and the flags the test sets, and
// records every effect and every call of the network window. Registers
// itself as the dialogs' host while it lives.

#include <array>
#include <string>
#include <vector>

#include "dialogs/DialogHost.h"

class CFakeDialogHost : public IDialogHost {
public:
    CFakeDialogHost() { IDialogHost::Set(this); }
    ~CFakeDialogHost() override {
        if (IDialogHost::Get() == this) IDialogHost::Set(nullptr);
    }
    CFakeDialogHost(const CFakeDialogHost&) = delete;
    CFakeDialogHost& operator=(const CFakeDialogHost&) = delete;

    CPoint GetDialogPos() const override { return dialogPos; }
    void SetDialogPos(CPoint pos) override {
        dialogPos = pos;
        storedPositions.push_back(pos);
    }
    CVDoc* GetActiveDocument() override { return doc; }
    void PlayEffect(int effect) override { effects.push_back(effect); }
    int IsCommandInputActive() override { return commandInput; }
    int IsNetworkGame() override { return networkGame; }
    void ShowNetworkWindow(int toggle, int show, int refresh) override {
        networkWindow.push_back({toggle, show, refresh});
    }
    CBaseDialog* GetOpenDialog() override { return openDialog; }
    void SetOpenDialog(CBaseDialog* dialog) override { openDialog = dialog; }
    void AddNetworkMessage(const std::string& text) override { networkMessages.push_back(text); }
    void PostFrameMessage(unsigned message) override { postedMessages.push_back(message); }
    void CloseProgramUnasked() override { ++programClosed; }
    int IsObserving() override { return observing; }
    int GetAdmittedObservers() override { return admittedObservers; }

    CPoint dialogPos{-1, -1};
    std::vector<CPoint> storedPositions;
    CVDoc* doc = nullptr;
    std::vector<int> effects;
    int commandInput = 0;
    int networkGame = 0;
    std::vector<std::array<int, 3>> networkWindow;
    CBaseDialog* openDialog = nullptr;
    std::vector<std::string> networkMessages;
    std::vector<unsigned> postedMessages;
    int programClosed = 0;
    int observing = 0;
    int admittedObservers = 0;
};
