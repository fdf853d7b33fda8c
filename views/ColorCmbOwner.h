#pragma once
// What a company-colour combo box asks its owning dialog to decide whether
// a colour may be chosen.

class IColorCmbOwner {
public:
    virtual ~IColorCmbOwner() = default;
    // The company of the dialog that uses colour c, or -1 for none.
    virtual int GetColourCompany(int colour) = 0;
    // The company the dialog sets up now.
    virtual int GetCurrentCompany() = 0;
    // Whether colour c is taken in the network lobby (the frame's flags);
    // none is until network play exists.
    virtual int IsLobbyColourTaken(int /*colour*/) { return 0; }
};
