#pragma once
// The common base of the game's modal dialogs. It adds four things to the
// plain dialog:
// - a time-out (timer 10) after which the dialog confirms itself as if OK
//   had been pressed, armed in a game without human players, when asked for
//   with SetAutoClose, and in an unattended run, so that nothing waits for a
//   person who is not there. A dialog whose OnOK refuses the values at the
//   time-out ends as a cancel instead of staying open with no timer;
// - one screen position shared by all of them for the run: each opens where
//   the last one was when it closed;
// - the frame's knowledge of the open dialog: the dialog registers as the
//   open one and puts the one it covered back when it goes, so nested
//   dialogs form a stack whose top the frame reads;
// - sound effect 3 when it opens and waits for a person.
// A derived dialog is a stack object: constructed with its template, given
// its values by setters, run with DoModal, read back by its own getters.

#include "platform/ui/Dialog.h"

class CVDoc;
class IDialogHost;

class CBaseDialog : public CDialog {
public:
    static constexpr UINT_PTR kTimeoutTimer = 10;
    static constexpr int kDefaultTimeoutMs = 3000;
    // The effect that tells a person that a dialog waits for them.
    static constexpr int kOpenEffect = 3;

    CBaseDialog(UINT templateId, CWnd* parent);
    ~CBaseDialog() override;

    // Arms the time-out even while a person plays, with this period.
    void SetAutoClose(int ms);
    // 0: the dialog opens without the sound.
    void SetFrameNotify(int on) { m_openSound = on; }
    // The frame's network window is shown again when the dialog goes (also
    // after a cancel); nothing outside network play.
    void SetReshowNetworkWindow() { m_reshowNetworkWindow = 1; }
    // The document the dialog works on; nullptr: the host's active one.
    void SetDocument(CVDoc* doc) { m_doc = doc; }

    // The period given to SetAutoClose; 0 when it was not called.
    int GetAutoClose() const { return m_autoClose ? m_timeoutMs : 0; }
    int GetTimeoutInterval() const { return m_timeoutMs; }
    int GetFrameNotify() const { return m_openSound; }
    int GetReshowNetworkWindow() const { return m_reshowNetworkWindow; }
    int IsRestoringPosition() const { return m_restorePosition; }
    // The period timer 10 was armed with at the opening; -1 when it was not.
    int GetArmedTimeout() const { return m_armedMs; }
    // The dialog opened before this one and still open under it.
    CBaseDialog* GetCoveredDialog() const { return m_covered; }

    // The network turn limit ends the dialog on top of the open dialogs at
    // once, past any OnOK or OnCancel that would refuse: the result is the
    // dialog's ForcedResult. FALSE when no dialog is open.
    static BOOL EndForced();

protected:
    // A derived constructor clears it to neither move to nor store the
    // shared position.
    void SetRestorePosition(int on) { m_restorePosition = on; }
    // What a forced end answers: a cancel, unless the dialog says otherwise.
    virtual int ForcedResult() const { return IDCANCEL; }
    // The frame's side of the close: the network window shown again when
    // asked for. The modal run does it as the window goes; a dialog that
    // is answered without its window calls it itself.
    void AfterClose();
    CVDoc* GetDocument() const;

    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;
    void OnDestroy() override;

private:
    // Whether timer 10 runs for this opening.
    bool TimesOut() const;
    void MoveToSharedPosition(IDialogHost& host);
    void RegisterOpen(IDialogHost& host);
    void UnregisterOpen();

    CVDoc* m_doc = nullptr;
    int m_autoClose = 0;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_restorePosition = 1;
    int m_openSound = 1;
    int m_reshowNetworkWindow = 0;
    // The time-out's IDOK is on its way.
    bool m_timeoutPosted = false;
    bool m_registered = false;
    int m_armedMs = -1;
    CBaseDialog* m_covered = nullptr;
};
