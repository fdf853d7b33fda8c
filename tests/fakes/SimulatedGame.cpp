#include "fakes/SimulatedGame.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The kept game's name: a hash of what makes the game what it is.
std::string KeptName(const fs::path& simulate, const std::string& arguments) {
    std::error_code error;
    const auto size = fs::file_size(simulate, error);
    const auto time = fs::last_write_time(simulate, error).time_since_epoch().count();
    const size_t key =
        std::hash<std::string>{}(arguments + "|" + std::to_string(size) + "|" + std::to_string(time));
    return "simulated-" + std::to_string(key) + ".mqd";
}

}  // namespace

bool CopySimulatedGame(const std::string& bin, const std::string& arguments,
                       const std::string& target) {
    const fs::path folder = fs::path(bin);
    const fs::path simulate = folder / "simulate";
    const fs::path kept = folder / "simulated-games" / KeptName(simulate, arguments);
    std::error_code error;
    fs::create_directories(kept.parent_path(), error);
    // One test plays a game while the others that want it wait for it.
    const int lock = open((kept.string() + ".lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
    if (lock >= 0) flock(lock, LOCK_EX);
    if (!fs::exists(kept)) {
        // Played in a folder of its own, then moved in place in one step, so
        // that tests running at the same time never read half a file.
        const fs::path work = folder / "simulated-games" / ("play-" + std::to_string(getpid()));
        fs::create_directories(work, error);
        const std::string command =
            "MERCAVO_HOME='" + work.string() + "' '" + simulate.string() + "' --map '" +
            (folder / "ORIGINAL.MQM").string() + "' --persons '" + (folder / "ORIGINAL.MQP").string() +
            "' " + arguments + " --save '" + (work / "game.mqd").string() + "' >/dev/null 2>&1";
        const bool played = std::system(command.c_str()) == 0;
        if (played) fs::rename(work / "game.mqd", kept, error);
        fs::remove_all(work, error);
        if (!played || error) {
            if (lock >= 0) close(lock);
            return false;
        }
    }
    if (lock >= 0) close(lock);
    fs::copy_file(kept, target, fs::copy_options::overwrite_existing, error);
    return !error;
}
