#pragma once
// Moving values between a dialog's controls and its members: in
// DoDataExchange a dialog calls the DDX_ functions below for each control;
// UpdateData(FALSE) fills the controls, UpdateData(TRUE) reads them back
// and stops at the first value that is refused (the control gets the focus
// and a message box says why).

#include <string>

class CDialog;

class CDataExchange {
public:
    struct Failure {};

    CDataExchange(CDialog* dialog, int saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate != 0) {}
    // Puts the focus on control `id`, shows `message` (unless empty) and
    // throws Failure, which UpdateData catches.
    [[noreturn]] void Fail(int id, const std::string& message);

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

void DDX_Text(CDataExchange* dx, int id, std::string& value);
// An integer field; text that is not a number is refused with
// "Please enter an integer.".
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// `id` is the first radio button of a group: value is the index of the
// checked one in the group, -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
