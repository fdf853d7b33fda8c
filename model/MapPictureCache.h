#pragma once
// Pictures and masks of the map's strips at the size they are drawn, kept
// between paints, the pictures already ANDed with their masks: stretching
// and masking every picture on every paint costs more than copying it, and
// the result is the same whether it is made straight onto the target or
// once into the cache and copied from there. Drop it when the map or its
// strips change.

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
    // The same for the picture at imageX (inverted when asked) already
    // ANDed with its mask at maskX: what a masked copy ORs onto the target.
    CDC* GetMasked(const CBitmap& strip, int imageX, int maskX, bool inverted, int width, int height,
                   int drawnWidth, int drawnHeight);
    void Clear();

private:
    using CKey = std::tuple<const CBitmap*, int, int, int, int, int, int, int>;
    struct SEntry;
    SEntry* Make(const CKey& key, int drawnWidth, int drawnHeight);
    struct SEntry {
        ~SEntry() {
            if (previous) dc.SelectObject(previous);
        }
        CBitmap bitmap;
        CDC dc;
        CBitmap* previous = nullptr;
    };
    CDC m_source;
    std::map<CKey, std::unique_ptr<SEntry>> m_entries;
};
