// qordin: judges a finished game. With --report-only (and, until the
// windows exist, without it) it writes the report and the history files
// without opening a window.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "judge/ReportOnlyRun.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: qordin [--report-only] [FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures and face strips are drawn off screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string file;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--report-only") continue;
        if (arg.rfind("--", 0) == 0 || !file.empty()) return Usage();
        file = arg;
    }
    return judge::CReportOnlyRun::Run(file, std::cerr);
}
