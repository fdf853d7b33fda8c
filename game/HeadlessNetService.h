#pragma once
// The network of a game without one: every record is dropped. A saved
// network game loaded without a network then sends into nothing.

#include "model/services/NetService.h"

class CHeadlessNetService : public INetService {
public:
    void SendRecord(int, const std::string&) override {}
    bool SendToPlayer(int, const std::string&) override { return false; }
    bool SendToAll(const std::string&) override { return false; }
    bool IsHost() const override { return false; }
    void ReportSendError(const std::string&) override {}
};
