#include "core/top_level.h"

#include <cstdio>
#include <cstdlib>

#include "assets/data_error.h"
#include "core/display_record.h"
#include "core/game_flow.h"

namespace {

bool ending = false;

}  // namespace

bool gameIsEnding() {
    return ending;
}

void quitGame(int exitCode) {
    ending = true;
    ekran.restoreMode();
    freeEverything();
    std::exit(exitCode);
}

void dieOfError(const std::exception& error) {
    ending = true;
    ekran.restoreMode();
    if (auto* dataError = dynamic_cast<const DataError*>(&error))
        std::fprintf(stderr, "oxa: %s\n", dataError->report().c_str());
    else
        std::fprintf(stderr, "oxa: %s\n", error.what());
    std::exit(1);
}
