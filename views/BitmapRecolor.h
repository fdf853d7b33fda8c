#pragma once
// Recolouring of the tool-button faces to the system's 3D colours: the
// normal look (greys), the disabled look (greys, then the masked shadow) and
// the latched look (greys, then the checkered face). Each returns 1, or 0
// (the bitmap unchanged) when the bitmap is empty or its work context or
// bitmap cannot be made.

class CBitmap;
class CDC;

// Whether the pixel's red, green and blue each lie within 16 of the
// triple's.
bool MatchesColour(CDC& dc, int x, int y, int red, int green, int blue);

// White, light grey, dark grey and black (each within 16) become the button
// highlight, face, shadow and text colours.
int RecolorBitmapGreys(CBitmap& bitmap);
// Shapes become shadow-coloured on the face, with a highlight edge below
// and right of them that never crosses into the next 32-pixel cell.
int RecolorBitmapGreysMasked(CBitmap& bitmap);
// Face-coloured pixels with x + y odd become the highlight: a checkerboard.
int RecolorBitmapFace(CBitmap& bitmap);
