#pragma once
// Judgment data files made by the game document: a new game of the fixture
// data files with its calendar at the end of the last year, as the game
// saves it when it ends. Figures with a setter are set on the document;
// stored fields without one are written into the bytes.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FakeServices.h"
#include "GameFilesFixture.h"
#include "SavedGameLayout.h"
#include "game/VDoc.h"

struct SJudgmentFileOptions {
    int playYears = 3;
    int companies = 3;
    // Human companies at the start and at the end of the game.
    int startingHumans = 1;
    int endingHumans = 1;
    // Company 0's president field: 0 is the human player.
    int company0President = 0;
    SMapFixtureOptions map;
    SPersonFixtureOptions persons;
};

class CJudgmentFileFixture {
public:
    // Writes the data files into folder (with its trailing separator) and
    // sets up the game; ok() tells whether it worked.
    CJudgmentFileFixture(const std::string& folder, const SJudgmentFileOptions& options = {});
    ~CJudgmentFileFixture();

    bool ok() const { return m_ok; }
    CVDoc& Doc() { return *m_doc; }
    CEnterprise& Company(int c) { return *m_doc->GetEnterprise(c); }
    // A stored field of company c without a setter; written by Bytes().
    void SetStored(int company, size_t SCompanyLayout::*field, int value);
    void SetStoredAt(int company, std::function<size_t(const SCompanyLayout&)> offset, int value);
    // A word of a company's per-area record (element 0: the totals).
    void SetAreaWord(int company, int element, int word, int value);
    // The judgment data file, and where its fields are.
    std::vector<uint8_t> Bytes();
    SLayout Layout();
    bool Write(const std::string& path);

private:
    // Offsets are taken when the file is made, from the records as they
    // are then.
    struct SPatch {
        int company;
        std::function<size_t(const SCompanyLayout&)> offset;
        int value;
    };
    CFakeFrameService m_frame;
    CScopedService<IFrameService> m_scopedFrame;
    std::unique_ptr<CVDoc> m_doc;
    std::vector<SPatch> m_patches;
    bool m_ok = false;
};
