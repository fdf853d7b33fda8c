// The receivers of the broken-building report (class 400, 02/053 and 02/054) and its display, fed arbitrary records (see StateFuzzHarness.h).

#include "StateFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunStateFuzz(data, size, 400, 2, {53,54});
}
