#include "model/FaceStrip.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "model/BM.h"
#include "model/PersonData.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

bool CFaceStrip::Pack(const std::vector<CPersonData*>& persons, int number,
                      std::unique_ptr<CBitmap>& strip) {
    strip.reset();
    int64_t width = 0;
    int height = 0;
    for (const CPersonData* person : persons)
        for (int f = 0; f < CPersonData::kFaceCount; ++f) {
            const CBM& face = person->GetFace(f);
            if (!face.HasImage()) continue;
            width += face.GetWidth();
            height = std::max(height, face.GetHeight());
        }
    if (width == 0 || height == 0) return true;
    try {
        auto bitmap = std::make_unique<CBitmap>();
        if (width > INT32_MAX || !bitmap->CreateBitmap(static_cast<int>(width), height))
            return false;
        CDC memory;
        if (!memory.CreateCompatibleDC(nullptr)) return false;
        CBitmap* previous = memory.SelectObject(bitmap.get());
        int x = 0;
        for (CPersonData* person : persons)
            for (int f = 0; f < CPersonData::kFaceCount; ++f) {
                const CBM& face = person->GetFace(f);
                if (!face.HasImage()) {
                    person->SetFaceOffset(f, -1);
                    continue;
                }
                face.Draw(memory, x, 0, face.GetWidth(), face.GetHeight());
                person->SetFaceStrip(number);
                person->SetFaceOffset(f, x);
                // The faces are drawn from the strip from now on.
                const_cast<CBM&>(face).ReleaseGdiObjects();
                x += face.GetWidth();
            }
        memory.SelectObject(previous);
        strip = std::move(bitmap);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
