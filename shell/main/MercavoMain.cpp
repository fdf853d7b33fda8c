// mercavo: the game program. Opens the main window and, when a saved game
// is named on the command line, loads it.

#include <string>
#include <vector>

#include "platform/ui/CloseSignals.h"
#include "shell/TarvoApp.h"

int main(int argc, char** argv) {
    // First of all, so that a termination request during the start closes
    // the program the normal way once its window exists.
    CCloseSignals::Install();
    std::vector<std::string> args(argv + 1, argv + argc);
    CTarvoApp app;
    if (!app.InitInstance(args)) return 1;
    return app.Run();
}
