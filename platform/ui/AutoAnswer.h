#pragma once
// Unattended runs: with MERCAVO_AUTO_ANSWER=1 in the environment, message
// boxes (and the start dialogs) take their default answer at once and log
// their caption and text to standard error, so that nothing waits for a
// person.

#include <functional>
#include <string>

class CAutoAnswer {
public:
    static bool IsAutoAnswer();
    // Tests switch it without touching the environment; Reset() goes back to
    // the environment's value.
    static void Set(bool on);
    static void Reset();
    // Tests script the answers: the script gets each question's text and
    // its default answer and returns the answer (0: the box could not be
    // shown). nullptr: every question takes its default.
    using Script = std::function<int(const std::string& text, int defaultAnswer)>;
    static void SetScript(Script script);
    static int Answer(const std::string& text, int defaultAnswer);
    // One line per question: "[auto-answer] caption: text -> answer".
    static void Log(const std::string& caption, const std::string& text, const std::string& answer);
};
