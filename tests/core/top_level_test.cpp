#include "core/top_level.h"

#include <gtest/gtest.h>

#include "assets/data_error.h"

TEST(TopLevel, ADataErrorEndsTheGameWithOneLineAndStatusOne) {
    EXPECT_EXIT(dieOfError(DataError("Range check error", "data/MOD/DATA/x.wkx", 3)),
                testing::ExitedWithCode(1), "^oxa: data/MOD/DATA/x.wkx:3: Range check error\n$");
    EXPECT_EXIT(guarded([] { throw DataError("Cannot open file SCE\\CLP\\s01.clp"); }),
                testing::ExitedWithCode(1), "^oxa: Cannot open file SCE.CLP.s01.clp\n$");
}
