#include <cstdint>

#include "model/AreaRating.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

int CMapDoc::GetGovernorStrength(int area) const {
    if (area < 0 || area >= GetAreaCount() || !Services::HasDoc()) return 0;
    ICompanyService& companies = Services::Companies();
    int64_t strength = 0;
    if (const CPersonData* governor = companies.GetGovernor(GetArea(area).GetGovernor()))
        strength = int64_t{governor->GetVoteWeight()} * 100;
    for (int c = 0; c < companies.GetCompanyCount(); ++c)
        if (const CEnterprise* company = companies.GetCompany(c))
            strength += DampAreaRating(company->GetAreaRating(3, area));
    return ClampToInt(strength);
}
