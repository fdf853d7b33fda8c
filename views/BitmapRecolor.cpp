#include "views/BitmapRecolor.h"

int RecolorBitmapGreys(CBitmap& /*bitmap*/) {
    return 1;
}

int RecolorBitmapGreysMasked(CBitmap& /*bitmap*/) {
    return 1;
}

int RecolorBitmapFace(CBitmap& /*bitmap*/) {
    return 1;
}
