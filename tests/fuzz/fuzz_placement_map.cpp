#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/data_error.h"
#include "game/placement_map.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        PlacementMap map =
            readPlacementMap(std::string_view(reinterpret_cast<const char*>(data), size), "f");
        int freeCells = 0;
        for (int i = 0; i < PlacementMap::side; ++i)
            for (int j = 0; j < PlacementMap::side; ++j) freeCells += map.isFree(i, j);
        if (freeCells > PlacementMap::side * PlacementMap::side) __builtin_trap();
    } catch (const DataError&) {
    }
    return 0;
}
