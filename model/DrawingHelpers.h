#pragma once
// The drawing helpers of owner-drawn controls and painted windows: 3-D
// frames, coloured and engraved text, text placed in a rectangle, button
// faces and halftone fills. Colours are the system colours, except a
// colour index, which takes the game's colour table.
//
// The helpers that draw text use the application's standard font (the
// message font, IAppService::GetStandardFont) only when the context still
// holds the platform's default font: a font the caller selected stays, so
// that a window drawing in its bold or interface font keeps it. Whatever
// they select is put back before they return.

#include <string>

#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/Rect.h"

class CDC;

// The item-state bit of owner drawing that marks the keyboard focus.
constexpr UINT kButtonFaceFocusState = 0x0010;

// A one-pixel frame: top and left in the button highlight, bottom and right
// in the dark shadow; the other way round when sunken.
void Draw3DFrame(CDC& dc, const RECT& rect, BOOL sunken);

// Text clipped to `clip` with its top left at `origin`. States: 0 button
// text (or colour-table entry colorIndex when it is not -1), 1 caption text,
// 2 grey text, 3 inactive caption text; states 0 and 2 first draw an
// engraved highlight at origin + (1, 1). With fixedPitch every character
// advances by charWidth (0: the application's standard character width).
void DrawColoredText(CDC& dc, const std::string& text, const RECT& clip, POINT origin, int state,
                     BOOL fixedPitch, int charWidth, int colorIndex);

// Text aligned in a rectangle (0 left, 1 centred but never left of the left
// edge, 2 right) and centred vertically; with fill the rectangle is first
// filled with the context's background colour. text may be nullptr (only
// the fill is drawn).
void DrawTextInRect(CDC& dc, const char* text, const RECT& rect, int align, BOOL fill, int state,
                    int colorIndex);

// A two-pixel 3-D border around an owner-drawn button's rectangle, sunken
// when pressed, with a dotted focus frame four pixels inside when itemState
// has kButtonFaceFocusState. The speed class of the application picks the
// colours of its rings.
void DrawButtonFace(CDC& dc, const RECT& rect, UINT itemState, BOOL pressed);

// The 8 x 8 checkerboard: button-face pixels and pixels of `colour`.
void FillHalftoneRect(CDC& dc, const RECT& rect, COLORREF colour);
