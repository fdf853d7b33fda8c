#include "views/EpBenefit.h"

void CEpBenefit::Refresh() {}
