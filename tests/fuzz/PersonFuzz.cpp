// The saved-game person record read from arbitrary bytes: the reader throws
// its own errors and never reads or allocates wildly, and whatever it accepts
// stores back unchanged and survives every formula of a month.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

struct SServices {
    SServices() {
        doc.companies.resize(4);
        doc.companies[1].human = true;
        doc.stock = {{1000, 10, 0, 0, 0}, {0}, {5, 1, 1, 1, 1}, {100}};
        doc.currentMonthIndex = 40;
        Services::SetApp(&app);
        Services::SetDoc(&doc);
        Services::SetFrame(&frame);
    }
    CDetachedAppService app;
    CFakeDocService doc;
    CFakeFrameService frame;
};

std::vector<uint8_t> Store(CPersonData& person) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    person.Serialize(ar);
    return stream.Bytes();
}

void RunMonth(CPersonData& person) {
    int shares = 0, price = 0;
    for (int c = -1; c < 5; ++c) {
        person.GetRelationLevel(c);
        person.GetRelationMargin(c);
        person.CalcRecruitableEmployees(c);
        person.PlanStockPurchase(c, shares, price);
    }
    person.GetAbility(-1, true);
    person.CalcSalary(true);
    person.GetMonthsLeft();
    person.GetAge(false);
    person.GetFaceIndexForAge();
    SFaceRect rect;
    for (int face = 0; face < 3; ++face) person.GetFaceTarget(face, 0, 0, 64, 64, rect);
    person.CalcSearchPower();
    person.CalcSearchDivisor();
    person.CalcAdvertisingEffect(9);
    person.CalcInvestmentEffect(9);
    person.EstimateBudget(false);
    person.CalcReinforcement();
    person.RateFoundTalent(person);
    person.GainExperience();
    person.MonthlyDrift();
    person.TryResign();
    person.TryLeaveFormerEmployer();
    person.AdvanceTask();
    person.GrowEmployerRelation();
    person.RemoveCompanyIndex(1);
    person.ExtendRelations();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SServices services;
    services.doc.calls.clear();
    CMemoryStream stream(std::vector<uint8_t>(data, data + size));
    CArchive ar(stream, CArchive::load);
    CPersonData person;
    try {
        person.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    } catch (eMERCAVO_ERROR) {
        return 0;
    }
    std::vector<uint8_t> stored = Store(person);
    CPersonData again;
    CMemoryStream storedStream(stored);
    CArchive storedAr(storedStream, CArchive::load);
    again.Serialize(storedAr);
    if (Store(again) != stored) std::abort();
    RunMonth(person);
    return 0;
}
