#pragma once
// A game document with recording services, a fixed seed and a folder of its
// own for data files and saved games.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "fakes/FakeServices.h"
#include "fakes/GameFilesFixture.h"
#include "fakes/MapFileFixture.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/services/Services.h"
#include "platform/core/RuntimeRandom.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        CRuntimeRandom::Seed(7);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        folder = (std::filesystem::temp_directory_path() /
                  ("mercavo_game_" + std::to_string(getpid()) + "_" + name))
                     .string() +
                 "/";
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Writes the data files of the map and persons into the folder.
    void WriteFiles(CMapDoc& map, const SPersonFixtureOptions& persons = {}) {
        ASSERT_TRUE(WriteGameDataFiles(folder, map, persons));
    }
    int Prepare(CVDoc& target) {
        return target.PrepareNewGameFrom(folder + "ORIGINAL.MQM", folder + "ORIGINAL.MQP");
    }
    // A new game of the fixture files: companies computer companies after
    // humans human ones.
    void NewGame(int companies = 4, int humans = 0, const SMapFixtureOptions& map = {},
                 const SPersonFixtureOptions& persons = {}) {
        WriteFiles(*MakeGameFixtureMap(map), persons);
        doc.SetEnterpriseCount(companies);
        ASSERT_EQ(Prepare(doc), 1) << (frame.messages.empty() ? "" : frame.messages.back());
        ASSERT_EQ(doc.SetPlayerCount(humans, 1), 1);
        // What the set-up wizard gives the human companies.
        for (int c = 0; c < humans; ++c) {
            doc.GetEnterprise(c)->SetName("Player Company " + std::to_string(c));
            doc.GetEnterprise(c)->SetPresidentName("Player " + std::to_string(c));
            doc.GetEnterprise(c)->SetColor(c);
        }
        ASSERT_EQ(doc.SetupEnterprises(), 1);
    }

    // A director of the table without employer, hired by company c.
    int HireDirector(int c) {
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p) {
            CPersonData& person = *doc.GetDirector(p);
            if (person.GetEmployerNo() != 0 || person.GetPresidentFlag()) continue;
            person.SetEmployer(c + 1);
            doc.GetEnterprise(c)->AddDirector(p);
            return p;
        }
        ADD_FAILURE() << "no free director";
        return -1;
    }

    // Company c holds a head office at (4, 4) and a bare lot at (1, 2) of
    // area 0.
    void PlaceOfficeAndLot(int c) {
        CMapDoc& map = doc.GetMap();
        const int office = FindStructureOfCode(map, 60);
        ASSERT_GE(office, 0);
        map.SetStructureAt(0, 4, 4, office + 1);
        map.SetStructureOwner(0, 4, 4, c + 1);
        map.GetArea(0).SetCellOwner(1, 2, c + 1);
    }

    std::string folder;
    CFakeFrameService frame;
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
    CVDoc doc;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
};
