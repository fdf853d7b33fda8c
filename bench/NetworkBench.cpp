// Queued records from a host session to a client session over 127.0.0.1,
// each acknowledged before its channel carries the next: records per second
// (items per second) of the whole round, the limit of a state transfer.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "fakes/FakeNetFrame.h"
#include "model/NetRecordBuilder.h"
#include "network/NetSession.h"
#include "network/VClientSocket.h"
#include "platform/ui/MessageLoop.h"

namespace {

constexpr int kHostPlayer = 0;
constexpr int kClientPlayer = 1;

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
    return CMessageLoop::WaitDispatching(timeoutMs, condition);
}

// A host and one client, joined by a port-keyed admission in place of the
// login.
class CLoopbackSessions {
public:
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

void BM_QueuedRecordsHostToClient(benchmark::State& state) {
    static CLoopbackSessions sessions;
    if (!sessions.ok) {
        state.SkipWithError("the sessions did not connect");
        return;
    }
    const std::string record =
        CNetRecordBuilder(400, 0, 100).Int(1234, 4).Text(std::string(200, 'x'), 3, 400).Text();
    const long before = sessions.received;
    for (auto _ : state) {
        if (!sessions.host.SendToPlayer(kClientPlayer, record, true)) {
            state.SkipWithError("a send failed");
            return;
        }
    }
    // Every record handled and acknowledged.
    sessions.host.WaitChannelsFree();
    if (sessions.received - before != static_cast<long>(state.iterations())) {
        state.SkipWithError("records were lost");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_QueuedRecordsHostToClient)->MinTime(2.0)->UseRealTime();

}  // namespace
