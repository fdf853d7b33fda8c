#include "fakes/ProgramRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

CProgramRun::~CProgramRun() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool CProgramRun::Start(const std::string& path, const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& env,
                        const std::string& stderrPath) {
    m_stderrPath = stderrPath;
    // Everything the child needs is made before the fork.
    std::vector<std::string> argStrings = {path};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('='));
        if (!env.count(key)) envStrings.push_back(entry);
    }
    for (const auto& [key, value] : env) envStrings.push_back(key + "=" + value);
    std::vector<char*> envp;
    for (std::string& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);
    const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (err < 0) return false;
    m_pid = fork();
    if (m_pid == 0) {
        dup2(err, 2);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
        }
        execve(path.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(err);
    return m_pid > 0;
}

// A program that is still loading (a sanitizer build on a busy machine can
// take seconds before main) would die of the signal's default action
// instead of closing the way it is meant to: wait until it catches the
// signal, or until it ended, before sending it.
void CProgramRun::Signal(int signal) {
    constexpr int kStartTimeMs = 30000;
    for (int waited = 0; m_pid > 0 && !Reap() && !Catches(signal) && waited < kStartTimeMs;
         waited += 20)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (m_pid > 0) kill(m_pid, signal);
}

void CProgramRun::Kill() {
    if (m_pid > 0 && !Reap()) kill(m_pid, SIGKILL);
}

bool CProgramRun::Catches(int signal) const {
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (signal - 1)) & 1u;
        }
    return false;
}

bool CProgramRun::Reap() {
    if (m_ended) return true;
    if (m_pid <= 0) return false;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) != m_pid) return false;
    m_pid = -1;
    m_ended = true;
    m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
}

bool CProgramRun::Wait(int timeoutMs, int* exitCode) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!Reap()) {
        if (m_pid <= 0 || std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    *exitCode = m_exitCode;
    return true;
}

bool CProgramRun::WaitForLog(const std::string& text, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (Log().find(text) != std::string::npos) return true;
        if (Reap() || std::chrono::steady_clock::now() >= end) {
            return Log().find(text) != std::string::npos;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string CProgramRun::Log() const {
    std::ifstream in(m_stderrPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
