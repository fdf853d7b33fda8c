#include "model/services/AppService.h"

#include <ctime>

#include "platform/core/ProgramFolder.h"

std::string CDetachedAppService::GetProgramDirectory() {
    return CProgramFolder::Get();
}

int64_t CDetachedAppService::GetUtcTime() {
    return static_cast<int64_t>(std::time(nullptr));
}
