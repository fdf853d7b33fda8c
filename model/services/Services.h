#pragma once
// The one place where the records and the rules find their neighbours above
// them: the application, the main frame, the game document. Each neighbour
// registers its implementation at start-up; tests register recording fakes.
// The application and the frame have detached defaults so that programs
// without windows work; the document has none, and asking for a missing one
// throws std::logic_error.

#include "model/services/AppService.h"
#include "model/services/DialogService.h"
#include "model/services/DocService.h"
#include "model/services/FrameService.h"
#include "model/services/NetService.h"
#include "model/services/ReportService.h"

namespace Services {

IAppService& App();
IFrameService& Frame();
// The game document as a whole (to register it, or to hand it on).
IDocService& Doc();
bool HasDoc();
// The document by role: what the records need of it. Each throws
// std::logic_error while no document is registered.
IGameStateService& Game();
IMapService& Map();
ICompanyService& Companies();
IComputerPlayerService& ComputerPlayer();
IPlayerReportService& PlayerReports();
INetPlayService& NetPlay();
IOrderService& Orders();
// The network layer; none outside network play (asking then throws).
INetService& Net();
bool HasNet();
// The report composer; a detached default answers every question no.
IReportService& Report();
// The dialogs the rules open themselves; a detached default shows nothing.
IDialogService& Dialogs();

// nullptr goes back to the default (or to none, for the document).
void SetApp(IAppService* app);
void SetFrame(IFrameService* frame);
void SetDoc(IDocService* doc);
void SetNet(INetService* net);
void SetReport(IReportService* report);
void SetDialogs(IDialogService* dialogs);

}  // namespace Services

// Registers a service for the lifetime of a scope and puts the previous one
// back afterwards (tests, nested harnesses).
template <typename T>
class CScopedService {
public:
    CScopedService(T* service, T* (*get)(), void (*set)(T*)) : m_previous(get()), m_set(set) {
        m_set(service);
    }
    ~CScopedService() { m_set(m_previous); }
    CScopedService(const CScopedService&) = delete;
    CScopedService& operator=(const CScopedService&) = delete;

private:
    T* m_previous;
    void (*m_set)(T*);
};

namespace Services {
// The registered implementations as pointers (null = the default), for
// CScopedService.
IAppService* RegisteredApp();
IFrameService* RegisteredFrame();
IDocService* RegisteredDoc();
INetService* RegisteredNet();
IReportService* RegisteredReport();
IDialogService* RegisteredDialogs();
}  // namespace Services

inline CScopedService<IAppService> ScopedApp(IAppService* app) {
    return {app, &Services::RegisteredApp, &Services::SetApp};
}
inline CScopedService<IFrameService> ScopedFrame(IFrameService* frame) {
    return {frame, &Services::RegisteredFrame, &Services::SetFrame};
}
inline CScopedService<IDocService> ScopedDoc(IDocService* doc) {
    return {doc, &Services::RegisteredDoc, &Services::SetDoc};
}
inline CScopedService<INetService> ScopedNet(INetService* net) {
    return {net, &Services::RegisteredNet, &Services::SetNet};
}
inline CScopedService<IReportService> ScopedReport(IReportService* report) {
    return {report, &Services::RegisteredReport, &Services::SetReport};
}
inline CScopedService<IDialogService> ScopedDialogs(IDialogService* dialogs) {
    return {dialogs, &Services::RegisteredDialogs, &Services::SetDialogs};
}
