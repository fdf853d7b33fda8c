#include "game/HeadlessFrameService.h"

#include "model/MapData.h"
#include "model/MapDoc.h"
#include "platform/core/TextFormat.h"

namespace {
// The window system's button sets that ask a question.
constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kYesNoCancel = 0x03;
constexpr unsigned kYesNo = 0x04;
}  // namespace

int CHeadlessFrameService::ShowMessageBox(const std::string& text, unsigned style) {
    unsigned buttons = style & kButtonMask;
    bool question = buttons == kYesNo || buttons == kYesNoCancel;
    m_transcript.Add("message: " + text + (question ? " [no]" : ""));
    return question ? kAnswerNo : kAnswerOk;
}

void CHeadlessFrameService::AddInfoMessage(const std::string& text) {
    m_transcript.Add("log: " + text);
}

void CHeadlessFrameService::AddInfoHeading(int company) {
    m_transcript.Add(FormatText("heading: company %d", company));
}

void CHeadlessFrameService::HandleLostStructures(CMapDoc& map, int area,
                                                 const std::vector<CCellPoint>& anchors) {
    if (area < 0 || area >= map.GetAreaCount()) return;
    CMapData& record = map.GetArea(area);
    for (const CCellPoint& anchor : anchors) {
        if (!record.IsInGrid(anchor.x, anchor.y)) continue;
        map.SetStructureAt(area, anchor.x, anchor.y, 0);
        record.SetCellLayer7(anchor.x, anchor.y, 0);
    }
    AddInfoMessage(FormatText("The building broke in %s.", record.GetName().c_str()));
}
