#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "__SNG/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CWaveFile wave;
    if (FAILED(wave.OpenBytes(std::string(reinterpret_cast<const char*>(data), size)))) return 0;
    // The sound data lies inside the file, and filling reads no byte beyond it.
    if (wave.GetSize() > size || !wave.GetFormat()) __builtin_trap();
    std::vector<uint8_t> area(std::min<uint32_t>(wave.GetSize(), 1u << 16) * 2 + 3);
    if (FAILED(fillWithSound(wave, area.data(), static_cast<uint32_t>(area.size()), true)))
        __builtin_trap();
    (void)unplayableFormat(*wave.GetFormat());
    return 0;
}
