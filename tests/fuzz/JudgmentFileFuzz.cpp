// The judgment data file read from arbitrary bytes: the load gives an error
// value or a document that the whole judgment (preparation, every step, the
// final ranking, the report and every history text) handles without
// reading or allocating wildly.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "judge/ArboDoc.h"
#include "judge/ArboDocService.h"
#include "judge/JudgeReport.h"
#include "model/services/Services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    judge::CArboDoc doc;
    int result = doc.LoadBytes(std::vector<uint8_t>(data, data + size));
    if (result != -1) return 0;
    judge::CArboDocService service(doc);
    auto scoped = ScopedDoc(&service);
    if (!doc.PrepareJudgment()) return 0;
    int steps = 0;
    while (doc.RunNextStep()) ++steps;
    if (steps != doc.GetStepTotal()) std::abort();
    if (judge::CJudgeReport::ComposeText(doc, 0).empty()) std::abort();
    int check = judge::CJudgeReport::ComputeJudgmentCheck(doc);
    for (int c = 0; c < doc.GetCompanyCount(); ++c)
        if (doc.GetCompany(c)->BuildHistoryText(check, 0).empty()) std::abort();
    return 0;
}
