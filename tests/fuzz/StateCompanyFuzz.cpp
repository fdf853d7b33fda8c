// The receivers of group 01 of the state records: a company's fields, its history and plans, fed arbitrary records (see StateFuzzHarness.h).

#include "StateFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunStateFuzz(data, size, 300, 1, {0,1,3,6,7,8,9,10,11,14,15,16,17,18,19,21,22,23,24,25,26,30,50,100});
}
