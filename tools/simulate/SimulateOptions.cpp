#include "SimulateOptions.h"

#include <charconv>
#include <cstring>

namespace {

bool ParseInt(const char* text, int lo, int hi, int& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

}  // namespace

const char* CSimulateOptions::Usage() {
    return "usage: simulate [--map FILE] [--persons FILE] [--companies N] [--years Y]\n"
           "                [--months M] [--seed S] [--save FILE] [--load FILE]\n"
           "                [--transcript FILE] [--check] [--keep-backups]\n"
           "       simulate --verify FILE\n"
           "Plays a game of computer companies to its end (or for M months), with\n"
           "BACKUP.MQD saved every month and QORDIN.mqd at the game end in the\n"
           "program folder.\n";
}

bool CSimulateOptions::Parse(int argc, const char* const* argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--check" || option == "--keep-backups") {
            (option == "--check" ? check : keepBackups) = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value for " + option;
            return false;
        }
        const char* value = argv[++i];
        int number = 0;
        auto intValue = [&](int lo, int hi) {
            if (ParseInt(value, lo, hi, number)) return true;
            error = "bad value for " + option + ": " + value;
            return false;
        };
        if (option == "--map") {
            mapFile = value;
        } else if (option == "--persons") {
            personFile = value;
        } else if (option == "--save") {
            saveFile = value;
        } else if (option == "--load") {
            loadFile = value;
        } else if (option == "--verify") {
            verifyFile = value;
        } else if (option == "--transcript") {
            transcriptFile = value;
        } else if (option == "--companies") {
            if (!intValue(1, 64)) return false;
            companies = number;
        } else if (option == "--years") {
            if (!intValue(1, 1000)) return false;
            years = number;
        } else if (option == "--months") {
            if (!intValue(0, 12000)) return false;
            months = number;
        } else if (option == "--seed") {
            if (!intValue(0, 0x7FFFFFFF)) return false;
            seed = number;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    return true;
}
