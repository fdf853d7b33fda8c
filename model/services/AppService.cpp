#include "model/services/AppService.h"

#include "platform/core/ProgramFolder.h"

std::string CDetachedAppService::GetProgramDirectory() { return CProgramFolder::Get(); }
