#pragma once
// A face strip: the faces of a group of persons copied side by side into one
// bitmap, which the persons draw their faces from. The game document packs
// groups of three, the judgment groups of thirty.

#include <memory>
#include <vector>

class CBitmap;
class CPersonData;

class CFaceStrip {
public:
    // Copies the present faces of the persons, in person and face order,
    // into a new bitmap as strip `number`: each person with a face records
    // the number, each face its x in the strip (-1 when absent), and the
    // faces give up their own bitmaps. strip stays empty for a group
    // without faces. false when the bitmap could not be made.
    static bool Pack(const std::vector<CPersonData*>& persons, int number,
                     std::unique_ptr<CBitmap>& strip);
};
