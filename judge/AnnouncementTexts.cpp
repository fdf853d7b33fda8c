#include "judge/AnnouncementTexts.h"

#include <array>
#include <cstdint>

#include "model/Formatting.h"
#include "platform/core/TextFormat.h"

namespace judge {

namespace announcement {

namespace {

using Lines = std::vector<std::string>;

const Lines kFundsBonus = {"  Bonus points  1st 10points  ", "                     2nd  3points  ",
                           "                     3rd  1point   "};
const Lines kEmployeesBonus = {"  Bonus points  1st 20points  ",
                               "                     2nd  8points  ",
                               "                     3rd  3points  "};
const Lines kLoyaltyBonus = {"  Bonus points  1st 30points  ", "                     2nd 12points  ",
                             "                     3rd  5points  "};
const Lines kPropertyBonus = {"  Bonus points  1st 5points  ", "                     2nd 2points  ",
                              "                     3rd 1point   "};
const Lines kCommonBonus = {"  Bonus points  1st 10points  ", "                     2nd  4points  ",
                            "                     3rd  2points  "};
const Lines kAreaBonus = {"  Bonus points  1st 50/30points  ",
                          "                     2nd    15points  ",
                          "                     3rd     6points  "};

constexpr const char* kFirstSuffix = "st judgement  ";
constexpr const char* kSecondSuffix = "nd judgement  ";
constexpr const char* kThirdSuffix = "rd judgement  ";
constexpr const char* kLaterSuffix = "th judgement ";

}  // namespace

SExplanation Explanation(int page, const std::string& areaName) {
    switch (page) {
        case 0: return {"1", kFirstSuffix, "Funds", "  \"Funds\"/100 points", kFundsBonus};
        case 1: return {"2", kSecondSuffix, "Debt", "  \"Debt\"/(-20) points", {}};
        case 2:
            return {"3", kThirdSuffix, "Employees", "  \"Employees\"/100 points", kEmployeesBonus};
        case 3:
            return {"4", kLaterSuffix, "Employee Average Loyalty",
                    "  (\"Employee Average Loyalty\" -50)x4 points", kLoyaltyBonus};
        case 4:
            return {"5", kLaterSuffix, "Advanced Area", "  \"Advanced Area\"x10 points",
                    kLoyaltyBonus};
        case 5: return {"6", kLaterSuffix, "Property", "  \"Property\" points", kPropertyBonus};
        case 6:
            return {"7", kLaterSuffix, "Estimated Stock Value",
                    "  \"Estimated Stock Value\"/100 points", kCommonBonus};
        case 7:
            return {"8", kLaterSuffix, "Strike Occurrences", "  \"Strike Occurrences\"x(-20) points",
                    {}};
        case 8:
            return {"9", kLaterSuffix, "Total Popularity",
                    "  (\"Total Popularity\" -100)/10 points", kCommonBonus};
        case 9:
            return {"10", kLaterSuffix, "Director Ability", "  \"Director Ability\" points",
                    kCommonBonus};
        case 10:
        case 11:
        case 12:
            return {"11", kLaterSuffix, FormatText("Times Champion (League %d)", page - 9),
                    "  \"Victory Count\"x10 points", kCommonBonus};
        case 13:
        case 14:
        case 15:
            return {"12", kLaterSuffix, FormatText("Attendance (League %d)", page - 12),
                    "  \"Attendance\"/100,000 points", kCommonBonus};
        case 16:
            return {"13", kLaterSuffix, "Top Annual Proceeds", "  \"Top Annual Proceeds\"x5 points",
                    kCommonBonus};
        case 17:
            return {"14", kLaterSuffix, "Top Annual Profits", "  \"Top Annual Profits\"x3 points",
                    kCommonBonus};
        case 18:
            return {"15", kLaterSuffix, "Area Contribution Level (" + areaName + ")",
                    "  \"Area Contribution Level\"/100 points", kAreaBonus};
        default: return {};
    }
}

const std::vector<std::string>& SectionLines(int page, int area) {
    static const std::array<Lines, 19> kSections = {{
        {"A company can not function properly without working capital.",
         "Ample capital is critical for emergency situations.",
         "Just stockpiling  capital is not advised.",
         "Capital must be managed and invested wisely."},
        {"Bank loans are necessary for a company's operations.",
         "Always repay loans promptly to maintain good credit standing.",
         "Outstanding loans at the end will result in negative points."},
        {"Employees power the company.", "Bigger companies usually have more employees.",
         "Finishing with more employees awards higher points."},
        {"Employees must be satisfied before a company can contribute to society.",
         "Employee loyalty directly relates to the company's outcome.",
         "A good company always considers employee contentment."},
        {"It is important to extend your activity to as many areas as possible.",
         "It is customary to methodically and carefully perform each activity.",
         "In this assessment, bonus points are added with each new area."},
        {"Real estate holdings indicate company size.",
         "Real estate holdings include land and buildings."},
        {"Acquiring potentially successful company stocks is advised.",
         "Holding various stocks also helps to strengthen relationships with other companies.",
         "Purchased stock prices and ending market value",
         "will be compared in your final evaluation."},
        {"Strikes criple all operations, facilitate losses,", "and deteriorate employee relations.",
         "Avoid strikes at all costs.", "Experiencing multiple strikes loses big points."},
        {"Company achievements directly relates to popularity in related areas.",
         "High popularity drives sales up and attracts outstanding human resources.",
         "Popularity can quickly decline over time."},
        {"Although you must accurately manage your company's operations,",
         "be sure to allocate responsibility to your directors.",
         "Allow your employees to gain valuable experience so they may add value.",
         "Having outstanding directors often leads to high achievements.",
         "If your director ranks in the top 5 in the game, you receive additional points."},
        {"The professional team's ranking", "directly relates to your company's popularity.",
         "Evaluation is based on number of victories.", "Have you assembled a winning team?"},
        {},
        {},
        {"Possessing a highly rated professional football/baseball team",
         "and a stadium in an advantageous location, many spectators are likely to attend.",
         "Did you develop an inspiring football/baseball team?"},
        {},
        {},
        {"Highly profitable companies often significantly and positively influence society.",
         "Year end profits are examined to determine",
         "your company's feasibility of society contribution.",
         "Points are calculated on the number of times you were number one in proceeds."},
        {"Companies must balance growing profits and giving back to society.",
         "Having high profits without making contributions necessitates",
         "using proceeds for community services.",
         "Your company will be evaluated on the number of times",
         "it finished number one in profits."},
        {"The final assessment point concerns the company's contribution to each area.",
         "Most importantly the company's developmental role of an area is assessed",
         "with high bonus points.", "Holding a head office awards special points.",
         "Contributions to an area increases points."},
    }};
    static const Lines kNone;
    if (page < 0 || page >= static_cast<int>(kSections.size())) return kNone;
    if (page == 18 && area != 0) return kNone;
    return kSections[static_cast<size_t>(page)];
}

std::vector<STextRun> ExplanationRuns(const SExplanation& lines, const std::vector<int>& order,
                                      const std::vector<SCompanyEntry>& companies, bool names) {
    std::vector<STextRun> runs = {{lines.number, 3, true},
                                  {lines.suffix, 2, false},
                                  {lines.title, 3, false},
                                  {lines.formula, 2, true}};
    for (size_t place = 0; place < lines.bonus.size(); ++place) {
        runs.push_back({lines.bonus[place], 2, true});
        if (!names) continue;
        for (size_t k = place; k < order.size(); ++k) {
            const int c = order[k];
            if (c < 0 || c >= static_cast<int>(companies.size())) break;
            const SCompanyEntry& company = companies[static_cast<size_t>(c)];
            if (company.rank != static_cast<int>(place)) break;
            // A company without a value on the page earns no bonus.
            if (company.value == 0) continue;
            runs.push_back({company.name + "  ", 2, false, company.mark});
        }
    }
    return runs;
}

bool IsDecisiveWin(int firstTotal, int secondTotal) {
    return int64_t{secondTotal} * 10 < int64_t{firstTotal} * 9;
}

namespace {

constexpr int kLineWait = 4000;
constexpr int kLastWait = 8000;

std::vector<STextRun> WinnerRuns(const std::vector<SCompanyEntry>& companies) {
    std::vector<const SCompanyEntry*> winners;
    for (const SCompanyEntry& company : companies)
        if (company.rank == 0) winners.push_back(&company);
    std::vector<STextRun> runs = {{kAwardsText, 2, true}};
    for (size_t i = 0; i < winners.size(); ++i) {
        if (i > 0) runs.push_back({i + 1 == winners.size() ? kLastNameSeparator : kNameSeparator,
                                   2, false});
        runs.push_back({winners[i]->name, 3, false, winners[i]->mark});
    }
    runs.push_back({kAwardsEnd, 2, false});
    return runs;
}

}  // namespace

std::vector<SMessagePart> FinalMessage(const std::vector<SCompanyEntry>& companies,
                                       int humanPlayers) {
    std::vector<SMessagePart> parts = {{WinnerRuns(companies), kLineWait}};
    const SCompanyEntry* first = nullptr;
    const SCompanyEntry* second = nullptr;
    const SCompanyEntry* lastHuman = nullptr;
    bool humanWon = false;
    for (const SCompanyEntry& company : companies) {
        if (company.rank == 0 && !first) first = &company;
        if (company.rank == 1 && !second) second = &company;
        if (!company.human) continue;
        lastHuman = &company;
        if (company.rank == 0) humanWon = true;
    }
    if (humanWon) {
        if (second && IsDecisiveWin(first->value, second->value)) {
            parts.push_back({{{kCongratulations, 2, false}, {kRemarkable, 2, true}}, kLineWait});
        } else {
            parts.push_back({{{kVeryGoodGame, 2, true}}, kLineWait});
        }
    } else if (humanPlayers == 1 && lastHuman) {
        // The sentence is one line of its own, the name within it.
        parts.push_back({{{kUnfortunately, 2, true},
                          {lastHuman->name, 3, false, lastHuman->mark},
                          {kTookThe, 2, false},
                          {FormatOrdinal(lastHuman->rank + 1), 3, false},
                          {kPlace, 2, false}},
                         kLineWait});
    }
    parts.push_back({{{kThankYou, 2, true}}, kLastWait});
    parts.push_back({{{" ", 1, true}, {kCreditLine, 1, true}}, 0});
    return parts;
}

std::vector<std::string> IntroductionLines(int playYears) {
    return {FormatText("The %d year president's term has expired.", playYears),
            "Assess your company and evaluate your president's performance.",
            " ",
            "The assessment is done on the following 15 categories.",
            "Bonus points are awarded to the 3 top companies on select categories.",
            " ",
            "Did you grow the company's size, proceeds, and profits?",
            "Did you contribute to the community?",
            " ",
            "Let's  proceed with your company's assessment."};
}

}  // namespace announcement

}  // namespace judge
