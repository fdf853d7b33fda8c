#include "judge/ResultsRequest.h"

#include "judge/ArboDoc.h"
#include "judge/JudgeReport.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBox.h"

namespace judge {

bool CResultsRequest::AskPlayer(const std::string& question) {
    return AfxMessageBox(question, MB_OKCANCEL) == IDOK;
}

bool CResultsRequest::Send(const CArboDoc& doc, const std::string& address,
                           const Confirm& confirm) {
    if (address.empty()) return false;
    CJudgeReport::SResults results = CJudgeReport::GetResults(doc);
    std::string question =
        FormatText("Your score will be placed on MERCAVO home page under player name \"%s\".",
                   results.name.c_str());
    if (!confirm(question)) return false;
    return CDesktop::OpenPage(CJudgeReport::ComposeResultsAddress(address, results));
}

}  // namespace judge
