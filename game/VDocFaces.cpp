// The face strips: the faces of each group of three persons of a table are
// copied side by side into one bitmap, which the persons draw from.

#include <algorithm>
#include <new>

#include "game/VDoc.h"
#include "model/FaceStrip.h"
#include "platform/gfx/DC.h"

namespace {
constexpr int kGroupSize = 3;
}  // namespace

int CVDoc::PackFaceStrips(int& counter, bool governors, int first, int last) {
    std::vector<CPersonData>& table = Table(governors);
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(table.size()) - 1);
    std::vector<CPersonData*> group;
    for (int i = first; i <= last; ++i) group.push_back(&table[static_cast<size_t>(i)]);
    std::unique_ptr<CBitmap> strip;
    if (!CFaceStrip::Pack(group, counter, strip)) return 0;
    if (!strip) return 1;
    auto& strips = m_game.faceStrips;
    if (counter >= static_cast<int>(strips.size())) strips.resize(static_cast<size_t>(counter) + 1);
    strips[static_cast<size_t>(counter)] = std::move(strip);
    ++counter;
    return 1;
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
