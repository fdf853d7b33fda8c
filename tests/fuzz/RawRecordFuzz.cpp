// The raw area and person records of the data files read from arbitrary
// bytes: the first byte picks the record (and for an area whether the map's
// grid is known). A record read must convert into a person or be refused with
// the contents error, and a converted person must survive a month.

#include <cstdint>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/BaseMapData.h"
#include "model/BasePerson.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

struct SServices {
    SServices() {
        doc.companies.resize(3);
        doc.currentMonthIndex = 100;
        Services::SetApp(&app);
        Services::SetDoc(&doc);
        Services::SetFrame(&frame);
    }
    CDetachedAppService app;
    CFakeDocService doc;
    CFakeFrameService frame;
};

void ReadArea(CArchive& ar, uint8_t selector) {
    CBaseMapData area;
    if (selector & 2) area.SetExpectedGrid(selector >> 4, (selector >> 2) & 3);
    area.Serialize(ar);
}

void ReadPerson(CArchive& ar) {
    CBasePerson base;
    base.Serialize(ar);
    CPersonData person;
    person.ResetRelations(3);
    person.SetEmployer(2);
    person.TakeBaseRecord(base);
    for (int kind = 0; kind <= CPersonData::kMaxStoredTaskKind; ++kind) {
        person.AssignTask(kind, 5000);
        person.GetMonthsLeft();
        person.GainExperience();
    }
    person.CalcSalary(true);
    person.CalcSearchDivisor();
    person.GetAge(false);
    person.GetFaceIndexForAge();
    person.MonthlyDrift();
    person.TryLeaveFormerEmployer();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SServices services;
    if (size < 1) return 0;
    CMemoryStream stream(std::vector<uint8_t>(data + 1, data + size));
    CArchive ar(stream, CArchive::load);
    try {
        if (data[0] & 1)
            ReadPerson(ar);
        else
            ReadArea(ar, data[0]);
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    return 0;
}
