#include "model/CmdSet.h"

#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

// Field widths of the network text.
constexpr int kShortWidth = 4;
constexpr int kCountWidth = 3;
constexpr int kValueWidth = 11;

bool FitsCount(size_t count) {
    return count <= static_cast<size_t>(CCmdSet::kMaxListSize);
}

bool AllFitShort(const std::vector<int>& list) {
    for (int value : list)
        if (!FitsFixedInt(value, kShortWidth)) return false;
    return true;
}

// Reads a list count and checks that the text still holds that many
// entries of entryWidth before anything is allocated for them.
size_t ReadCount(std::string_view text, int& pos, int entryWidth) {
    int count = ParseFixedInt(text, pos, kCountWidth);
    if (count < 0 || static_cast<size_t>(pos) > text.size()) throw eMERCAVO_ERROR_CONTENTS;
    if (static_cast<size_t>(count) * entryWidth > text.size() - static_cast<size_t>(pos))
        throw eMERCAVO_ERROR_CONTENTS;
    return static_cast<size_t>(count);
}

std::vector<int> ReadList(std::string_view text, int& pos, int width) {
    std::vector<int> list(ReadCount(text, pos, width));
    for (int& value : list) value = ParseFixedInt(text, pos, width);
    return list;
}

void AppendList(std::string& out, const std::vector<int>& list, const char* format) {
    out += FormatText("%03d", static_cast<int>(list.size()));
    for (int value : list) out += FormatText(format, value);
}

}  // namespace

void CCmdSet::Init(int orderType, int monthIndex) {
    m_orderType = orderType;
    m_monthIndex = monthIndex == -1 ? Services::Game().GetCurrentMonthIndex() : monthIndex;
}

int CCmdSet::AddKind(int kind) {
    m_kinds.push_back(kind);
    return GetKindCount() - 1;
}

int CCmdSet::AddParam(int param) {
    m_params.push_back(param);
    return GetParamCount() - 1;
}

int CCmdSet::AddPoint(const CCellPoint& point) {
    m_points.push_back(point);
    return GetPointCount() - 1;
}

int CCmdSet::AddValue(int value) {
    m_values.push_back(value);
    return GetValueCount() - 1;
}

CCellPoint& CCmdSet::GetPoint(CCellPoint& point, int i) const {
    point = m_points.at(static_cast<size_t>(i));
    return point;
}

void CCmdSet::Serialize(CArchive&) {}

bool CCmdSet::AppendText(std::string& out, size_t room) const {
    if (!FitsFixedInt(m_orderType, kShortWidth) || !FitsFixedInt(m_monthIndex, kShortWidth))
        return false;
    if (!FitsCount(m_kinds.size()) || !FitsCount(m_params.size()) || !FitsCount(m_points.size()) ||
        !FitsCount(m_values.size()))
        return false;
    if (!AllFitShort(m_kinds) || !AllFitShort(m_params)) return false;
    for (const CCellPoint& point : m_points)
        if (!FitsFixedInt(point.x, kShortWidth) || !FitsFixedInt(point.y, kShortWidth))
            return false;

    std::string text = FormatText("%04d%04d", m_orderType, m_monthIndex);
    AppendList(text, m_kinds, "%04d");
    AppendList(text, m_params, "%04d");
    text += FormatText("%03d", GetPointCount());
    for (const CCellPoint& point : m_points) text += FormatText("%04d%04d", point.x, point.y);
    AppendList(text, m_values, "%011d");
    if (text.size() > room) return false;
    out += text;
    return true;
}

size_t CCmdSet::ReadText(std::string_view text) {
    int pos = 0;
    CCmdSet order;
    order.m_orderType = ParseFixedInt(text, pos, kShortWidth);
    order.m_monthIndex = ParseFixedInt(text, pos, kShortWidth);
    order.m_kinds = ReadList(text, pos, kShortWidth);
    order.m_params = ReadList(text, pos, kShortWidth);
    order.m_points.resize(ReadCount(text, pos, 2 * kShortWidth));
    for (CCellPoint& point : order.m_points) {
        point.x = ParseFixedInt(text, pos, kShortWidth);
        point.y = ParseFixedInt(text, pos, kShortWidth);
    }
    order.m_values = ReadList(text, pos, kValueWidth);
    *this = std::move(order);
    return static_cast<size_t>(pos);
}
