#include "tools/mkdata/SoundDeviceCheck.h"

#include <cstdio>
#include <filesystem>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// The folder of the running program.
std::filesystem::path OwnFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

}  // namespace

bool CSoundDeviceCheck::Run(const std::vector<std::string>& paths, std::string& problem) {
    const std::string program = (OwnFolder() / kProgram).string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(program, error)) {
        problem = std::string(kProgram) +
                  " is missing beside mkdata: music and sounds were not opened in the "
                  "sound devices";
        return false;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& path : paths) argv.push_back(const_cast<char*>(path.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        problem = std::string(kProgram) + " cannot be started";
        return false;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        problem = std::string(kProgram) + " did not finish";
        return false;
    }
    if (WEXITSTATUS(status) != 0) {
        problem = "a music or sound file does not open in the sound devices";
        return false;
    }
    return true;
}
