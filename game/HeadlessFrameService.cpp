#include "game/HeadlessFrameService.h"

#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/services/Services.h"
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

std::string CHeadlessFrameService::RemoveLostStructures(CMapDoc& map, int area,
                                                        const std::vector<CCellPoint>& anchors) {
    if (area < 0 || area >= map.GetAreaCount()) return "";
    CMapData& record = map.GetArea(area);
    for (const CCellPoint& anchor : anchors) {
        if (!record.IsInGrid(anchor.x, anchor.y)) continue;
        map.SetStructureAt(area, anchor.x, anchor.y, 0);
        record.SetCellLayer7(anchor.x, anchor.y, 0);
    }
    return FormatText("The building broke in %s.", record.GetName().c_str());
}

// The game document shows them as every program does; without one the
// structures just go.
void CHeadlessFrameService::HandleLostStructures(CMapDoc& map, int area,
                                                 const std::vector<CCellPoint>& anchors) {
    if (Services::HasDoc()) {
        Services::NetPlay().ReportBuildingBroke(area, anchors);
        return;
    }
    const std::string line = RemoveLostStructures(map, area, anchors);
    if (!line.empty()) AddInfoMessage(line);
}

bool CHeadlessFrameService::SelectAreaButton(int area) {
    m_transcript.Add(FormatText("map: area %d selected", area));
    return true;
}

void CHeadlessFrameService::MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) {
    m_transcript.Add(FormatText("map: cells %d,%d-%d,%d marked (%d ms)", x1, y1, x2, y2, periodMs));
}

void CHeadlessFrameService::FlushChangedCells(int redraw) {
    m_transcript.Add(FormatText("map: marked cells flushed%s", redraw ? " and redrawn" : ""));
}

void CHeadlessFrameService::PaintStructurePreview(int area, int x1, int y1, int x2, int y2,
                                                  int structureType) {
    m_transcript.Add(FormatText("map: structure type %d shown at %d,%d-%d,%d of area %d",
                                structureType, x1, y1, x2, y2, area));
}
