#pragma once
// Whether to ask a driver for anisotropic filtering. Only where the extension exists (the
// parameter is an error elsewhere) and only on hardware: Mesa's software renderers
// (llvmpipe, softpipe) honour it at about thirty times the frame time.

#include <string_view>

bool anisotropyWanted(std::string_view renderer, std::string_view extensions);
