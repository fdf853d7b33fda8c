#pragma once
// The texts of the announcement: the introduction, each page's section
// introduction and explanation lines, and the final message.

#include <string>
#include <vector>

namespace judge {

namespace announcement {

// A run of text for the text pane, in the button-text colour: its font, on
// a line of its own or after the previous run, led by a company mark.
struct STextRun {
    static constexpr int kNoMark = -3;
    std::string text;
    int font;
    bool newLine;
    int mark = kNoMark;
};

// The explanation of one page: number, ordinal suffix and title run
// together on its first line, then the formula line and, on pages with a
// bonus, three bonus lines (places 0, 1, 2).
struct SExplanation {
    std::string number;
    std::string suffix;
    std::string title;
    std::string formula;
    std::vector<std::string> bonus;
};

// page 0..18; the area name is used by page 18's title. Empty outside.
SExplanation Explanation(int page, const std::string& areaName);

// The lines shown before a page's explanation; page 18 has them only for
// its first area.
const std::vector<std::string>& SectionLines(int page, int area);

// A company as the texts name it: its name and mark, its place (0 first)
// and its value on the page (or its total for the final message), and
// whether a human player runs it.
struct SCompanyEntry {
    std::string name;
    int mark;
    int rank;
    int value;
    bool human;
};

// The explanation's runs: number, suffix and title, the formula line and
// the bonus lines; with names, each bonus line for place r is followed by
// the companies at exactly that place (walking the ranking order from
// position r) whose value is not 0.
std::vector<STextRun> ExplanationRuns(const SExplanation& lines, const std::vector<int>& order,
                                      const std::vector<SCompanyEntry>& companies, bool names);

// One part of the final message and the wait (JudgeWaitLoop units) after
// it; 0 for none.
struct SMessagePart {
    std::vector<STextRun> runs;
    int wait;
};
// The final message for the companies in company order with their final
// places and totals; humanPlayers is the count of human players at the end.
std::vector<SMessagePart> FinalMessage(const std::vector<SCompanyEntry>& companies,
                                       int humanPlayers);
// A win by more than a tenth: the second total x 10 below the first x 9.
bool IsDecisiveWin(int firstTotal, int secondTotal);

// The introduction for a game of the given play years.
std::vector<std::string> IntroductionLines(int playYears);
// After this line of the introduction the lower pane shows the item list.
constexpr int kItemListAfterLine = 3;

constexpr const char* kAwardsText = "Final assessment awards # 1 to ";
constexpr const char* kNameSeparator = ", ";
constexpr const char* kLastNameSeparator = ", and ";
constexpr const char* kAwardsEnd = ".";
constexpr const char* kCongratulations = "Congratulations.";
constexpr const char* kRemarkable = "You showed remarkable management ability.";
constexpr const char* kVeryGoodGame = "Congratulations on a very good game";
constexpr const char* kUnfortunately = "Unfortunately ";
constexpr const char* kTookThe = " took the ";
constexpr const char* kPlace = " place.";
constexpr const char* kThankYou = "Thank you for playing.  See you next time.";
constexpr const char* kAnnouncingResults = "Announcing judgment results.";
// The last line of the final message: the About box's line.
constexpr const char* kCreditLine = "MERCAVO JUDGMENT Ver5.03";

}  // namespace announcement

}  // namespace judge
