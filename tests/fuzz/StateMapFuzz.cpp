// The receivers of group 03 of the state records: the leagues and the areas, routed by index, fed arbitrary records (see StateFuzzHarness.h).

#include "StateFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunStateFuzz(data, size, 300, 3, {20,21,22,40,70,71,72,73,74,75,76,77,80,81,82,83,84,85,86,87,88,89,110});
}
