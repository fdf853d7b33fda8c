#pragma once
// "Author of the data": the marks and names of whoever made the game's
// data files, side by side.

#include "dialogs/StandInDialog.h"

class CVDoc;

class CCreatorDlg : public CStandInDialog {
public:
    explicit CCreatorDlg(CVDoc* doc) : CStandInDialog("Author of the data"), m_doc(doc) {}
    CVDoc* GetDocument() const { return m_doc; }

private:
    CVDoc* m_doc;
};
