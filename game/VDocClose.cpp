// Closing and saving the game from the program. The close handlers work
// with the main frame's close flags: inside a phase's pumping wait a close
// is only recorded (the phase closes once its wait ends), a close the game
// itself asks for is not questioned, and a close the user declines lets the
// month go on where a deferred close stopped it.

#include "game/VDoc.h"
#include "model/services/Services.h"

namespace {

constexpr const char* kEndGameQuestion = "Do you want to end the game?";
constexpr const char* kCloseUnsavedQuestion = "Close MERCAVO without saving data.";
constexpr const char* kUntitled = "Untitled";

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The declined close: the frame goes on with the month if a close stopped
// it; false tells the caller to refuse.
bool Decline(IFrameService& frame) {
    frame.ResumeAfterDeclinedClose();
    return false;
}

}  // namespace

std::string CVDoc::GetTitle() const {
    return m_pathName.empty() ? kUntitled : FileName(m_pathName);
}

bool CVDoc::CanCloseFrame() {
    IFrameService& frame = Services::Frame();
    if (frame.IsPumping()) {
        frame.SetCloseRequest(1);
        return false;
    }
    // Before a game is set up there is no game to end.
    if (!frame.IsClosing() && GetPlayState() == 0 && CompanyCount() > 0) {
        const int answer = frame.ShowMessageBox(
            kEndGameQuestion, kMessageBoxYesNo | kMessageIconExclamation | kMessageDefaultButton2);
        if (answer != kAnswerYes) return Decline(frame);
    }
    return SaveModified();
}

bool CVDoc::SaveModified() {
    IFrameService& frame = Services::Frame();
    // A game the program closes itself, or one nobody plays, has nothing
    // to ask about.
    if (GetPlayState() == 0 || frame.IsClosing() || !IsModified()) return true;
    if (!frame.CanSaveNow()) {
        if (frame.IsPumping()) {
            frame.SetCloseRequest(1);
            return false;
        }
        const int answer =
            frame.ShowMessageBox(kCloseUnsavedQuestion, kMessageBoxYesNo | kMessageIconExclamation);
        return answer == kAnswerYes ? true : Decline(frame);
    }
    const int answer = frame.ShowMessageBox("Save changes to " + GetTitle() + "?",
                                            kMessageBoxYesNoCancel | kMessageIconExclamation);
    if (answer == kAnswerNo) return true;
    if (answer == kAnswerYes && DoSave(m_pathName, 1)) return true;
    // Cancelled, or the save did not happen: the game stays open and goes
    // on.
    return Decline(frame);
}

int CVDoc::DoSave(const std::string& path, int replace) {
    IFrameService& frame = Services::Frame();
    std::string target = path;
    if (target.empty()) {
        std::string name = m_pathName.empty() ? GetTitle() : m_pathName;
        if (m_pathName.empty()) {
            const size_t cut = name.find_first_of(" #%;/\\");
            if (cut != std::string::npos) name.resize(cut);
            name += ".mqd";
        }
        if (!frame.PromptSaveName(name)) return 0;
        target = name;
    }
    if (!frame.CanSaveNow()) {
        frame.Beep();
        return 0;
    }
    // A copy (the backup) leaves the game's own state alone: it is still as
    // modified as it was, under its own path.
    const bool wasModified = IsModified();
    if (!SaveFile(target)) return 0;
    if (replace) {
        m_pathName = target;
    } else {
        m_modified = wasModified;
    }
    return 1;
}
