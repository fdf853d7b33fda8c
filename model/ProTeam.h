#pragma once
// One professional sports team of a league: its name, its lasting quality
// and this season's results, its owner and its home field on the map.

#include <string>
#include <string_view>

class CArchive;
class CEnterprise;

// The map a team is loaded with: its home field must lie inside it.
struct CHomeFieldBounds {
    int areaCount = 0;
    int gridWidth = 0;
    int gridHeight = 0;
};

class CProTeam {
public:
    CProTeam() = default;

    void CopyFrom(const CProTeam& other) { *this = other; }

    // The stored form; loading checks every value and feeds the data
    // checksum.
    void Serialize(CArchive& ar, const CHomeFieldBounds& bounds);

    // The team's network text.
    std::string GetText() const;
    void AppendText(std::string& record) const { record += GetText(); }
    // Reads the fields of GetText from the start of text; consumed is the
    // number of characters read. Returns false, leaving the team unchanged,
    // when the text is short or a field is out of range.
    bool ReadText(std::string_view text, int& consumed, const CHomeFieldBounds& bounds);
    // The characters of a team text besides its name.
    static constexpr int kTextFieldLength = 83;

    std::string GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    int IsForSale() const { return m_forSale; }
    void SetForSale(int flag) { m_forSale = flag ? 1 : 0; }

    int GetWinPower() const { return m_winPower; }
    void SetWinPower(int value);
    int GetStrength() const { return m_strength; }
    // -1 draws the season's strength from the winning power.
    void SetStrength(int value);
    int GetPopularity() const { return m_popularity; }
    void SetPopularity(int value);
    int GetValue() const { return m_winPower * 20 + m_popularity * 7; }

    // The owning company's index, -1 for none.
    int GetOwnerIndex() const { return m_owner; }
    void SetOwner(int company) { m_owner = company; }
    // The owning company through the document's company lookup; null for
    // none and for an index the document does not know.
    CEnterprise* GetOwner() const;

    int GetHomeArea() const { return m_homeArea; }
    int GetHomeX() const { return m_homeX; }
    int GetHomeY() const { return m_homeY; }
    void SetHomeField(int area, int x, int y);

    int GetWins() const { return m_wins; }
    int GetLosses() const { return m_losses; }
    int GetDraws() const { return m_draws; }
    int GetPoints() const { return m_points; }
    int GetRank() const { return m_rank; }
    void SetRank(int rank) { m_rank = rank; }
    // wins / (wins + losses); draws do not count.
    double GetWinRate() const;

    void AddWin(int points);
    void AddLoss() { ++m_losses; }
    void AddDraw(int points);
    // A new season: results cleared, strength drawn anew.
    void ResetSeason();

    int GetAttendance() const { return m_attendance; }
    int GetSales() const { return m_sales; }
    int GetExpenses() const { return m_expenses; }
    // A new year starts the three season figures again.
    void ClearSeasonFigures() { m_attendance = m_sales = m_expenses = 0; }
    // A month in season adds to the season's attendance, sales and
    // expenses (each held to the int range).
    void AddSeasonFigures(int attendance, int sales, int expenses);

    bool operator==(const CProTeam&) const = default;

private:
    void Store(CArchive& ar) const;
    void Load(CArchive& ar, const CHomeFieldBounds& bounds);

    int m_forSale = 0;
    std::string m_name;
    int m_winPower = 5;
    int m_strength = 5;
    int m_popularity = 5;
    int m_owner = -1;
    int m_wins = 0;
    int m_losses = 0;
    int m_draws = 0;
    int m_points = 0;
    int m_rank = 0;
    int m_homeArea = -1;
    int m_homeX = -1;
    int m_homeY = -1;
    int m_attendance = 0;
    int m_sales = 0;
    int m_expenses = 0;
};
