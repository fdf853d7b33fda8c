#pragma once
// Person records made by code: the raw record of the character data file,
// the saved-game record, and a fixture with the services a person talks to.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/BasePerson.h"
#include "model/PersonData.h"
#include "platform/core/Archive.h"
#include "platform/core/RuntimeRandom.h"

// The fields of a raw person record in file order.
struct SRawPerson {
    int kind = 0, age = 30, grade = 3, sociability = 3;
    std::array<int, 5> base{3, 3, 3, 3, 3};
    std::array<int, 5> growth{2, 2, 2, 2, 2};
    int table = 0, figure2 = 3, figure3 = 3, figure1 = 0;
    std::optional<int> nameLength;  // none: the length of name
    std::string name = "Ann Example";
    std::string second;
    std::array<std::vector<uint8_t>, 3> faces;

    std::vector<uint8_t> Bytes() const {
        CMemoryStream stream;
        CArchive ar(stream, CArchive::store);
        for (int v : {kind, age, grade, sociability}) ar.WriteInt(v);
        for (int v : base) ar.WriteInt(v);
        for (int v : growth) ar.WriteInt(v);
        for (int v : {table, figure2, figure3, figure1}) ar.WriteInt(v);
        WriteText(ar, nameLength.value_or(static_cast<int>(name.size())), name);
        WriteText(ar, static_cast<int>(second.size()), second);
        for (const auto& face : faces) {
            ar.WriteInt(static_cast<int>(face.size()));
            if (!face.empty()) ar.Write(face.data(), face.size());
        }
        return stream.Bytes();
    }

    // A length beyond the text writes only the text: a record cut short.
    static void WriteText(CArchive& ar, int length, const std::string& text) {
        ar.WriteInt(length);
        if (length >= 1)
            ar.Write(text.c_str(), std::min(static_cast<size_t>(length), text.size()) + 1);
    }
};

inline CBasePerson LoadBasePerson(const std::vector<uint8_t>& bytes) {
    CBasePerson base;
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    base.Serialize(ar);
    return base;
}

inline std::vector<uint8_t> StorePerson(CPersonData& person) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    person.Serialize(ar);
    return stream.Bytes();
}

inline void LoadPerson(CPersonData& person, const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    person.Serialize(ar);
}

// Offsets in the saved record of a person with n relations.
inline size_t SavedTaskProgressOffset(size_t n) {
    return 30 + 2 * n;
}
inline size_t SavedTaskKindOffset(size_t n) {
    return 34 + 2 * n;
}
// Task area, target x and y, work, work left.
inline size_t SavedTaskAreaOffset(size_t n) {
    return 36 + 2 * n;
}
inline size_t SavedExperienceOffset(size_t n) {
    return 140 + 2 * n;
}

inline void Put32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

inline void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    std::memcpy(bytes.data() + at, &value, 2);
}

// A person with the services it needs: a document of three computer-played
// companies, a frame, and a fixed random sequence.
class PersonTest : public ::testing::Test {
protected:
    void SetUp() override {
        CRuntimeRandom::Seed(12345);
        doc.companies.resize(3);
        doc.directors = &directors;
    }

    static CPersonData FromRaw(const SRawPerson& raw) {
        CPersonData person;
        person.TakeBaseRecord(LoadBasePerson(raw.Bytes()));
        return person;
    }

    static CPersonData WithAbilities(int base) {
        SRawPerson raw;
        raw.base.fill(base);
        return FromRaw(raw);
    }

    // The person with the experience values put in through its saved record.
    static CPersonData WithExperience(CPersonData person, std::array<int, 5> experience) {
        std::vector<uint8_t> bytes = StorePerson(person);
        size_t at = SavedExperienceOffset(static_cast<size_t>(person.GetRelationCount()));
        for (int i = 0; i < 5; ++i) Put32(bytes, at + 4 * static_cast<size_t>(i), experience[i]);
        CPersonData loaded;
        LoadPerson(loaded, bytes);
        return loaded;
    }

    // An employee of company c with the given relation toward it.
    void Employ(CPersonData& person, int company, int relation) {
        person.ResetRelations(static_cast<int>(doc.companies.size()));
        person.SetEmployer(company + 1);
        person.SetRelation(company, relation);
    }

    CDetachedAppService app;
    CFakeDocService doc;
    CFakeFrameService frame;
    std::vector<CPersonData> directors;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
};
