#pragma once
// Which structure types the construction command offers a company in the
// area the map shows, and which of them it can build now. An area the
// company has entered (level 3, or a director at work there) takes every
// building but the offices; any other area only the company's next office:
// the head office while it has no area, else a branch office. A two-part
// type comes only with its partner of the same size right after it. An
// entry can be built when its price is within the company's funds and its
// staff within the employees free for work: the same readings as the
// construction order's.

class CDlgInputStructure;
class CEnterprise;
class CMapDoc;

class CConstructionChoice {
public:
    // The level from which a company has entered an area.
    static constexpr int kEnteredLevel = 3;

    // Adds the offered types to the dialog in table order, with the
    // company's funds and free employees.
    static void Fill(CDlgInputStructure& dialog, const CMapDoc& map, const CEnterprise& company,
                     int area);
};
