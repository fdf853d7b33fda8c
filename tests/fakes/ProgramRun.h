#pragma once
// Runs a program of the build as a child process with an environment of its
// own, its standard error kept in a file, so that a test can signal it,
// wait for its end and read what it logged.

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

class CProgramRun {
public:
    ~CProgramRun();

    // Starts path with args; env entries are set (or replaced) in the
    // child's environment. False when the program could not be started.
    bool Start(const std::string& path, const std::vector<std::string>& args,
               const std::map<std::string, std::string>& env, const std::string& stderrPath);
    // Sends the signal once the program catches it (or after a while).
    void Signal(int signal);
    // Kills the program at once, wherever it is.
    void Kill();
    // Waits up to timeoutMs for the end: true with the exit code (128 + the
    // signal for a killed program); false when it still runs.
    bool Wait(int timeoutMs, int* exitCode);
    // Waits until the logged text holds `text` or the program ended.
    bool WaitForLog(const std::string& text, int timeoutMs);
    std::string Log() const;

private:
    // Collects the end without waiting; true once the program has ended.
    bool Reap();
    // Whether the running program has a handler for the signal.
    bool Catches(int signal) const;

    pid_t m_pid = -1;
    bool m_ended = false;
    int m_exitCode = -1;
    std::string m_stderrPath;
};
