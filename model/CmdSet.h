#pragma once
// One order of one company as it travels in a network game: the order type,
// the month it was given and four lists of arguments (persons, parameters,
// map cells, other values) whose meaning the order type fixes. The issuing
// machine builds one and hands it to the network layer; a receiving machine
// rebuilds it from the text and applies the order from the lists. Outside
// network play orders are applied directly and none is built.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/CellPoint.h"

class CArchive;

class CCmdSet {
public:
    // A list's count travels as three digits.
    static constexpr int kMaxListSize = 999;

    CCmdSet() = default;

    // Sets the order type and the month index; -1 stands for the document's
    // current month.
    void Init(int orderType, int monthIndex);

    // Each appends to its list and returns the new entry's index.
    int AddKind(int kind);
    int AddParam(int param);
    int AddPoint(const CCellPoint& point);
    int AddValue(int value);

    // Entry i of a list; an index outside the list throws std::out_of_range.
    int GetKind(int i) const { return m_kinds.at(static_cast<size_t>(i)); }
    int GetParam(int i) const { return m_params.at(static_cast<size_t>(i)); }
    int GetValue(int i) const { return m_values.at(static_cast<size_t>(i)); }
    // Copies entry i into point and returns it.
    CCellPoint& GetPoint(CCellPoint& point, int i) const;

    int GetOrderType() const { return m_orderType; }
    int GetMonthIndex() const { return m_monthIndex; }
    int GetKindCount() const { return static_cast<int>(m_kinds.size()); }
    int GetParamCount() const { return static_cast<int>(m_params.size()); }
    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    int GetValueCount() const { return static_cast<int>(m_values.size()); }

    bool operator==(const CCmdSet&) const = default;

    // A saved game never holds orders, only their effects: storing writes
    // nothing and loading reads nothing.
    void Serialize(CArchive& ar);

    // The order's network text, which follows the record header (and, from
    // the host, the company number): "%04d%04d" order type and month index,
    // then each list as a "%03d" count and its entries: kinds and params
    // "%04d", points "%04d%04d", values "%011d". Values hold prices, amounts,
    // budgets and salaries, which outgrow four digits, so their field takes
    // any 32-bit value; both ends of a connection are this program. The other
    // fields must fit their width (-999..9999, counts 0..999) and the whole
    // text must fit in room characters: otherwise nothing is appended and the
    // result is false, for a field that spilled over would shift every later
    // one and the peer would apply a different order.
    bool AppendText(std::string& out, size_t room) const;
    // Reads the same form from the start of text, replacing this record, and
    // returns the number of characters used. A text that ends early or
    // carries a negative count throws eMERCAVO_ERROR_CONTENTS and leaves the
    // record as it was. The order type is not checked here: the dispatcher
    // ignores types it does not know.
    size_t ReadText(std::string_view text);

private:
    int m_orderType = 0;
    int m_monthIndex = 0;
    std::vector<int> m_kinds;
    std::vector<int> m_params;
    std::vector<CCellPoint> m_points;
    std::vector<int> m_values;
};
