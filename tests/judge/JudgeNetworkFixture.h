#pragma once
// Judgment networks in one process on 127.0.0.1: a server with its own
// participant and clients, each with a recording stand-in for the frame,
// and a raw peer that speaks the wire itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/RecordingNetHost.h"
#include "judge/JudgeNetwork.h"
#include "model/FrameState.h"
#include "model/NetRecordBuilder.h"
#include "platform/core/Clock.h"
#include "platform/net/QueuedSocket.h"
#include "platform/ui/MessageLoop.h"

// A plain connection to the server: raw bytes out, records back.
class CRawJudgePeer : public CQueuedSocket {
public:
    bool Open(int port) {
        if (!Create()) return false;
        return Connect("127.0.0.1", static_cast<UINT>(port)) ||
               GetLastError() == WSAEWOULDBLOCK;
    }
    void SendText(const std::string& text) {
        NetRecordBytes record{};
        CNetRecordBuilder::Frame(text, record);
        QueueBytes(record.data(), kNetRecordSize);
    }
    void SendBytes(const std::string& bytes) {
        QueueBytes(bytes.data(), static_cast<int>(bytes.size()));
    }
    // The texts of the records received, up to their zero bytes.
    std::vector<std::string> Records() const {
        std::vector<std::string> texts;
        for (size_t at = 0; at + kNetRecordSize <= received.size(); at += kNetRecordSize)
            texts.emplace_back(received.c_str() + at);
        return texts;
    }
    size_t CountRecords(const std::string& text) const {
        const auto texts = Records();
        return static_cast<size_t>(std::count(texts.begin(), texts.end(), text));
    }

    std::string received;
    bool connected = false;
    bool peerClosed = false;

protected:
    void OnConnect(int error) override { connected = error == 0; }
    void OnReceive(int) override {
        char buffer[1024];
        const int count = Receive(buffer, sizeof buffer);
        if (count > 0) received.append(buffer, static_cast<size_t>(count));
        if (count == 0) peerClosed = true;
    }
    void OnSend(int) override { Flush(); }
    void OnClose(int) override {
        OnReceive(0);
        peerClosed = true;
    }
};

class JudgeNetworkFixture : public ::testing::Test {
protected:
    static constexpr int kCharacterCheck = 1234;
    static constexpr int kMapCheck = 5678;
    struct SPeerSetup {
        int number;
        const char* name;
        const char* code;
        int role;
    };

    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
    }
    void TearDown() override {
        clients.clear();
        server.reset();
        CMessageLoop::Reset();
        unsetenv("MERCAVO_PORT_BASE");
    }

    // The participants of the file, this program's own one marked local.
    static CFrameState Frame(const std::vector<SPeerSetup>& peers, int local, bool host) {
        CFrameState frame;
        for (const SPeerSetup& setup : peers) {
            CFrameState::SPeer peer;
            peer.playerNumber = setup.number;
            peer.company = setup.role == 3 ? setup.number : -1;
            peer.name = setup.name;
            peer.companyName = setup.role == 3 ? std::string(setup.name) + " Corp." : "";
            peer.colour = setup.number + 1;
            peer.state = setup.role;
            peer.localFlag = setup.number == local ? 1 : 0;
            peer.personalCode = setup.code;
            frame.GetPeers().push_back(peer);
        }
        frame.SetNetworkRoles(1, host ? 1 : 0, 0);
        return frame;
    }

    std::vector<SPeerSetup> ThreePeers() const {
        return {{0, "Host", "000000", 3}, {1, "Alice", "111111", 3}, {2, "Bob", "222222", 3}};
    }

    // The server of the three participants, connected to itself.
    void OpenServer(int port, const std::vector<SPeerSetup>& peers, bool connectOwn = true,
                    int characterCheck = kCharacterCheck, int mapCheck = kMapCheck) {
        setenv("MERCAVO_PORT_BASE", std::to_string(port).c_str(), 1);
        server = std::make_unique<judge::CJudgeNetwork>(serverHost);
        server->Load(Frame(peers, 0, true), characterCheck, mapCheck);
        server->SetServer("127.0.0.1", "000000");
        ASSERT_TRUE(server->OpenServer());
        if (connectOwn) ConnectServerItself();
    }
    void ConnectServerItself() {
        ASSERT_TRUE(server->ConnectServer());
        ASSERT_TRUE(WaitFor([&] { return Peer(*server, 0) && Peer(*server, 0)->IsLoggedIn(); }));
    }
    judge::CJudgeNetwork& AddClient(int local, const std::string& code,
                                    const std::vector<SPeerSetup>& peers, int mapCheck = kMapCheck) {
        clientHosts.push_back(std::make_unique<CRecordingNetHost>());
        clients.push_back(std::make_unique<judge::CJudgeNetwork>(*clientHosts.back()));
        judge::CJudgeNetwork& client = *clients.back();
        client.Load(Frame(peers, local, false), kCharacterCheck, mapCheck);
        client.SetServer("127.0.0.1", code);
        client.ConnectServer();
        return client;
    }
    static const judge::CNetworkData* Peer(const judge::CJudgeNetwork& network, int number) {
        for (const judge::CNetworkData& peer : network.Peers())
            if (peer.playerNumber == number) return &peer;
        return nullptr;
    }
    static bool WaitFor(const std::function<bool()>& done, int64_t ms = 5000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            CMessageLoop::WaitDispatching(5, [] { return false; });
        }
        return true;
    }
    // Lets whatever is under way arrive.
    static void Settle(int ms = 100) {
        CMessageLoop::WaitDispatching(ms, [] { return false; });
    }

    CRecordingNetHost serverHost;
    std::unique_ptr<judge::CJudgeNetwork> server;
    std::vector<std::unique_ptr<CRecordingNetHost>> clientHosts;
    std::vector<std::unique_ptr<judge::CJudgeNetwork>> clients;
};
