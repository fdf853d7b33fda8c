#include "model/NetPorts.h"

#include <cstdlib>

int NetPortBase() {
    const char* text = std::getenv("MERCAVO_PORT_BASE");
    if (!text || !*text) return kDefaultNetPortBase;
    char* end = nullptr;
    const long base = std::strtol(text, &end, 10);
    // The ports above the base must be valid ports.
    if (*end != '\0' || base < 1 || base > 65535 - kNetPortsAboveBase) return kDefaultNetPortBase;
    return static_cast<int>(base);
}
