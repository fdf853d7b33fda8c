// The receivers of group 00 of the state records: the document's values, fed arbitrary records (see StateFuzzHarness.h).

#include "StateFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunStateFuzz(data, size, 300, 0, {0,1,2,3,4,5,7,10,100});
}
