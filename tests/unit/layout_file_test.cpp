#include <gtest/gtest.h>

#include "assets/model_file.h"
#include "unit/model_fixtures.h"

namespace {

using fixture::header;

TEST(LayoutFile, FourVertexLinesPerThreeCountedVertices) {
    struct Case {
        int vertexCount;
        size_t linesRead;
    };
    const Case cases[] = {{0, 0}, {1, 4}, {3, 4}, {4, 8}, {6, 8}, {7, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vertexCount);
        std::vector<std::string> file = {"  2", header(c.vertexCount, 0, 'N', 'A', 4)};
        for (size_t k = 0; k < c.linesRead; ++k)
            file.push_back(fixture::textured(static_cast<double>(k), 1, 0, 0.5, 0.25));
        // No skipped lines: the next header follows the last vertex line.
        file.push_back(header(3, 0, 'C', 'x', 0));
        for (int k = 0; k < 4; ++k) file.push_back(fixture::untextured(k, 2, 0));
        ModelFile model = parseModelFile(ModelFileKind::Layout, fixture::join(file), "menuone.mex");
        ASSERT_EQ(model.objects.size(), 2u);
        ASSERT_EQ(model.objects[0].vertices.size(), c.linesRead);
        for (size_t k = 0; k < c.linesRead; ++k) {
            EXPECT_EQ(model.objects[0].vertices[k].position[0], static_cast<double>(k));
            EXPECT_EQ(model.objects[0].vertices[k].texCoord[1], 0.25);
        }
        EXPECT_EQ(model.objects[1].headerLine, static_cast<int>(c.linesRead) + 2);
        EXPECT_EQ(model.objects[1].vertices.size(), 4u);
        EXPECT_EQ(model.objects[1].vertices[3].position[0], 3.0);
    }
}

}  // namespace
