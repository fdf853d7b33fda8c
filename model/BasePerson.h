#pragma once
// The person record of the character data file, read only to be turned into
// a person (CPersonData::TakeBaseRecord). Serialize stores nothing; the data
// tool fills a record with the setters and writes the file's form with
// StoreRaw.

#include <array>
#include <string>
#include <utility>

#include "model/BM.h"

class CArchive;

class CBasePerson {
public:
    static constexpr int kAbilityCount = 5;
    static constexpr int kMaxSociability = 6;
    static constexpr int kMaxFigure = 0xFFFF;

    // Loading reads one record and feeds every value to the data checksum;
    // storing writes nothing.
    void Serialize(CArchive& ar);

    // Throws eMERCAVO_ERROR_CONTENTS unless the record makes a sound person:
    // kind 0..2, table flag 0 or 1, sociability 0..6, abilities, growth,
    // grade and age 0..kMaxFigure. The file itself checks nothing else; the
    // formulas divide by what these become, and the saved game keeps them in
    // 16 bits.
    void CheckConvertible() const;

    // Writes the record in the form that Serialize reads.
    void StoreRaw(CArchive& ar) const;

    int GetKind() const { return m_kind; }
    int GetBaseAge() const { return m_baseAge; }
    int GetGrade() const { return m_grade; }
    int GetSociability() const { return m_sociability; }
    int GetBaseAbility(int i) const { return m_baseAbility.at(static_cast<size_t>(i)); }
    int GetGrowth(int i) const { return m_growth.at(static_cast<size_t>(i)); }
    int GetTableFlag() const { return m_tableFlag; }
    int GetFigure1() const { return m_figure1; }
    int GetFigure2() const { return m_figure2; }
    int GetFigure3() const { return m_figure3; }
    const std::string& GetName() const { return m_name; }
    const std::string& GetSecondText() const { return m_secondText; }
    // Faces: young, middle-aged, old.
    const CBM& GetFace(int face) const { return m_faces.at(static_cast<size_t>(face)); }

    void SetKind(int kind) { m_kind = kind; }
    void SetBaseAge(int age) { m_baseAge = age; }
    void SetGrade(int grade) { m_grade = grade; }
    void SetSociability(int sociability) { m_sociability = sociability; }
    void SetBaseAbility(int i, int value) { m_baseAbility.at(static_cast<size_t>(i)) = value; }
    void SetGrowth(int i, int value) { m_growth.at(static_cast<size_t>(i)) = value; }
    void SetTableFlag(int flag) { m_tableFlag = flag; }
    void SetFigure1(int value) { m_figure1 = value; }
    void SetFigure2(int value) { m_figure2 = value; }
    void SetFigure3(int value) { m_figure3 = value; }
    void SetName(std::string name) { m_name = std::move(name); }
    void SetSecondText(std::string text) { m_secondText = std::move(text); }
    void SetFace(int face, CBM picture) {
        m_faces.at(static_cast<size_t>(face)) = std::move(picture);
    }

private:
    std::array<CBM, 3> m_faces;
    int m_kind = 0;
    int m_baseAge = 30;
    int m_grade = 3;
    int m_sociability = 3;
    std::array<int, kAbilityCount> m_baseAbility{3, 3, 3, 3, 3};
    std::array<int, kAbilityCount> m_growth{2, 2, 2, 2, 2};
    int m_tableFlag = 0;
    int m_figure2 = 3;
    int m_figure3 = 3;
    int m_figure1 = 0;
    std::string m_name = "-----------";
    std::string m_secondText;
};
