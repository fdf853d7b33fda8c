#pragma once
// The application's colour-mark strip: the small company marks drawn beside
// names. Cell 0 is the mask, cells 1 and 2 the month markers (colour values
// -2 and -1) and cell c + 3 the mark of company colour c. With 32 company
// colours that makes 35 cells, so one cell is the strip's width / 35 wide
// (the last colour, 31, draws cell 34).

constexpr int kCompanyColorCount = 32;
constexpr int kColorMarkCellCount = kCompanyColorCount + 3;

// The strip cell of a colour value -2..31.
constexpr int GetColorMarkCell(int colour) {
    return colour + 3;
}

// The width of one cell of a strip bitmap that is stripWidth wide.
constexpr int GetColorMarkCellWidth(int stripWidth) {
    return stripWidth / kColorMarkCellCount;
}
