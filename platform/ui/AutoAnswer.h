#pragma once
// Unattended runs: with MERCAVO_AUTO_ANSWER=1 in the environment, message
// boxes (and the start dialogs) take their default answer at once and log
// their caption and text to standard error, so that nothing waits for a
// person.

#include <string>

class CAutoAnswer {
public:
    static bool IsAutoAnswer();
    // Tests switch it without touching the environment; Reset() goes back to
    // the environment's value.
    static void Set(bool on);
    static void Reset();
    // One line per question: "[auto-answer] caption: text -> answer".
    static void Log(const std::string& caption, const std::string& text, const std::string& answer);
};
