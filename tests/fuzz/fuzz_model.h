#pragma once
// One fuzz step for the model readers: parse, and on success walk everything the GL step
// and oxa-check would use. Bad files must raise DataError and nothing else.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/data_error.h"
#include "assets/list_plan.h"
#include "assets/model_file.h"

inline void fuzzModelFile(ModelFileKind kind, const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        ModelFile model = parseModelFile(kind, bytes, "fuzz.wkx");
        for (const ModelObject& object : model.objects) {
            ListPlan plan = listPlan(kind, object);
            stateLeft(plan);
        }
    } catch (const DataError& error) {
        error.report();
    }
}
