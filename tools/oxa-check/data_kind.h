#pragma once
// The kinds of data file oxa-check knows, and which one a file's name implies.

#include <optional>
#include <string_view>

enum class DataKind { Texture, Object, Scene, Layout, Wave };

// ".srm" texture, ".mex" layout, ".wav" wave, "SCE\DATA\garden*.wkx" and "MOD\DATA\oxa.wkx" scene
// model, any other ".wkx" object model. Either separator, any letter case.
std::optional<DataKind> guessDataKind(std::string_view path);

// The names --as takes, and the kind names in JSON: texture, object, scene, layout, wave.
std::optional<DataKind> dataKindNamed(std::string_view name);
const char* dataKindName(DataKind kind);
