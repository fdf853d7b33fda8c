#include "model/ProTeam.h"

#include <algorithm>

#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/MercavoError.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"

namespace {
constexpr int kPowerMin = 5;
constexpr int kPowerMax = 30;

int HeldPower(int value) {
    return std::clamp(value, kPowerMin, kPowerMax);
}

constexpr int kNoLimit = 0x7FFFFFFF;
}  // namespace

void CProTeam::SetWinPower(int value) {
    m_winPower = HeldPower(value);
}

void CProTeam::SetPopularity(int value) {
    m_popularity = HeldPower(value);
}

void CProTeam::SetStrength(int value) {
    if (value == -1) value = m_winPower + Random(5) - 2;
    m_strength = HeldPower(value);
}

void CProTeam::SetHomeField(int area, int x, int y) {
    m_homeArea = area;
    m_homeX = x;
    m_homeY = y;
}

double CProTeam::GetWinRate() const {
    if (m_wins + m_losses == 0) return 0.0;
    return static_cast<double>(m_wins) / (m_wins + m_losses);
}

void CProTeam::AddWin(int points) {
    ++m_wins;
    m_points += points;
}

void CProTeam::AddDraw(int points) {
    ++m_draws;
    m_points += points;
}

void CProTeam::ResetSeason() {
    m_wins = m_losses = m_draws = m_points = m_rank = 0;
    SetStrength(-1);
}

void CProTeam::AddSeasonFigures(int attendance, int sales, int expenses) {
    m_attendance = ClampToInt(int64_t{m_attendance} + attendance);
    m_sales = ClampToInt(int64_t{m_sales} + sales);
    m_expenses = ClampToInt(int64_t{m_expenses} + expenses);
}

void CProTeam::Serialize(CArchive& ar, const CHomeFieldBounds& bounds) {
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar, bounds);
}

void CProTeam::Store(CArchive& ar) const {
    ar.WriteByte(static_cast<uint8_t>(m_forSale));
    ar.WriteString(m_name);
    for (int v :
         {m_winPower, m_strength, m_popularity, m_owner, m_wins, m_losses, m_draws, m_points,
          m_rank, m_homeArea, m_homeX, m_homeY, m_attendance, m_sales, m_expenses})
        ar.WriteInt(v);
}

void CProTeam::Load(CArchive& ar, const CHomeFieldBounds& bounds) {
    CProTeam t;
    t.m_forSale = CheckFed(ar.ReadByte(), 0, 1);
    t.m_name = ar.ReadString();
    Services::App().DataChecksum().AddString(t.m_name);
    t.m_winPower = CheckFed(ar.ReadInt(), kPowerMin, kPowerMax);
    t.m_strength = CheckFed(ar.ReadInt(), kPowerMin, kPowerMax);
    t.m_popularity = CheckFed(ar.ReadInt(), kPowerMin, kPowerMax);
    t.m_owner = CheckFed(ar.ReadInt(), -1, kNoLimit);
    for (int* v : {&t.m_wins, &t.m_losses, &t.m_draws, &t.m_points, &t.m_rank})
        *v = CheckFed(ar.ReadInt(), 0, kNoLimit);
    t.m_homeArea = CheckFed(ar.ReadInt(), -1, bounds.areaCount - 1);
    t.m_homeX = CheckFed(ar.ReadInt(), -1, bounds.gridWidth - 1);
    t.m_homeY = CheckFed(ar.ReadInt(), -1, bounds.gridHeight - 1);
    for (int* v : {&t.m_attendance, &t.m_sales, &t.m_expenses})
        *v = CheckFed(ar.ReadInt(), 0, kNoLimit);
    *this = std::move(t);
}

std::string CProTeam::GetText() const {
    std::string text = FormatFixedInt(m_forSale, 1);
    text += FormatFixedInt(static_cast<int>(m_name.size()), 3);
    text += m_name;
    const int widths[] = {3, 3, 3, 3, 5, 5, 5, 6, 4, 4, 4, 4, 10, 10, 10};
    const int values[] = {m_winPower, m_strength, m_popularity, m_owner, m_wins,
                          m_losses,   m_draws,    m_points,     m_rank,  m_homeArea,
                          m_homeX,    m_homeY,    m_attendance, m_sales, m_expenses};
    for (int i = 0; i < 15; ++i) text += FormatFixedInt(values[i], widths[i]);
    return text;
}

bool CProTeam::ReadText(std::string_view text, int& consumed, const CHomeFieldBounds& bounds) {
    int pos = 0;
    CProTeam t;
    t.m_forSale = ParseFixedInt(text, pos, 1);
    int length = ParseFixedInt(text, pos, 3);
    if (length < 0 || pos + length + kTextFieldLength - 4 > static_cast<int>(text.size()))
        return false;
    t.m_name = std::string(text.substr(static_cast<size_t>(pos), static_cast<size_t>(length)));
    pos += length;
    t.m_winPower = ParseFixedInt(text, pos, 3);
    t.m_strength = ParseFixedInt(text, pos, 3);
    t.m_popularity = ParseFixedInt(text, pos, 3);
    t.m_owner = ParseFixedInt(text, pos, 3);
    t.m_wins = ParseFixedInt(text, pos, 5);
    t.m_losses = ParseFixedInt(text, pos, 5);
    t.m_draws = ParseFixedInt(text, pos, 5);
    t.m_points = ParseFixedInt(text, pos, 6);
    t.m_rank = ParseFixedInt(text, pos, 4);
    t.m_homeArea = ParseFixedInt(text, pos, 4);
    t.m_homeX = ParseFixedInt(text, pos, 4);
    t.m_homeY = ParseFixedInt(text, pos, 4);
    t.m_attendance = ParseFixedInt(text, pos, 10);
    t.m_sales = ParseFixedInt(text, pos, 10);
    t.m_expenses = ParseFixedInt(text, pos, 10);
    bool valid = t.m_forSale >= 0 && t.m_forSale <= 1 && t.m_owner >= -1 &&
                 HeldPower(t.m_winPower) == t.m_winPower &&
                 HeldPower(t.m_strength) == t.m_strength &&
                 HeldPower(t.m_popularity) == t.m_popularity && t.m_wins >= 0 && t.m_losses >= 0 &&
                 t.m_draws >= 0 && t.m_points >= 0 && t.m_rank >= 0 && t.m_homeArea >= -1 &&
                 t.m_homeArea < bounds.areaCount && t.m_homeX >= -1 &&
                 t.m_homeX < bounds.gridWidth && t.m_homeY >= -1 && t.m_homeY < bounds.gridHeight &&
                 t.m_attendance >= 0 && t.m_sales >= 0 && t.m_expenses >= 0;
    if (!valid) return false;
    consumed = pos;
    *this = std::move(t);
    return true;
}

CEnterprise* CProTeam::GetOwner() const {
    return m_owner < 0 ? nullptr : Services::Companies().GetCompany(m_owner);
}
