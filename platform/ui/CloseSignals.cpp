#include "platform/ui/CloseSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

#include "platform/ui/MainWindow.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

int g_pipe[2] = {-1, -1};

// Only async-signal-safe calls here: one byte into the pipe.
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t n = write(g_pipe[1], &byte, 1);
}

void OnPipeReadable() {
    char bytes[64];
    while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (CWnd* main = CMainWindow::Get()) {
        CMessageLoop::Post(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        CMessageLoop::PostQuit(0);
    }
}

}  // namespace

bool CCloseSignals::Install() {
    if (g_pipe[0] >= 0) return true;
    if (pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
    // The handlers come before the window system starts, which can take a
    // while: a request that arrives meanwhile waits in the pipe until the
    // loop runs, and the main window exists by then.
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    CUiSystem::Ensure();
    auto* notifier =
        new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { OnPipeReadable(); });
    return true;
}
