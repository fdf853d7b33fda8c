#pragma once
// The frame and report composer of a game without windows, registered for
// the life of a fuzz target: everything shown goes to one transcript.

#include "game/HeadlessFrameService.h"
#include "game/HeadlessReportService.h"
#include "model/services/Services.h"

struct SHeadlessServices {
    SHeadlessServices() : frame(transcript), report(transcript) {
        Services::SetFrame(&frame);
        Services::SetReport(&report);
    }
    CTranscript transcript;
    CHeadlessFrameService frame;
    CHeadlessReportService report;
};
