#pragma once
// A picture strip with its bitmap: the pictures of its types copied side by
// side at the offsets the layout gave them, for the map view to blit from.

#include "model/PictureStrip.h"
#include "platform/gfx/Bitmap.h"

class CPictureStripBitmap : public CPictureStrip {
public:
    using CPictureStrip::CPictureStrip;

    // A black bitmap of the strip's size; false when none can be made.
    bool Create() { return m_bitmap.CreateBitmap(GetWidth(), GetHeight()) != FALSE; }
    CBitmap& GetBitmap() { return m_bitmap; }
    const CBitmap& GetBitmap() const { return m_bitmap; }

private:
    CBitmap m_bitmap;
};
