#include "judge/StartupError.h"

#include "judge/ArboDoc.h"
#include "model/MercavoError.h"

namespace judge {

std::string GetStartupErrorText(int error, const std::string& path) {
    switch (error) {
        case CArboDoc::kOpenFailed:
            return "The file " + path + " could not be opened.";
        case eMERCAVO_ERROR_MEMORY:
            return "Insufficient memory.";
        case eMERCAVO_ERROR_VERSION:
            return "The file (QORDIN.MQD) is not available.";
        case eMERCAVO_ERROR_CONTENTS:
            return "The file(QORDIN.MQD) contents are incorrect.";
        default:
            return "Error";
    }
}

}  // namespace judge
