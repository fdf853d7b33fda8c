#pragma once
// The network information file "M_NINFO.DAT" that the game leaves in the
// program folder for the judgment program after a network game: exactly 512
// bytes, the server address and this participant's password, each behind
// its length in 3 digits, then a zero byte and zeros to the end.

#include <string>
#include <vector>

struct SNetworkInfo {
    std::string serverAddress;
    std::string password;
};

class CNetworkInfoFile {
public:
    static constexpr const char* kFileName = "M_NINFO.DAT";
    static constexpr int kFileSize = 512;
    static constexpr const char* kReadFailedText = "Failed to read network data file. (M_NINFO.DAT)";

    enum class EResult { Ok, Missing, Bad };

    // The 512 bytes; false when the texts leave no room for their zero byte.
    static bool Compose(const SNetworkInfo& info, std::vector<char>& bytes);
    // Reads the fields of the first 512 bytes. Bad when fewer arrived, when
    // a length is not three digits, or when the texts and their lengths run
    // past byte 510 (the zero byte must follow within the file).
    static EResult Parse(const std::vector<char>& bytes, SNetworkInfo& info);

    static bool Write(const std::string& path, const SNetworkInfo& info);
    // Missing when the file cannot be opened; info is set only on Ok.
    static EResult Read(const std::string& path, SNetworkInfo& info);
};
