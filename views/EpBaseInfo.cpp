#include "views/EpBaseInfo.h"

void CEpBaseInfo::Refresh() {}
