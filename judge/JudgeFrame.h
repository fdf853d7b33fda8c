#pragma once
// What the document's close question needs of the judgment's main frame.
// The frames of the windowed program implement it; tests record.

namespace judge {

class IJudgeFrame {
public:
    virtual ~IJudgeFrame() = default;
    // A timed wait of the announcement is running.
    virtual bool IsInWait() = 0;
    // Remembers that the user asked to close; the wait closes afterwards.
    virtual void RequestClose() = 0;
    virtual bool AreResultsShown() = 0;
    // An announcement step is waiting to be run.
    virtual bool HasPendingStep() = 0;
    virtual bool IsNetworkGame() = 0;
    virtual bool IsNetworkHost() = 0;
    virtual bool HasPeers() = 0;
    // Shows the text pane's prompt ("Next") again; the prompt alone moves
    // the announcement on.
    virtual void ShowPromptAgain() = 0;
};

}  // namespace judge
