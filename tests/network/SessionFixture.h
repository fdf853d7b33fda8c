#pragma once
// A host session on 127.0.0.1 with its own participant (player 0) and a
// remote one (player 1, "Remote"), whose twelve channels a wire peer or a
// client session connects. Base lets a test add a fixture of its own
// (a game document). Connections are admitted by their source port:
// the test admission stands in for the login of the real handshake.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "fakes/FakeNetFrame.h"
#include "network/NetSession.h"
#include "network/VClientSocket.h"
#include "network/WirePeer.h"
#include "platform/ui/MessageLoop.h"

template <class Base = ::testing::Test>
class CSessionFixtureT : public Base {
protected:
    static constexpr int kHostPlayer = 0;
    static constexpr int kRemotePlayer = 1;
    static constexpr int kFirstStranger = 100;

    // Each test passes its own port base, so that tests run side by side.
    void OpenHost(int portBase) {
        setenv("MERCAVO_PORT_BASE", std::to_string(portBase).c_str(), 1);
        m_portBase = portBase;
        host.SetHost(true);
        host.SetHostAddress("127.0.0.1");
        host.SetAdmission([this](CVClientSocket& socket, int listeningIndex) {
            std::string address;
            UINT port = 0;
            if (!socket.GetPeerName(address, port)) return -1;
            auto it = m_portOwners.find(port);
            if (it != m_portOwners.end()) return it->second;
            return admitStrangers ? AdmitStranger(listeningIndex) : -1;
        });
        CNetworkData own;
        own.playerNumber = kHostPlayer;
        own.localFlag = 1;
        own.name = "Host";
        own.state = CNetworkData::kPlayer;
        host.AddNetPlayer(own);
        CNetworkData remote;
        remote.playerNumber = kRemotePlayer;
        remote.name = "Remote";
        remote.state = CNetworkData::kPlayer;
        host.AddNetPlayer(remote);
        ASSERT_TRUE(host.OpenNetwork());
        OwnPorts(host, kHostPlayer);
        ASSERT_TRUE(WaitFor([&] { return HostHasAllSockets(kHostPlayer) && hostFrame.connected; }));
    }

    void ConnectWirePeer() {
        ASSERT_TRUE(wire.Connect("127.0.0.1", m_portBase));
        for (unsigned port : wire.LocalPorts()) m_portOwners[port] = kRemotePlayer;
        ASSERT_TRUE(
            WaitFor([&] { return HostHasAllSockets(kRemotePlayer) && wire.AllConnected(); }));
    }

    void ConnectClient(CNetSession& client, int player) {
        client.SetHost(false);
        client.SetHostAddress("127.0.0.1");
        ASSERT_TRUE(client.OpenNetwork());
        OwnPorts(client, player);
        ASSERT_TRUE(WaitFor([&] {
            const CChannelState& own = client.ClientChannels();
            return HostHasAllSockets(player) &&
                   std::all_of(own.freeFlags.begin(), own.freeFlags.end(),
                               [](int flag) { return flag == 1; });
        }));
        client.KillConnectTimer();
    }

    void OwnPorts(CNetSession& session, int player) {
        for (CVClientSocket* socket : session.ClientChannels().sockets) {
            std::string address;
            UINT port = 0;
            if (socket && socket->GetSockName(address, port)) m_portOwners[port] = player;
        }
    }

    // A connection from another program joins the newest stranger that lacks
    // its channel, else a new stranger (player 100, 101, ...).
    int AdmitStranger(int channel) {
        for (const CNetworkData& peer : host.Peers()) {
            if (peer.playerNumber >= kFirstStranger && !peer.channels.sockets[channel]) {
                return peer.playerNumber;
            }
        }
        CNetworkData stranger;
        stranger.playerNumber = kFirstStranger + m_strangers++;
        stranger.name = "Stranger " + std::to_string(stranger.playerNumber);
        stranger.state = CNetworkData::kPlayer;
        host.AddNetPlayer(stranger);
        return stranger.playerNumber;
    }

    bool HostHasAllSockets(int player) {
        const int index = host.FindPeer(player);
        return index >= 0 && host.Peers()[index].channels.HasAllSockets();
    }

    const CNetworkData* Remote() {
        const int index = host.FindPeer(kRemotePlayer);
        return index < 0 ? nullptr : &host.Peers()[index];
    }

    // Dispatches until the condition holds or the real time-out passes.
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
        return CMessageLoop::WaitDispatching(timeoutMs, condition);
    }

    // Lets the loop run for a while (for things that must not happen).
    static void Settle(int ms = 100) {
        WaitFor([] { return false; }, ms);
    }

    CFakeNetFrame hostFrame;
    CNetSession host{hostFrame};
    CWirePeer wire;
    bool admitStrangers = false;
    int m_portBase = 0;
    int m_strangers = 0;
    std::map<unsigned, int> m_portOwners;
};

using CSessionFixture = CSessionFixtureT<>;
