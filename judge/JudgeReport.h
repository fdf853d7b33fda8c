#pragma once
// The judgment's written results: the report JUDGE.TXT with the ranking and
// every step's points, the check numbers that go with it, and the query of
// the results page.

#include <cstdint>
#include <string>

namespace judge {

class CArboDoc;

class CJudgeReport {
public:
    static constexpr const char* kFileName = "JUDGE.TXT";
    static constexpr const char* kResultsVersion = "5.00";
    // The report's name of a step before the areas (0..17); "" outside.
    static const char* ItemName(int step);

    // 10000 x (V mod 10 + 10 x (Z mod 10)) + M mod 10000 + C mod 10000 + L
    // + ((d2 + 2)(d3 + 1)(d1 + 3)(d0 + 4)) mod 10000, d0..d3 the digits of
    // the best total.
    static int ComputeJudgmentCheck(int bestTotal, int version, int reserved, int mapCheck,
                                    int personCheck, int loadCount);
    static int ComputeJudgmentCheck(const CArboDoc& doc);
    // ((d3 + 1)(d2 + 2)(d1 + 3)(d0 + 4)) mod 10000 for the units, tens,
    // hundreds and thousands digits of the total (negative for a negative
    // total, as the remainders are).
    static int ComputeDigitProduct(int total);

    // What the results page is told.
    struct SResults {
        std::string name;
        int point = 0;
        int firstCount = 0;
        int save = 0;
        int year = 0;
        int psum = 0;
        int msum = 0;
    };
    // (weighted digit sum of the point + msum + psum + year + save +
    // 1count) mod 100000.
    static int ComputeResultsCheck(const SResults& results);
    // address?name=..&point=..&1count=..&save=..&year=..&psum=..&msum=..
    // &csum=..&ver=5.00
    static std::string ComposeResultsAddress(const std::string& address, const SResults& results);
    // Company 0's results.
    static SResults GetResults(const CArboDoc& doc);

    // The report's text; the stamp is the local time of utcTime.
    static std::string ComposeText(const CArboDoc& doc, int64_t utcTime);
    // Writes JUDGE.TXT and every company's history file into the folder
    // (with its trailing separator); false at the first file that cannot
    // be written.
    static bool Write(const CArboDoc& doc, const std::string& folder, int64_t utcTime);
};

}  // namespace judge
