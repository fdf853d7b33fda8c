#pragma once
// Pictures and masks of the map's strips stretched to a zoom, kept between
// paints: stretching every picture on every paint costs more than copying
// it, and a stretched copy of a strip picture is the same whether it is
// made straight onto the target or once into the cache and copied from
// there. Drop it when the map or its strips change.

#include <map>
#include <memory>
#include <tuple>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

class CMapPictureCache {
public:
    CMapPictureCache();
    ~CMapPictureCache();
    CMapPictureCache(const CMapPictureCache&) = delete;
    CMapPictureCache& operator=(const CMapPictureCache&) = delete;

    // A context holding the picture at (x, 0) of the strip stretched from
    // width x height to drawnWidth x drawnHeight, at (0, 0); nullptr when
    // no bitmap can be made.
    CDC* Get(const CBitmap& strip, int x, int width, int height, int drawnWidth, int drawnHeight);
    void Clear();

private:
    using CKey = std::tuple<const CBitmap*, int, int, int, int, int>;
    struct SEntry {
        CBitmap bitmap;
        CDC dc;
        CBitmap* previous = nullptr;
        ~SEntry() {
            if (previous) dc.SelectObject(previous);
        }
    };
    CDC m_source;
    std::map<CKey, std::unique_ptr<SEntry>> m_entries;
};
