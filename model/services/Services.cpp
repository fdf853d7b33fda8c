#include "model/services/Services.h"

#include <stdexcept>

namespace {
IAppService* g_app = nullptr;
IFrameService* g_frame = nullptr;
IDocService* g_doc = nullptr;
INetService* g_net = nullptr;
IReportService* g_report = nullptr;
IDialogService* g_dialogs = nullptr;
}  // namespace

namespace Services {

IAppService& App() {
    static CDetachedAppService detached;
    return g_app ? *g_app : detached;
}

IFrameService& Frame() {
    static CDetachedFrameService detached;
    return g_frame ? *g_frame : detached;
}

IDocService& Doc() {
    if (!g_doc) throw std::logic_error("no game document is registered");
    return *g_doc;
}

bool HasDoc() {
    return g_doc != nullptr;
}

IGameStateService& Game() {
    return Doc();
}
IMapService& Map() {
    return Doc();
}
ICompanyService& Companies() {
    return Doc();
}
IComputerPlayerService& ComputerPlayer() {
    return Doc();
}
IPlayerReportService& PlayerReports() {
    return Doc();
}
INetPlayService& NetPlay() {
    return Doc();
}
IOrderService& Orders() {
    return Doc();
}

INetService& Net() {
    if (!g_net) throw std::logic_error("no network layer is registered");
    return *g_net;
}

bool HasNet() {
    return g_net != nullptr;
}

IReportService& Report() {
    static CDetachedReportService detached;
    return g_report ? *g_report : detached;
}

IDialogService& Dialogs() {
    static CDetachedDialogService detached;
    return g_dialogs ? *g_dialogs : detached;
}

void SetApp(IAppService* app) {
    g_app = app;
}
void SetFrame(IFrameService* frame) {
    g_frame = frame;
}
void SetDoc(IDocService* doc) {
    g_doc = doc;
}
void SetNet(INetService* net) {
    g_net = net;
}
void SetReport(IReportService* report) {
    g_report = report;
}
void SetDialogs(IDialogService* dialogs) {
    g_dialogs = dialogs;
}

IAppService* RegisteredApp() {
    return g_app;
}
IFrameService* RegisteredFrame() {
    return g_frame;
}
IDocService* RegisteredDoc() {
    return g_doc;
}
INetService* RegisteredNet() {
    return g_net;
}
IReportService* RegisteredReport() {
    return g_report;
}
IDialogService* RegisteredDialogs() {
    return g_dialogs;
}

}  // namespace Services
