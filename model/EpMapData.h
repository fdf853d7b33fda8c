#pragma once
// A company's figures for one map area. The company keeps one per area plus
// one more in front for its totals: in that first element the level field
// holds the home area + 1 and the grade the average of the area grades, and
// the effects, investments, ratings and month figures are not kept.

#include <array>
#include <cstddef>

class CArchive;

class CEpMapData {
public:
    static constexpr int kEffectCount = 6;
    // Investment kinds: city project, disaster prevention, expo promotion,
    // donation to the governor.
    static constexpr int kInvestmentKinds = 4;
    static constexpr int kMinGrade = 100;
    static constexpr int kMaxGrade = 500;
    // 100 raised to 5/3: the readers that sum ratings raise each to the power
    // 0.6, which maps this back to 100.
    static constexpr int kMaxRating = 2154;
    static constexpr int kEffectLimit = 9999;
    // The stored form: 24 ints.
    static constexpr int kStoredSize = 24 * 4;

    CEpMapData() = default;

    int GetGrade() const { return m_grade; }
    void SetGrade(int grade) { m_grade = grade; }
    int GetLevel() const { return m_level; }
    void SetLevel(int level) { m_level = level; }
    int GetLand() const { return m_land; }
    void SetLand(int land) { m_land = land; }
    int GetBuildings() const { return m_buildings; }
    void SetBuildings(int buildings) { m_buildings = buildings; }
    int GetContracts() const { return m_contracts; }
    void SetContracts(int contracts) { m_contracts = contracts; }
    int GetContribution() const { return m_contribution; }
    void SetContribution(int contribution) { m_contribution = contribution; }

    // Effects 1..6; investment kinds 0..3. An index outside throws
    // std::out_of_range.
    int GetEffect(int which) const { return m_effects.at(EffectIndex(which)); }
    void SetEffect(int which, int value) { m_effects.at(EffectIndex(which)) = value; }
    int GetInvestment(int kind) const { return m_investments.at(KindIndex(kind)); }
    void SetInvestment(int kind, int value) { m_investments.at(KindIndex(kind)) = value; }
    int GetRating(int kind) const { return m_ratings.at(KindIndex(kind)); }
    void SetRating(int kind, int value) { m_ratings.at(KindIndex(kind)) = value; }
    // The current month's value of the company's investment series of kind.
    int GetMonthFigure(int kind) const { return m_monthFigures.at(KindIndex(kind)); }
    void SetMonthFigure(int kind, int value) { m_monthFigures.at(KindIndex(kind)) = value; }

    bool operator==(const CEpMapData&) const = default;

    // Grade, level, land, buildings, contracts, contribution, effects 1..6,
    // then per investment kind: investment, rating, month figure. Loading
    // refuses (eMERCAVO_ERROR_CONTENTS) a negative value, and an effect
    // outside -9999..9999.
    void Serialize(CArchive& ar);

private:
    static size_t EffectIndex(int which) { return static_cast<size_t>(which - 1); }
    static size_t KindIndex(int kind) { return static_cast<size_t>(kind); }

    int m_grade = kMinGrade;
    int m_level = 0;
    int m_land = 0;
    int m_buildings = 0;
    int m_contracts = 0;
    int m_contribution = 0;
    std::array<int, kEffectCount> m_effects{};
    std::array<int, kInvestmentKinds> m_investments{};
    std::array<int, kInvestmentKinds> m_ratings{};
    std::array<int, kInvestmentKinds> m_monthFigures{};
};
