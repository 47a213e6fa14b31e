#include "assets/anisotropy.h"

#include <array>

namespace {

bool hasExtension(std::string_view extensions, std::string_view name) {
    size_t at = 0;
    while ((at = extensions.find(name, at)) != std::string_view::npos) {
        size_t end = at + name.size();
        bool startsWord = at == 0 || extensions[at - 1] == ' ';
        bool endsWord = end == extensions.size() || extensions[end] == ' ';
        if (startsWord && endsWord) return true;
        at = end;
    }
    return false;
}

}  // namespace

bool anisotropyWanted(std::string_view renderer, std::string_view extensions) {
    constexpr std::array<std::string_view, 4> softwareRenderers = {"llvmpipe", "softpipe",
                                                                   "Software Rasterizer", "SWR"};
    for (std::string_view name : softwareRenderers)
        if (renderer.find(name) != std::string_view::npos) return false;
    return hasExtension(extensions, "GL_EXT_texture_filter_anisotropic") ||
           hasExtension(extensions, "GL_ARB_texture_filter_anisotropic");
}
