#pragma once
// Every service a game without windows needs above the document, writing
// one transcript and registered for the bundle's lifetime: the frame, the
// report composer, the dialogs and a network that drops every record.

#include "game/HeadlessDialogService.h"
#include "game/HeadlessFrameService.h"
#include "game/HeadlessNetService.h"
#include "game/HeadlessReportService.h"
#include "game/Transcript.h"
#include "model/services/Services.h"

class CHeadlessServices {
public:
    CHeadlessServices() = default;
    CHeadlessServices(const CHeadlessServices&) = delete;
    CHeadlessServices& operator=(const CHeadlessServices&) = delete;

    CTranscript& GetTranscript() { return m_transcript; }

private:
    CTranscript m_transcript;
    CHeadlessFrameService m_frame{m_transcript};
    CHeadlessReportService m_report{m_transcript};
    CHeadlessDialogService m_dialogs{m_transcript};
    CHeadlessNetService m_net;
    CScopedService<IFrameService> m_scopedFrame = ScopedFrame(&m_frame);
    CScopedService<IReportService> m_scopedReport = ScopedReport(&m_report);
    CScopedService<IDialogService> m_scopedDialogs = ScopedDialogs(&m_dialogs);
    CScopedService<INetService> m_scopedNet = ScopedNet(&m_net);
};
