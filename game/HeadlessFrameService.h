#pragma once
// The main frame of a game without windows: log lines, headings and message
// boxes go to the transcript, every question is answered with its default
// ("no"), and there is nothing to pump and nothing to draw.

#include "game/Transcript.h"
#include "model/services/FrameService.h"

class CHeadlessFrameService : public CDetachedFrameService {
public:
    // Button ids of the message boxes.
    static constexpr int kAnswerOk = 1;
    static constexpr int kAnswerNo = 7;

    explicit CHeadlessFrameService(CTranscript& transcript) : m_transcript(transcript) {}

    int ShowMessageBox(const std::string& text, unsigned style) override;
    void AddInfoMessage(const std::string& text) override;
    void AddInfoHeading(int company) override;
    // Removes the structures and logs it, as the frame does without a map
    // window to redraw.
    void HandleLostStructures(CMapDoc& map, int area,
                              const std::vector<CCellPoint>& anchors) override;
    // Takes the worn-out structures off the map; the log line that tells
    // it, "" for an area outside the map. The game program's frame does
    // the same before it redraws.
    static std::string RemoveLostStructures(CMapDoc& map, int area,
                                            const std::vector<CCellPoint>& anchors);
    // Without a view the area is taken as selected.
    bool SelectAreaButton(int area) override;
    void MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) override;
    void FlushChangedCells(int redraw) override;
    void PaintStructurePreview(int area, int x1, int y1, int x2, int y2,
                               int structureType) override;

private:
    CTranscript& m_transcript;
};
