#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/data_error.h"
#include "game/stage_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        StageSettings s =
            readStageSettings(std::string_view(reinterpret_cast<const char*>(data), size), "f");
        const bool forcedOff = (s.spritesOn == 1 || s.spriteCount == 0) &&
                               (s.iconsOn == 1 || s.iconTotal == 0) && s.iconTotal >= 0 &&
                               s.musicFile.starts_with("MOV\\");
        if (!forcedOff || (s.spritesOn == 1 && s.target == 0)) __builtin_trap();
    } catch (const DataError&) {
    }
    return 0;
}
