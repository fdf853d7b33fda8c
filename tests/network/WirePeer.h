#pragma once
// A participant that speaks the wire itself: twelve plain sockets to the
// host's ports, raw bytes out, and the records that come back, reassembled
// per channel. Tests use it where they need control over single bytes.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/NetRecordBytes.h"
#include "model/ChannelState.h"
#include "platform/net/AsyncSocket.h"

class CWirePeer {
public:
    struct SReceived {
        int channel;
        NetRecordBytes record;
    };

    CWirePeer();
    ~CWirePeer();
    // Starts connecting the twelve channels to host ports base + 1 ...
    bool Connect(const char* host, int portBase);
    bool AllConnected() const;
    // Whether the host closed any channel.
    bool AnyClosed() const;
    std::vector<unsigned> LocalPorts() const;

    void SendBytes(int channel, const std::string& bytes);
    void SendRecord(int channel, const NetRecordBytes& record);
    void SendAck(int channel);
    void CloseAll();

    // Bytes received on each channel, and the records cut from them.
    std::array<size_t, kChannelCount> bytesReceived{};
    std::vector<SReceived> records;
    // Acknowledges every queued record as soon as it is whole.
    bool autoAck = false;
    std::function<void(const SReceived&)> onRecord;

private:
    class CWireSocket;
    void OnBytes(int channel, const char* data, int length);

    std::array<std::unique_ptr<CWireSocket>, kChannelCount> m_sockets;
    std::array<std::string, kChannelCount> m_partial;
};

// A record text of a class, group and code with a payload, framed.
NetRecordBytes MakeRecord(int recordClass, int group, int code, const std::string& payload = "",
                          char mark = '_');
