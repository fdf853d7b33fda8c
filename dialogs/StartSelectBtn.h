#pragma once
// A picture button of the start choice: the application's start picture
// (its upper half the picture, its lower half the mask) centred on the
// 3-D face, pressed one pixel down and right, a halftone frame 5 pixels in
// while it has the focus, and a raised or (pressed) sunken edge.

#include "platform/ui/Button.h"

class CBitmap;

class CStartSelectBtn : public CButton {
public:
    static constexpr int kNewGamePicture = 0;
    static constexpr int kLoadPicture = 1;

    // Picture 0 (new game) or 1 (load); its size comes from the
    // application's bitmap.
    void SetPicture(int picture);
    int GetPicture() const { return m_picture; }
    int GetPictureWidth() const { return m_width; }
    int GetPictureHeight() const { return m_height; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;

protected:
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    // The application's bitmap of the picture; nullptr while it has none.
    CBitmap* PictureBitmap() const;

    int m_picture = 0;
    int m_width = 0;
    int m_height = 0;
};
