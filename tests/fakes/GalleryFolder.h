#pragma once
// The "gallery" folder beside the running test program, where the gallery
// tests leave their PNG files for a reviewer.

#include <filesystem>

inline std::filesystem::path GalleryFolder() {
    std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "gallery";
    std::filesystem::create_directories(folder);
    return folder;
}
