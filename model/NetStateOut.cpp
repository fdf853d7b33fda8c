#include "model/NetStateOut.h"

#include "model/services/Services.h"

void CNetStateOut::Send(int target, const CNetRecordBuilder& record) {
    if (!Services::HasNet()) return;
    if (!record.Ok()) {
        Services::Net().ReportSendError(record.Error());
        return;
    }
    SendText(target, record.Text());
}

void CNetStateOut::Send(int target, const std::vector<CNetRecordBuilder>& records) {
    for (const CNetRecordBuilder& record : records) Send(target, record);
}

void CNetStateOut::SendText(int target, const std::string& text) {
    if (!Services::HasNet()) return;
    INetService& net = Services::Net();
    if (target < 0)
        net.SendToAll(text);
    else
        net.SendToPlayer(target, text);
}

void CNetStateOut::SendTexts(int target, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) SendText(target, text);
}
