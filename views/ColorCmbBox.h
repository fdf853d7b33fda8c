#pragma once
// The owner-drawn combo box of the 32 company colours: item i is colour i,
// filled with its brush and numbered i + 1; a colour another company uses
// is crossed out, and choosing it beeps and keeps the current colour. The
// owner tells which colours are used: with source flag 0 its own table of
// companies, else the network lobby's taken flags.

#include "platform/ui/ComboBox.h"

class IColorCmbOwner;

class CColorCmbBox : public CComboBox {
public:
    void SetOwnerTable(IColorCmbOwner* owner) { m_owner = owner; }
    void SetSourceFlag(int flag) { m_sourceFlag = flag; }
    int GetSourceFlag() const { return m_sourceFlag; }
    // The chosen colour; selects its item.
    void SetCurrentColour(int colour);
    int GetCurrentColour() const { return m_current; }
    // Fills the list with the 32 colours.
    void FillColours();
    bool IsAvailable(int colour) const;

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    // The refusal's beep.
    virtual void Beep();

private:
    void OnSelChange();

    int m_current = 0;
    int m_sourceFlag = 0;
    IColorCmbOwner* m_owner = nullptr;
};
