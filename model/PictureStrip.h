#pragma once
// Where one group of up to 20 land or structure types keeps its pictures
// side by side: the strip's number (groups are numbered on from the land
// types into the structure types), the table and the types it covers, and
// its size in pixels. Each type of the group holds its strip number and the
// x offset of each of its pictures. The drawing layer paints the pictures
// into a bitmap of this size at those offsets.

class CPictureStrip {
public:
    CPictureStrip(int number, bool landTable, int firstType, int lastType, int width, int height)
        : m_number(number),
          m_landTable(landTable),
          m_firstType(firstType),
          m_lastType(lastType),
          m_width(width),
          m_height(height) {}
    // A drawn strip keeps its bitmap in a derived object.
    virtual ~CPictureStrip() = default;

    int GetNumber() const { return m_number; }
    bool IsLandTable() const { return m_landTable; }
    int GetFirstType() const { return m_firstType; }
    int GetLastType() const { return m_lastType; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

private:
    int m_number;
    bool m_landTable;
    int m_firstType;
    int m_lastType;
    int m_width;
    int m_height;
};
