#include "model/History.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <new>

#include "model/FixedField.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/TextFormat.h"

namespace {

// Widths of the network text: month index, kind and count, then 4 bytes a
// parameter; a record payload starts with two 6-digit entry indexes.
constexpr size_t kHeadLength = 5 + 3 + 4;
constexpr size_t kIndexesLength = 6 + 6;
constexpr int kMaxMonthText = 99999;
constexpr size_t kMaxIndexText = 999999;

void AppendRawInt(std::string& out, int value) {
    uint32_t raw = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((raw >> (8 * i)) & 0xFF));
}

int ReadRawInt(std::string_view text, size_t pos) {
    uint32_t raw = 0;
    for (int i = 0; i < 4; ++i)
        raw |= static_cast<uint32_t>(static_cast<uint8_t>(text[pos + i])) << (8 * i);
    return static_cast<int32_t>(raw);
}

}  // namespace

void CHistory::StampMonth(Kind kind) {
    m_monthIndex = Services::Game().GetCurrentMonthIndex();
    m_kind = kind;
    m_params.clear();
}

int CHistory::Stamp(Kind kind, std::initializer_list<int> params) {
    StampMonth(kind);
    try {
        m_params.assign(params);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int CHistory::StampNames(Kind kind, std::initializer_list<std::string_view> names,
                         bool withLengths) {
    StampMonth(kind);
    try {
        if (withLengths)
            for (std::string_view name : names) m_params.push_back(static_cast<int>(name.size()));
        // The export turns these back into text, so each character is kept
        // as the signed byte value it has in the name.
        for (std::string_view name : names)
            for (char c : name) m_params.push_back(static_cast<signed char>(c));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int CHistory::SetEnteredMarket(int area) {
    return Stamp(kindEnteredMarket, {area});
}
int CHistory::SetLandPurchased(int area) {
    return Stamp(kindLandPurchased, {area});
}
int CHistory::SetSalesTarget(int step) {
    return Stamp(kindSalesTarget, {step});
}
int CHistory::SetEmployeesPassed(int step) {
    return Stamp(kindEmployeesPassed, {step});
}

int CHistory::SetDirectorChange(int person, bool recruited) {
    return Stamp(kindDirectorChange, {person, recruited ? 0 : 1});
}

int CHistory::SetStrike(int earlierStrikes) {
    return Stamp(kindStrike, {earlierStrikes});
}

int CHistory::SetConstructionOutsourced(int area, int structure) {
    return Stamp(kindConstructionOutsourced, {area, structure});
}

int CHistory::SetDisaster(int area, int structure, int cause) {
    return Stamp(kindDisaster, {area, structure, cause});
}

int CHistory::SetExhibition(int area, bool held) {
    return Stamp(kindExhibition, {area, held ? 0 : 1});
}

int CHistory::SetDonationScandal(int area, int governor) {
    return Stamp(kindDonationScandal, {area, governor});
}

int CHistory::SetTeamTrade(int league, int team, bool purchased) {
    return Stamp(kindTeamTrade, {league, team, purchased ? 0 : 1});
}

int CHistory::SetChampions(int league, int team, int earlierTitles) {
    return Stamp(kindChampions, {league, team, earlierTitles});
}

int CHistory::SetCompanyName(const std::string& name, int flag) {
    return StampNames(flag ? kindCompanyAdded : kindCompanyRemoved, {name}, false);
}

int CHistory::SetMerger(const std::string& name1, const std::string& name2) {
    return StampNames(kindMerger, {name1, name2}, true);
}

void CHistory::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt(m_monthIndex);
        ar.WriteInt(m_kind);
        ar.WriteInt(GetParamCount());
        for (int value : m_params) ar.WriteInt(value);
        return;
    }
    m_monthIndex = CheckRange(ar.ReadInt(), 0, INT_MAX);
    m_kind = CheckRange(ar.ReadInt(), static_cast<int>(kindNone), static_cast<int>(kindLast));
    int count = CheckRange(ar.ReadInt(), 0, kMaxParamCount);
    m_params.assign(static_cast<size_t>(count), 0);
    for (int& value : m_params) value = ar.ReadInt();
}

void CHistory::AppendText(std::string& out, size_t maxParams) const {
    size_t count = std::min({m_params.size(), maxParams, static_cast<size_t>(kMaxParamCount)});
    // Loaded and game-made entries never reach six digits of months; the
    // clamp only keeps a field from spilling into the next.
    int month = std::clamp(m_monthIndex, 0, kMaxMonthText);
    out += FormatText("%05d%03d%04d", month, m_kind, static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) AppendRawInt(out, m_params[i]);
}

size_t CHistory::ReadText(std::string_view text) {
    if (text.size() < kHeadLength) throw eMERCAVO_ERROR_CONTENTS;
    int pos = 0;
    int month = ParseFixedInt(text, pos, 5);
    int kind = ParseFixedInt(text, pos, 3);
    int count = ParseFixedInt(text, pos, 4);
    CheckRange(month, 0, kMaxMonthText);
    CheckRange(kind, static_cast<int>(kindNone), static_cast<int>(kindLast));
    CheckRange(count, 0, kMaxParamCount);
    // The parameters are raw bytes counted by the entry, not by a
    // terminator: the received length is what bounds them.
    size_t used = kHeadLength + 4 * static_cast<size_t>(count);
    if (used > text.size()) throw eMERCAVO_ERROR_CONTENTS;
    std::vector<int> params(static_cast<size_t>(count));
    for (size_t i = 0; i < params.size(); ++i) params[i] = ReadRawInt(text, kHeadLength + 4 * i);
    m_monthIndex = month;
    m_kind = kind;
    m_params = std::move(params);
    return used;
}

size_t CHistory::PackEntries(const std::vector<CHistory>& entries, size_t first,
                             std::string& payload) {
    size_t end = first;
    std::string texts;
    // Index fields have six digits; no company's history comes near that.
    size_t last = std::min(entries.size(), kMaxIndexText);
    while (end < last) {
        std::string text;
        entries[end].AppendText(text);
        if (kIndexesLength + texts.size() + text.size() > kMaxPayload) {
            if (end > first) break;
            // Alone and still too long: send what fits so that the peer's
            // entries stay in step and the sender moves on.
            size_t room = (kMaxPayload - kIndexesLength - kHeadLength) / 4;
            text.clear();
            entries[end].AppendText(text, room);
        }
        texts += text;
        ++end;
    }
    payload = FormatText("%06d%06d", static_cast<int>(std::min(first, kMaxIndexText)),
                         static_cast<int>(end));
    payload += texts;
    return end > first ? end : entries.size();
}

void CHistory::ReadEntries(std::string_view payload, std::vector<CHistory>& entries) {
    if (payload.size() < kIndexesLength) throw eMERCAVO_ERROR_CONTENTS;
    int pos = 0;
    int first = ParseFixedInt(payload, pos, 6);
    int end = ParseFixedInt(payload, pos, 6);
    if (first < 0 || first > end || static_cast<size_t>(end) > entries.size())
        throw eMERCAVO_ERROR_CONTENTS;
    size_t at = kIndexesLength;
    for (int i = first; i < end; ++i)
        at += entries[static_cast<size_t>(i)].ReadText(payload.substr(at));
}
