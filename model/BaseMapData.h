#pragma once
// The area record of the map data file, read only to be turned into an area.
// Writing it stores nothing.

#include <array>
#include <string>
#include <vector>

class CArchive;

class CBaseMapData {
public:
    static constexpr int kGridCount = 7;
    static constexpr int kFigureCount = 6;
    // No map is wider or higher than this.
    static constexpr int kMaxSide = 9999;

    // The grid size of the map the record belongs to; a record of another
    // size is refused. Without it any size within kMaxSide is taken.
    void SetExpectedGrid(int width, int height);

    // Loading reads one record and feeds every value to the data checksum;
    // storing writes nothing. A size out of range or unlike the expected
    // grid throws eMERCAVO_ERROR_CONTENTS.
    void Serialize(CArchive& ar);

    const std::string& GetName() const { return m_name; }
    const std::string& GetExplanation() const { return m_explanation; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetCount() const { return m_count; }
    // Grid i, row by row; empty when the record has no cells.
    const std::vector<int>& GetGrid(int i) const { return m_grids.at(static_cast<size_t>(i)); }
    int GetFigure(int i) const { return m_figures.at(static_cast<size_t>(i)); }

private:
    void CheckSize() const;
    void ReadCells(CArchive& ar);

    std::string m_name;
    std::string m_explanation;
    int m_width = 0;
    int m_height = 0;
    int m_count = 0;
    std::array<std::vector<int>, kGridCount> m_grids;
    std::array<int, kFigureCount> m_figures{100, 50, 10, 10, 10, 10};
    int m_expectedWidth = -1;
    int m_expectedHeight = -1;
};
