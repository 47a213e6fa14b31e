#include <gtest/gtest.h>

#include "assets/data_error.h"
#include "assets/model_file.h"
#include "unit/model_fixtures.h"

namespace {

using fixture::add;
using fixture::header;

ModelFile readScene(const std::vector<std::string>& lines) {
    return parseModelFile(ModelFileKind::Scene, fixture::join(lines, "\n"), "garden02.wkx");
}

TEST(SceneModel, PlacementsFollowTheVerticesAndTheNextHeaderFollowsThem) {
    struct Case {
        int placements;
        int vertexCount;
    };
    const Case cases[] = {{0, 3}, {1, 3}, {3, 3}, {3, 0}, {2, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "P=" << c.placements << " V=" << c.vertexCount);
        std::vector<std::string> file = {"  2", header(c.vertexCount, c.placements, 'N', 'a', 0)};
        int vertexLines = (c.vertexCount + 2) / 3 * 3;
        for (int k = 0; k < vertexLines; ++k) file.push_back(fixture::textured(0, 0, 0, 0, 0));
        for (int j = 0; j < c.placements; ++j) add(file, fixture::translation(j, 2 * j, 0.5));
        int secondHeader = static_cast<int>(file.size());
        file.push_back(header(0, 1, 'C', 'k', 0));
        add(file, fixture::translation(9, 9, 9));

        ModelFile model = readScene(file);
        ASSERT_EQ(model.objects.size(), 2u);
        const ModelObject& first = model.objects[0];
        EXPECT_EQ(first.vertices.size(), static_cast<size_t>(vertexLines));
        ASSERT_EQ(first.placements.size(), static_cast<size_t>(c.placements));
        for (int j = 0; j < c.placements; ++j) {
            const PlacementMatrix& m = first.placements[static_cast<size_t>(j)];
            // Column-major: the fourth line is the fourth column, the translation.
            EXPECT_EQ(m[12], j);
            EXPECT_EQ(m[13], 2 * j);
            EXPECT_EQ(m[14], 0.5);
            EXPECT_EQ(m[15], 1);
            EXPECT_EQ(m[0], 1);
            EXPECT_EQ(m[5], 1);
        }
        EXPECT_EQ(model.objects[1].headerLine, secondHeader);
        ASSERT_EQ(model.objects[1].placements.size(), 1u);
        EXPECT_EQ(model.objects[1].placements[0][12], 9);
    }
}

TEST(SceneModel, MatrixIsTakenAsWritten) {
    std::vector<std::string> file = {"  1",
                                     header(0, 1, 'N', 'a', 0),
                                     fixture::numbers4(1, 2, 3, 4),
                                     fixture::numbers4(5, 6, 7, 8),
                                     fixture::numbers4(9, 10, 11, 12),
                                     fixture::numbers4(13, 14, 15, 16)};
    PlacementMatrix expected;
    for (size_t k = 0; k < 16; ++k) expected[k] = static_cast<double>(k + 1);
    EXPECT_EQ(readScene(file).objects[0].placements[0], expected);
}

TEST(SceneModel, BrokenPlacementsNameTheirLine) {
    struct Case {
        const char* what;
        std::vector<std::string> placement;
        std::string report;
    };
    const Case cases[] = {
        {"blank number",
         {fixture::numbers4(1, 0, 0, 0), "  0.000         0.000  0.000",
          fixture::numbers4(0, 0, 1, 0), fixture::numbers4(0, 0, 0, 1)},
         "garden02.wkx:4: '' is not a valid floating point value"},
        {"fourth number missing",
         {fixture::numbers4(1, 0, 0, 0), fixture::numbers4(0, 1, 0, 0),
          fixture::numbers4(0, 0, 1, 0), "  0.000  0.000  0.000"},
         "garden02.wkx:6: '' is not a valid floating point value"},
        {"file cut short",
         {fixture::numbers4(1, 0, 0, 0), fixture::numbers4(0, 1, 0, 0)},
         "garden02.wkx:5: List index out of bounds (4)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> file = {"  1", header(0, 1, 'N', 'a', 0)};
        add(file, c.placement);
        try {
            readScene(file);
            ADD_FAILURE() << "no error";
        } catch (const DataError& error) {
            EXPECT_EQ(error.report(), c.report);
        }
    }
}

}  // namespace
