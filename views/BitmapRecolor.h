#pragma once
// Recolouring of the tool-button faces to the system's 3D colours: the
// normal look (greys), the disabled look (greys, then the masked shadow) and
// the latched look (greys, then the checkered face). Each returns 1, or 0
// when its work bitmaps cannot be made.
//
// For now the faces keep the colours they were drawn in (white, light grey,
// dark grey and black, which are the default 3D colours already), so each
// routine leaves the bitmap as it is and succeeds.

class CBitmap;

int RecolorBitmapGreys(CBitmap& bitmap);
int RecolorBitmapGreysMasked(CBitmap& bitmap);
int RecolorBitmapFace(CBitmap& bitmap);
