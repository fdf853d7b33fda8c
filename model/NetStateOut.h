#pragma once
// Sends the state records of the network host: to one participant (its
// player number) or to every other participant (-1), queued. A record whose
// builder refused a field is not sent; its error goes to the send-error log.

#include <string>
#include <vector>

#include "model/NetRecordBuilder.h"

class CNetStateOut {
public:
    // The class of every state record.
    static constexpr int kStateClass = 300;

    static void Send(int target, const CNetRecordBuilder& record);
    static void Send(int target, const std::vector<CNetRecordBuilder>& records);
    // A record text built elsewhere (the map's and the leagues' texts).
    static void SendText(int target, const std::string& text);
    static void SendTexts(int target, const std::vector<std::string>& texts);
};
