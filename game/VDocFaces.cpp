// The face strips: the faces of each group of three persons of a table are
// copied side by side into one bitmap, which the persons draw from.

#include <algorithm>
#include <new>

#include "game/VDoc.h"
#include "platform/gfx/DC.h"

namespace {
constexpr int kGroupSize = 3;
}  // namespace

int CVDoc::PackFaceStrips(int& counter, bool governors, int first, int last) {
    std::vector<CPersonData>& table = Table(governors);
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(table.size()) - 1);
    int64_t width = 0;
    int height = 0;
    for (int i = first; i <= last; ++i)
        for (int f = 0; f < CPersonData::kFaceCount; ++f) {
            const CBM& face = table[static_cast<size_t>(i)].GetFace(f);
            if (!face.HasImage()) continue;
            width += face.GetWidth();
            height = std::max(height, face.GetHeight());
        }
    if (width == 0 || height == 0) return 1;
    try {
        auto strip = std::make_unique<CBitmap>();
        if (width > INT32_MAX || !strip->CreateBitmap(static_cast<int>(width), height)) return 0;
        CDC memory;
        if (!memory.CreateCompatibleDC(nullptr)) return 0;
        CBitmap* previous = memory.SelectObject(strip.get());
        int x = 0;
        for (int i = first; i <= last; ++i) {
            CPersonData& person = table[static_cast<size_t>(i)];
            for (int f = 0; f < CPersonData::kFaceCount; ++f) {
                const CBM& face = person.GetFace(f);
                if (!face.HasImage()) {
                    person.SetFaceOffset(f, -1);
                    continue;
                }
                face.Draw(memory, x, 0, face.GetWidth(), face.GetHeight());
                person.SetFaceStrip(counter);
                person.SetFaceOffset(f, x);
                // The faces are drawn from the strip from now on.
                const_cast<CBM&>(face).ReleaseGdiObjects();
                x += face.GetWidth();
            }
        }
        memory.SelectObject(previous);
        auto& strips = m_game.faceStrips;
        if (counter >= static_cast<int>(strips.size()))
            strips.resize(static_cast<size_t>(counter) + 1);
        strips[static_cast<size_t>(counter)] = std::move(strip);
        ++counter;
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void CVDoc::RepackFaceGroup(int i, bool governors) {
    std::vector<CPersonData>& table = Table(governors);
    // Only the update of a group's last person packs the group: the persons
    // before it arrive first.
    if (i < 0 || i >= static_cast<int>(table.size()) || i % kGroupSize != kGroupSize - 1) return;
    int first = i / kGroupSize * kGroupSize;
    int last = std::min(first + kGroupSize, static_cast<int>(table.size())) - 1;
    // The group keeps its strip number, so that the other persons of the
    // table and of the other table still find theirs; a group that had no
    // faces gets a new strip at the end.
    int strip = -1;
    for (int p = first; p <= last && strip < 0; ++p)
        strip = table[static_cast<size_t>(p)].GetFaceStrip();
    if (strip < 0) strip = GetFaceStripCount();
    PackFaceStrips(strip, governors, first, last);
    m_game.governorFaces = ComputeGovernorFaces();
}

int CVDoc::ComputeGovernorFaces() const {
    return std::all_of(m_game.governors.begin(), m_game.governors.end(),
                       [](const CPersonData& p) { return p.GetFaceStrip() != -1; })
               ? 1
               : 0;
}

CBitmap* CVDoc::GetFaceStrip(int strip) {
    if (strip < 0 || strip >= GetFaceStripCount()) return nullptr;
    return m_game.faceStrips[static_cast<size_t>(strip)].get();
}
