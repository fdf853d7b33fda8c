#pragma once
// What the rules need of the dialogs they open themselves (the order
// dialogs of the player's commands are the shell's): one call per dialog,
// the values it shows going in and the player's answers coming back.
// Implemented by the game program's dialogs; programs without windows write
// a transcript line or use CDetachedDialogService.

#include <vector>

class IDialogService {
public:
    virtual ~IDialogService() = default;
    // The December announcement of the new interest rate (percent) with
    // every company's debt (entry c: company c). autoCloseMs > 0: the dialog
    // confirms itself after that time.
    virtual void ShowInterest(int rate, const std::vector<int>& debts, int autoCloseMs) = 0;
};

// Nobody to show anything to.
class CDetachedDialogService : public IDialogService {
public:
    void ShowInterest(int, const std::vector<int>&, int) override {}
};
