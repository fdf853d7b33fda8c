#include "model/DrawingHelpers.h"

#include "platform/gfx/DC.h"

void Draw3DFrame(CDC&, const RECT&, BOOL) {}
void DrawColoredText(CDC&, const std::string&, const RECT&, POINT, int, BOOL, int, int) {}
void DrawTextInRect(CDC&, const char*, const RECT&, int, BOOL, int, int) {}
void DrawButtonFace(CDC&, const RECT&, UINT, BOOL) {}
void FillHalftoneRect(CDC&, const RECT&, COLORREF) {}
