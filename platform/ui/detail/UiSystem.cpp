#include "platform/ui/detail/UiSystem.h"

#include <QApplication>
#include <cstdlib>

#include "platform/ui/detail/InputRouter.h"
#include "platform/ui/detail/QtWindowSystem.h"

namespace {

// A program that links the window layer draws text and shapes and reaches
// the clipboard through Qt from the start, before its first window; the
// headless programs never link this and have no window system.
[[maybe_unused]] const bool g_windowSystemRegistered =
    (IWindowSystem::Register(&CQtWindowSystem::Instance()), true);

}  // namespace

void CUiSystem::Ensure() {
    if (QCoreApplication::instance()) return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!platform || !*platform) && (!x11 || !*x11) && (!wayland || !*wayland)) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // The application object lives for the whole run; Qt keeps pointers to
    // argc and argv, so they must outlive it too.
    static int argc = 1;
    static char name[] = "mercavo";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    (void)app;
    CInputRouter::Install();
}
