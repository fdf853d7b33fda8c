#pragma once
// One piece of advice that a company's adviser gives: its kind and the
// fields the kind's sentence names (an area, a cell, a company, a person, a
// structure, a league and team, a size of change). The advice generator
// fills the company's list; the advice display reads it. What each field
// means depends on the kind; the record only holds, copies and stores them.

#include "model/CellPoint.h"

class CArchive;

class CAdvicePacket {
public:
    // Kinds 0..19; -1 is a record that was never filled.
    static constexpr int kNoKind = -1;
    static constexpr int kLastKind = 19;
    // The stored form: seven ints and the flag as one byte.
    static constexpr int kStoredSize = 7 * 4 + 1;

    CAdvicePacket() = default;

    int GetKind() const { return m_kind; }
    int GetValue() const { return m_value; }
    CCellPoint GetPoint() const { return m_point; }
    int GetParam1() const { return m_param1; }
    int GetParam2() const { return m_param2; }
    int GetParam3() const { return m_param3; }
    // Set when the adviser is sure enough to name the specifics: the display
    // then uses the kind's specific sentence instead of its vague one.
    int GetDetailed() const { return m_detailed; }

    void SetKind(int kind) { m_kind = kind; }
    void SetValue(int value) { m_value = value; }
    void SetPoint(int x, int y) { m_point = CCellPoint(x, y); }
    void SetParam1(int value) { m_param1 = value; }
    void SetParam2(int value) { m_param2 = value; }
    void SetParam3(int value) { m_param3 = value; }
    void SetDetailed(int detailed) { m_detailed = detailed ? 1 : 0; }

    bool operator==(const CAdvicePacket&) const = default;

    // Kind, value, point x and y, the three parameters, then the flag as one
    // byte. Loading refuses (eMERCAVO_ERROR_CONTENTS) a kind outside
    // -1..19. The other fields are indexes whose tables the record does not
    // know: whoever uses them as indexes checks them first.
    void Serialize(CArchive& ar);

private:
    int m_kind = kNoKind;
    int m_value = -1;
    CCellPoint m_point{-1, -1};
    int m_param1 = -1;
    int m_param2 = -1;
    int m_param3 = 0;
    int m_detailed = 0;
};
