#include "model/MapPictureCache.h"

CMapPictureCache::CMapPictureCache() { m_source.CreateCompatibleDC(nullptr); }

CMapPictureCache::~CMapPictureCache() { Clear(); }

void CMapPictureCache::Clear() { m_entries.clear(); }

CMapPictureCache::SEntry* CMapPictureCache::Make(const CKey& key, int drawnWidth,
                                                 int drawnHeight) {
    auto entry = std::make_unique<SEntry>();
    if (!entry->bitmap.CreateBitmap(drawnWidth, drawnHeight) ||
        !entry->dc.CreateCompatibleDC(nullptr))
        return nullptr;
    entry->previous = entry->dc.SelectObject(&entry->bitmap);
    entry->dc.SetStretchBltMode(COLORONCOLOR);
    SEntry* made = entry.get();
    m_entries.emplace(key, std::move(entry));
    return made;
}

CDC* CMapPictureCache::Get(const CBitmap& strip, int x, int width, int height, int drawnWidth,
                           int drawnHeight) {
    const CKey key{&strip, x, -1, 0, width, height, drawnWidth, drawnHeight};
    if (auto found = m_entries.find(key); found != m_entries.end()) return &found->second->dc;
    SEntry* entry = Make(key, drawnWidth, drawnHeight);
    if (!entry) return nullptr;
    // The strip is only read from.
    CBitmap* previous = m_source.SelectObject(const_cast<CBitmap*>(&strip));
    entry->dc.StretchBlt(0, 0, drawnWidth, drawnHeight, &m_source, x, 0, width, height, SRCCOPY);
    m_source.SelectObject(previous);
    return &entry->dc;
}

CDC* CMapPictureCache::GetMasked(const CBitmap& strip, int imageX, int maskX, bool inverted,
                                 int width, int height, int drawnWidth, int drawnHeight) {
    const CKey key{&strip, imageX, maskX, inverted ? 1 : 0, width, height, drawnWidth, drawnHeight};
    if (auto found = m_entries.find(key); found != m_entries.end()) return &found->second->dc;
    SEntry* entry = Make(key, drawnWidth, drawnHeight);
    if (!entry) return nullptr;
    CBitmap* previous = m_source.SelectObject(const_cast<CBitmap*>(&strip));
    entry->dc.StretchBlt(0, 0, drawnWidth, drawnHeight, &m_source, imageX, 0, width, height,
                         inverted ? NOTSRCCOPY : SRCCOPY);
    entry->dc.StretchBlt(0, 0, drawnWidth, drawnHeight, &m_source, maskX, 0, width, height, SRCAND);
    m_source.SelectObject(previous);
    return &entry->dc;
}
