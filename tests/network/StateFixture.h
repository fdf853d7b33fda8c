#pragma once
// A host document and a client document for the state transfer: the host's
// records go to a recording network, and the client applies them through
// the class-300 dispatch (every record framed as it travels).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "game/NetDocState.h"
#include "game/VDoc.h"
#include "model/FrameState.h"
#include "model/NetRecordBuilder.h"
#include "model/services/Services.h"

class CStateFixture : public ::testing::Test {
public:
    // The host's records so far, applied to the client one by one; the
    // number refused. The recorded records are then forgotten.
    int ApplyToClient() {
        int refused = 0;
        std::vector<CFakeNetService::Sent> records;
        records.swap(net.sent);
        CScopedService<IDocService> scoped = ScopedDoc(&client);
        for (const CFakeNetService::Sent& sent : records)
            if (!ApplyText(client, sent.record)) ++refused;
        return refused;
    }
    // One record text applied to a document; false when refused.
    bool ApplyText(CVDoc& target, const std::string& text) {
        NetRecordBytes bytes{};
        if (!CNetRecordBuilder::Frame(text, bytes)) return false;
        CNetDocState state(target, [this](const std::string& line) { log.push_back(line); });
        if (text.compare(8, 3, "400") == 0) return state.OnBuildingBrokeRecord(bytes);
        return state.OnTransferRecord(bytes);
    }
    CNetDocState HostState() { return CNetDocState(host); }
    // The codes of the recorded records, "GG/CCC" each.
    std::vector<std::string> SentCodes() const {
        std::vector<std::string> codes;
        for (const CFakeNetService::Sent& sent : net.sent)
            codes.push_back(sent.record.substr(11, 2) + "/" + sent.record.substr(13, 3));
        return codes;
    }

    CFakeFrameService frame;
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
    CFakeNetService net;
    CScopedService<INetService> scopedNet = ScopedNet(&net);
    CFrameState hostFrame;
    CFrameState clientFrame;
    CVDoc host;
    CVDoc client;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&host);
    std::vector<std::string> log;
};
