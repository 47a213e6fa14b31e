#include "fuzz_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzModelFile(ModelFileKind::Object, data, size);
    return 0;
}
