#pragma once
// The desktop's clipboard: text, and pictures as packed device-independent
// bitmaps (the header, its colour table and the pixel rows in one block, as
// a .BMP file holds them after its file header).

#include <cstdint>
#include <string>
#include <vector>

class CClipboard {
public:
    // Replaces whatever the clipboard held.
    static bool SetText(const std::string& text);
    static std::string GetText();
    static bool HasText();

    // Refuses a block whose header, colour table or rows do not add up.
    // Other programs see the picture as an ordinary image.
    static bool SetDib(const std::vector<uint8_t>& packedDib);
    // Our own block as it was put there; a picture from another program
    // comes as an 8-bit block when it has at most 256 colours in a table,
    // else as a 24-bit one. Empty when the clipboard holds no picture.
    static std::vector<uint8_t> GetDib();
    static bool HasDib();

    static void Empty();
};

inline bool SetClipboardText(const std::string& text) {
    return CClipboard::SetText(text);
}
inline std::string GetClipboardText() {
    return CClipboard::GetText();
}
inline bool SetClipboardDib(const std::vector<uint8_t>& packedDib) {
    return CClipboard::SetDib(packedDib);
}
inline std::vector<uint8_t> GetClipboardDib() {
    return CClipboard::GetDib();
}
