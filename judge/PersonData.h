#pragma once
// A person as the judgment sees it: the game's person record, read with its
// stored form, with the judgment's own ability rating and face drawing.

#include "model/PersonData.h"

class CDC;

namespace judge {

class CArboDoc;
class CEnterprise;

class CPersonData {
public:
    static constexpr int kAbilities = 5;

    ::CPersonData& Record() { return m_record; }
    const ::CPersonData& Record() const { return m_record; }

    // base x 10 + trunc(experience^0.8 / 50); with the relation, scaled by
    // (trunc(relation^0.65) + 850) / 1000 toward the employer. Ability -1
    // sums the five; any other ability gives 0.
    int GetJudgeAbility(int ability, bool withRelation) const;
    // 0, 1 or 2: the face for the person's age, or the nearest present one.
    int GetJudgeFaceIndex() const;
    // The employer's company index; -1 when the employer number leads to
    // no company of the document.
    int GetEmployerIndex(const CArboDoc& doc) const;
    // Draws a face from the document's face strips: centred at its own size,
    // or stretched into the box with its proportions kept. Nothing for an
    // inverted box, a missing face or a face of no size.
    void DrawJudgeFace(CArboDoc& doc, CDC& dc, int left, int top, int right, int bottom, int face,
                       bool stretch) const;

private:
    int GetOneAbility(int ability, bool withRelation) const;

    ::CPersonData m_record;
};

}  // namespace judge
