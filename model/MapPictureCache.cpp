#include "model/MapPictureCache.h"

CMapPictureCache::CMapPictureCache() { m_source.CreateCompatibleDC(nullptr); }

CMapPictureCache::~CMapPictureCache() { Clear(); }

void CMapPictureCache::Clear() { m_entries.clear(); }

CDC* CMapPictureCache::Get(const CBitmap& strip, int x, int width, int height, int drawnWidth,
                           int drawnHeight) {
    const CKey key{&strip, x, width, height, drawnWidth, drawnHeight};
    auto found = m_entries.find(key);
    if (found != m_entries.end()) return &found->second->dc;
    auto entry = std::make_unique<SEntry>();
    if (!entry->bitmap.CreateBitmap(drawnWidth, drawnHeight) ||
        !entry->dc.CreateCompatibleDC(nullptr))
        return nullptr;
    entry->previous = entry->dc.SelectObject(&entry->bitmap);
    // The strip is only read from.
    CBitmap* previous = m_source.SelectObject(const_cast<CBitmap*>(&strip));
    entry->dc.SetStretchBltMode(COLORONCOLOR);
    entry->dc.StretchBlt(0, 0, drawnWidth, drawnHeight, &m_source, x, 0, width, height, SRCCOPY);
    m_source.SelectObject(previous);
    CDC* dc = &entry->dc;
    m_entries.emplace(key, std::move(entry));
    return dc;
}
