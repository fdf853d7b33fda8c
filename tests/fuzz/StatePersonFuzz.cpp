// The receivers of group 02 of the state records: one person's state and the blocks over a table, fed arbitrary records (see StateFuzzHarness.h).

#include "StateFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunStateFuzz(data, size, 300, 2, {0,1,2,3,5,7,10,101,200,201,202,203});
}
