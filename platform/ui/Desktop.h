#pragma once
// What the program asks of the desktop: a page in the browser, and another
// program started on its own. Neither waits, neither goes through a shell;
// a failure is reported by the result only (the callers ignore it when the
// desktop has no browser).

#include <functional>
#include <string>
#include <vector>

class CDesktop {
public:
    // A web address (http:, https:) or a local file (a path, made into a
    // file: address) in the desktop's browser, through xdg-open.
    static bool OpenPage(const std::string& urlOrPath);
    // Starts the program at an absolute path with the arguments (each one
    // passed as it is), in `workDir` when given, detached from us.
    static bool StartProgram(const std::string& absolutePath, const std::vector<std::string>& args,
                             const std::string& workDir = "");

    // Tests replace the launching: the hook gets the program and the
    // arguments and answers for the launch. nullptr puts launching back.
    using LaunchHook =
        std::function<bool(const std::string& program, const std::vector<std::string>& args,
                           const std::string& workDir)>;
    static void SetLaunchHook(LaunchHook hook);
};
