#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/texture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto texture = parseTextureFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (texture && texture->pixels.size() != static_cast<size_t>(texture->side * texture->side *
                                                                 texture->bytesPerPixel()))
        __builtin_trap();
    return 0;
}
