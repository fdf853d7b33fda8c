#include "judge/PersonData.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "judge/ArboDoc.h"
#include "judge/Saturate.h"
#include "model/BM.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace judge {

int CPersonData::GetOneAbility(int ability, bool withRelation) const {
    double experience = m_record.GetExperience(ability);
    int64_t r = int64_t{m_record.GetBaseAbility(ability)} * 10 +
                static_cast<int64_t>(std::trunc(std::pow(experience, 0.8) / 50));
    int employer = m_record.GetEmployerNo();
    if (withRelation && employer != 0) {
        // A suspended employment or a company the person has no entry for
        // has no relation: it counts as 0.
        int relation = m_record.GetRelation(employer - 1);
        int64_t factor = static_cast<int64_t>(std::trunc(std::pow(std::max(relation, 0), 0.65)));
        r = (factor + 850) * r / 1000;
    }
    return Saturate(r);
}

int CPersonData::GetJudgeAbility(int ability, bool withRelation) const {
    if (ability == -1) {
        int64_t sum = 0;
        for (int i = 0; i < kAbilities; ++i) sum += GetOneAbility(i, withRelation);
        return Saturate(sum);
    }
    if (ability < 0 || ability >= kAbilities) return 0;
    return GetOneAbility(ability, withRelation);
}

int CPersonData::GetJudgeFaceIndex() const {
    return m_record.GetFaceIndexForAge();
}

int CPersonData::GetEmployerIndex(const CArboDoc& doc) const {
    int employer = m_record.GetEmployerNo();
    if (employer == 0 || employer == INT_MIN) return -1;
    int company = std::abs(employer) - 1;
    return company < doc.GetCompanyCount() ? company : -1;
}

void CPersonData::DrawJudgeFace(CArboDoc& doc, CDC& dc, int left, int top, int right, int bottom,
                                int face, bool stretch) const {
    if (stretch) {
        // The record's own drawing keeps the proportions and refuses every
        // box or face of no size.
        m_record.DrawFace(dc, left, top, right, bottom, face);
        return;
    }
    if (right < left || bottom < top || face < 0 || face >= ::CPersonData::kFaceCount) return;
    if (m_record.GetFaceStrip() < 0 || m_record.GetFaceOffset(face) < 0) return;
    CBitmap* strip = doc.GetFaceStrip(m_record.GetFaceStrip());
    const CBM& picture = m_record.GetFace(face);
    int w = picture.GetWidth(), h = picture.GetHeight();
    if (!strip || w <= 0 || h <= 0) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    CBitmap* previous = memory.SelectObject(strip);
    int x = Saturate((int64_t{left} + right - w) / 2);
    int y = Saturate((int64_t{top} + bottom - h) / 2);
    dc.BitBlt(x, y, w, h, &memory, m_record.GetFaceOffset(face), 0, SRCCOPY);
    memory.SelectObject(previous);
}

}  // namespace judge
