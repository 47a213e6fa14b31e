#pragma once
// One data file read the way the game reads it: what was found, or where it went wrong.

#include <optional>
#include <string>

#include "assets/data_error.h"
#include "assets/model_file.h"
#include "assets/texture_file.h"
#include "data_kind.h"
#include "wave_summary.h"

struct Inspection {
    std::string file;              // the name given, or the real path it resolved to
    std::optional<DataKind> kind;  // unset when the name implies none and --as was not given
    std::optional<ModelFile> model;
    std::optional<TextureFile> texture;
    std::optional<WaveSummary> wave;
    std::optional<DataError> error;

    bool ok() const { return !error; }
};

// `path` may use '/' or the game's backslashes; letter case is forgiven where the file
// system would not. `kind` overrides what the name implies.
Inspection inspectFile(std::string_view path, std::optional<DataKind> kind);
