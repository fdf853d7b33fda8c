#include "platform/core/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string& Overridden() {
    static std::string folder;
    return folder;
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string ExecutableFolder() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return WithSlash(std::filesystem::current_path(error).string());
    return WithSlash(exe.parent_path().string());
}

}  // namespace

std::string CProgramFolder::Get() {
    if (!Overridden().empty()) return Overridden();
    if (const char* home = std::getenv("MERCAVO_HOME"); home && *home) return WithSlash(home);
    static const std::string folder = ExecutableFolder();
    return folder;
}

std::string CProgramFolder::File(const std::string& name) {
    return Get() + name;
}

void CProgramFolder::Override(const std::string& folder) {
    Overridden() = folder.empty() ? std::string() : WithSlash(folder);
}
