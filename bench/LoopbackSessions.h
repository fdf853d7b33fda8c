#pragma once
// A host session and one client session of this process over 127.0.0.1,
// joined by a port-keyed admission in place of the login: the benchmarks
// of the records that travel between them.

#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "fakes/FakeNetFrame.h"
#include "network/NetSession.h"
#include "network/VClientSocket.h"
#include "platform/ui/MessageLoop.h"

class CLoopbackSessions {
public:
    static constexpr int kHostPlayer = 0;
    static constexpr int kClientPlayer = 1;

    // The one pair of the process: a second would want the same ports.
    static CLoopbackSessions& Shared() {
        static CLoopbackSessions sessions;
        return sessions;
    }

    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
        return CMessageLoop::WaitDispatching(timeoutMs, condition);
    }

    CLoopbackSessions() {
        if (!std::getenv("MERCAVO_PORT_BASE")) setenv("MERCAVO_PORT_BASE", "24000", 1);
        host.SetHost(true);
        host.SetHostAddress("127.0.0.1");
        host.SetAdmission([this](CVClientSocket& socket, int) {
            std::string address;
            UINT port = 0;
            socket.GetPeerName(address, port);
            auto it = owners.find(port);
            return it == owners.end() ? -1 : it->second;
        });
        for (int player : {kHostPlayer, kClientPlayer}) {
            CNetworkData peer;
            peer.playerNumber = player;
            peer.localFlag = player == kHostPlayer;
            host.AddNetPlayer(peer);
        }
        client.SetHostAddress("127.0.0.1");
        ok = host.OpenNetwork() && client.OpenNetwork();
        Own(host, kHostPlayer);
        Own(client, kClientPlayer);
        ok = ok && WaitFor([this] {
                 const int index = host.FindPeer(kClientPlayer);
                 return index >= 0 && host.Peers()[index].channels.HasAllSockets() &&
                        clientFrame.connected;
             });
        client.KillConnectTimer();
        client.SetClassHandler(400, [this](const SNetIncoming&) { ++received; });
    }

    void Own(CNetSession& session, int player) {
        for (CVClientSocket* socket : session.ClientChannels().sockets) {
            std::string address;
            UINT port = 0;
            if (socket && socket->GetSockName(address, port)) owners[port] = player;
        }
    }

    CFakeNetFrame hostFrame, clientFrame;
    CNetSession host{hostFrame};
    CNetSession client{clientFrame};
    std::map<unsigned, int> owners;
    long received = 0;
    bool ok = false;
};
