#pragma once
// A review sheet: labelled groups of pictures laid out in rows on a grey
// background, saved as a PNG so that a person can look over every picture
// mkdata draws.

#include <string>
#include <vector>

#include "tools/mkdata/Canvas.h"

class CContactSheet {
public:
    explicit CContactSheet(const CGamePalette& palette, int width = 1800);

    // Starts a new row with a heading.
    void AddHeading(const std::string& text);
    // A label over pictures side by side; the group goes on the current row
    // when it fits.
    void AddGroup(const std::string& label, const std::vector<CCanvas>& pictures);

    CCanvas Render() const;
    std::vector<uint8_t> EncodePng() const;

private:
    struct SItem {
        std::string label;
        std::vector<CCanvas> pictures;
        bool heading = false;
    };
    struct SPlaced {
        const SItem* item;
        int x;
        int y;
    };

    std::vector<SPlaced> Layout(int& height) const;
    static int ItemWidth(const SItem& item);
    static int ItemHeight(const SItem& item);

    const CGamePalette& m_palette;
    int m_width;
    std::vector<SItem> m_items;
};
