#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/data_error.h"
#include "game/progress_file.h"

// A table read from any bytes, given a new score and written back over them, reads back
// the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProgressTable table;
    try {
        table = parseProgressTable(bytes, "f");
    } catch (const DataError&) {
        updatedProgressBytes(bytes, table);
        return 0;
    }
    insertScore(table, size > 0 ? static_cast<int8_t>(data[0]) * 1000 : 0);
    ProgressTable back = parseProgressTable(updatedProgressBytes(bytes, table), "f");
    for (size_t row = 0; row < ProgressTable::bestScoreCount; ++row)
        if (back.scores[row] != table.scores[row]) __builtin_trap();
    if (back.unlocked != table.unlocked || back.spare != table.spare) __builtin_trap();
    return 0;
}
