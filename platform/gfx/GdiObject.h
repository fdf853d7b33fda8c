#pragma once
// The base of pens, brushes, fonts, bitmaps and palettes: an object that is
// created, selected into device contexts and deleted. Stock objects are
// owned by the layer and never deleted by their users.

#include "platform/gfx/GdiDefs.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    bool IsCreated() const { return m_created; }
    // The handle test of the framework's objects: non-null once created.
    const void* GetSafeHandle() const { return m_created ? this : nullptr; }
    BOOL DeleteObject();

    // WHITE_BRUSH ... NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT; nullptr for
    // unknown ids.
    static CGdiObject* GetStockObject(int id);

protected:
    virtual void Release() {}
    bool m_created = false;
};

inline CGdiObject* GetStockObject(int id) {
    return CGdiObject::GetStockObject(id);
}
