#pragma once
// A picture in memory with 32-bit pixels; selected into a memory device
// context it is drawn on and copied from.

#include <memory>
#include <string>

#include "platform/gfx/GdiObject.h"
#include "platform/gfx/Size.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    CBitmap();
    ~CBitmap() override;

    // A black bitmap of the size; fails for sizes outside 1..16384 or more
    // than 64 million pixels.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height);
    int GetBitmap(BITMAP* info) const;
    CSize GetSize() const;
    // Through the window system: false without one.
    bool SaveToPng(const std::string& path) const;

    struct Impl;
    Impl& PlatformImpl() const { return *m_impl; }

protected:
    void Release() override;

private:
    std::unique_ptr<Impl> m_impl;
};
