// qordin: judges a finished game. It opens the judgment window on the
// judgment data file named on the command line (or QORDIN.mqd in the
// program folder); with --report-only it writes the report and the history
// files without opening a window.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "judge/ArboApp.h"
#include "judge/ReportOnlyRun.h"
#include "platform/ui/CloseSignals.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: qordin [--report-only] [FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string file;
    bool reportOnly = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--report-only") {
            reportOnly = true;
            continue;
        }
        if (arg.rfind("--", 0) == 0 || !file.empty()) return Usage();
        file = arg;
    }
    if (reportOnly) {
        // Pictures and face strips are drawn off screen.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return judge::CReportOnlyRun::Run(file, std::cerr);
    }
    CCloseSignals::Install();
    judge::CArboApp app;
    std::vector<std::string> args;
    if (!file.empty()) args.push_back(file);
    if (!app.InitInstance(args)) return 1;
    return app.Run();
}
