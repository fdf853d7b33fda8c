#include "shell/ReportBoxMarks.h"

#include "shell/TarvoApp.h"

void CReportBoxMarks::DrawColorMark(CDC& dc, int x, int y, int colour) {
    if (CTarvoApp* app = CTarvoApp::Get()) app->DrawColorMark(dc, x, y, colour, FALSE);
}

CSize CReportBoxMarks::GetMarkSize() const {
    CTarvoApp* app = CTarvoApp::Get();
    return app ? CSize(app->GetIconCellSize(1), app->GetIconCellSize(0)) : CSize(0, 0);
}
