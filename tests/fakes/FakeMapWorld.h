#pragma once
// A map with the fakes it needs to live on: the document's type tables
// answered from the map, a few companies with their area records, the
// governors, and a frame that records what the monthly step asks of it.
// Registers the fakes for its lifetime.

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"

class CFakeMapWorld {
public:
    explicit CFakeMapWorld(std::unique_ptr<CMapDoc> map, int companyCount = 4);
    CFakeMapWorld(const CFakeMapWorld&) = delete;
    CFakeMapWorld& operator=(const CFakeMapWorld&) = delete;

    // The map data file at path, loaded as a new game does; nullptr when it
    // is missing or does not load.
    static std::unique_ptr<CMapDoc> LoadMapFile(const std::string& path);
    // "ORIGINAL.MQM" of the program folder, or nullptr.
    static std::unique_ptr<CMapDoc> LoadOriginalMap();

    CMapDoc& Map() { return *m_map; }
    CEnterprise& Company(int i) { return *companies.at(static_cast<size_t>(i)); }

    CFakeDocService doc;
    CFakeFrameService frame;
    std::vector<std::unique_ptr<CEnterprise>> companies;
    std::vector<CPersonData> governors;

private:
    std::unique_ptr<CMapDoc> m_map;
    CScopedService<IDocService> m_scopedDoc;
    CScopedService<IFrameService> m_scopedFrame;
};
