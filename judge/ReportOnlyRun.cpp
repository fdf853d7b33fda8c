#include "judge/ReportOnlyRun.h"

#include <ostream>

#include "judge/ArboDoc.h"
#include "judge/ArboDocService.h"
#include "judge/JudgeReport.h"
#include "judge/StartupError.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"

namespace judge {

int CReportOnlyRun::Run(const std::string& file, std::ostream& errors) {
    IAppService& app = Services::App();
    const std::string folder = app.GetProgramDirectory();
    const std::string path = file.empty() ? folder + CArboDoc::kFileName : file;
    CArboDoc doc;
    int error = doc.LoadFile(path);
    if (error != -1) {
        errors << GetStartupErrorText(error, path) << "\n";
        return 1;
    }
    CArboDocService service(doc);
    auto scoped = ScopedDoc(&service);
    if (!doc.PrepareJudgment()) {
        errors << GetStartupErrorText(eMERCAVO_ERROR_MEMORY, path) << "\n";
        return 1;
    }
    while (doc.RunNextStep()) {
    }
    if (!CJudgeReport::Write(doc, folder, app.GetUtcTime())) {
        errors << "The report could not be written into " << folder << "\n";
        return 1;
    }
    return 0;
}

}  // namespace judge
