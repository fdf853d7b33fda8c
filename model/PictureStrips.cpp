#include "model/PictureStrips.h"

#include "platform/gfx/DC.h"

bool CPictureStrips::LoadPicture(const std::string&, const SPictureEntry&, const CPalette*,
                                 CBitmap&) {
    return false;
}
bool CPictureStrips::CopyBitmap(const CBitmap&, CBitmap&) { return false; }
bool CPictureStrips::Load(const std::string&, const CPalette*) { return false; }
CBitmap* CPictureStrips::GetBitmap(int) { return nullptr; }
CSize CPictureStrips::GetCellSize(int) const { return CSize(0, 0); }
void CPictureStrips::DrawColorMark(CDC&, int, int, int, BOOL) const {}
void CPictureStrips::DrawSmallMark(CDC&, int, int, int, BOOL) const {}
void CPictureStrips::DrawPairMark(CDC&, int, int, int) const {}
void CPictureStrips::DrawRowMark(CDC&, int, int, int, BOOL) const {}
void CPictureStrips::DrawCompanyTitle(CDC&, int, int, int, int, const CEnterprise&, BOOL) const {}
void CPictureStrips::DrawPersonTitle(CDC&, int, int, int, int, const CEnterprise*,
                                     const std::string&) const {}
void CPictureStrips::DrawEtchedFrame(CDC&, int, int, int, int) const {}
