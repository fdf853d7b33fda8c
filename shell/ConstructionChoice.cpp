#include "shell/ConstructionChoice.h"

#include "dialogs/DlgInputStructure.h"
#include "game/OrderCommands.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/StructureCodes.h"

namespace {

// A code-71 type needs its code-72 partner of the same size right after it.
bool HasPartner(const CMapDoc& map, int t) {
    const CBD* type = map.GetStructureType(t);
    const CBD* next = t + 1 < map.GetStructureTypeCount() ? map.GetStructureType(t + 1) : nullptr;
    if (!type || !next || !next->IsType72()) return false;
    int w = 0, h = 0, nw = -1, nh = -1;
    type->GetSize(w, h);
    next->GetSize(nw, nh);
    return w == nw && h == nh;
}

}  // namespace

void CConstructionChoice::Fill(CDlgInputStructure& dialog, const CMapDoc& map,
                               const CEnterprise& company, int area) {
    const bool inMap = area >= 0 && area < company.GetAreaCount();
    const bool entered = inMap && (company.GetAreaLevel(area) >= kEnteredLevel ||
                                   COrderCommands::HasDirectorWorkingIn(company, area));
    const int office =
        company.HasAnyArea() ? StructureCode::kBranchOffice : StructureCode::kHeadOffice;
    for (int t = 0; t < map.GetStructureTypeCount(); ++t) {
        const CBD* type = map.GetStructureType(t);
        // Types without the second flag are never built by a player.
        if (!type || type->GetSecondFlag() == 0) continue;
        const int code = type->GetTypeCode();
        if (entered ? StructureCode::IsOfficeCode(code) : code != office) continue;
        if (code == StructureCode::kTwoPart && !HasPartner(map, t)) continue;
        const bool buildable = type->GetBasePrice() <= company.GetFunds() &&
                               type->GetValueFigure() <= company.GetEmployeesAtWork();
        dialog.AddStructure(t, buildable ? 1 : 0);
    }
    dialog.SetFunds(company.GetFunds());
    dialog.SetEmployees(company.GetEmployeesAtWork());
}
