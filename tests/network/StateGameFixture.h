#pragma once
// A small game of fixture data files for the state transfer: the host's
// game, and a client that holds the same game (loaded from the host's bytes
// and given the host's document header, so that even the load counter
// agrees).

#include "SeatNeutralSave.h"
#include "StateFixture.h"
#include "fakes/GameFilesFixture.h"
#include "fakes/TempFolder.h"

class CStateGameFixture : public CStateFixture {
public:
    void NewGame(int companies = 4, const SMapFixtureOptions& map = {},
                 const SPersonFixtureOptions& persons = {}) {
        NewGameOf(*MakeGameFixtureMap(map), companies, persons);
    }
    void NewGameOf(CMapDoc& map, int companies, const SPersonFixtureOptions& persons) {
        ASSERT_TRUE(WriteGameDataFiles(temp.Folder(), map, persons));
        host.SetFrameState(&hostFrame);
        client.SetFrameState(&clientFrame);
        host.SetEnterpriseCount(companies);
        ASSERT_EQ(host.PrepareNewGameFrom(MapFile(), PersonFile()), 1);
        ASSERT_EQ(host.SetPlayerCount(0, 1), 1);
        ASSERT_EQ(host.SetupEnterprises(), 1);
        CopyHostToClient();
    }
    void CopyHostToClient() {
        ASSERT_EQ(client.LoadBytes(host.SaveBytes()), -1);
        net.sent.clear();
        Send(CNetDocState(host).BuildHeader(0));
        ASSERT_EQ(ApplyToClient(), 0);
    }
    // Records as the host's senders would send them (to every player).
    void Send(const CNetRecordBuilder& record) {
        ASSERT_TRUE(record.Ok()) << record.Error();
        net.SendToAll(record.Text());
    }
    void Send(const std::vector<CNetRecordBuilder>& records) {
        for (const CNetRecordBuilder& record : records) Send(record);
    }
    void SendTexts(const std::vector<std::string>& texts) {
        for (const std::string& text : texts) net.SendToAll(text);
    }
    // "" when the client's game is the host's.
    std::string Difference() {
        return CSeatNeutralSave::Difference(host.SaveBytes(), client.SaveBytes());
    }
    std::string MapFile() const { return temp.Folder() + "ORIGINAL.MQM"; }
    std::string PersonFile() const { return temp.Folder() + "ORIGINAL.MQP"; }

    CTempFolder temp;
};
