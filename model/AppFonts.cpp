#include "model/AppFonts.h"

#include "platform/gfx/DC.h"

int CAppFonts::FontHeight(int, int) { return 0; }
int CAppFonts::FontWeight(int) { return 0; }
bool CAppFonts::Create(int, CDC&) { return false; }
void CAppFonts::Release() {}
