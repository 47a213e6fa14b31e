#include <gtest/gtest.h>

#include "assets/data_error.h"
#include "assets/model_file.h"
#include "unit/model_fixtures.h"

namespace {

using fixture::add;
using fixture::header;
using fixture::textured;

ModelFile readObjects(const std::vector<std::string>& lines) {
    return parseModelFile(ModelFileKind::Object, fixture::join(lines), "kwiata.wkx");
}

// The error a file raises, as "FILE:LINE: message".
std::string errorOf(ModelFileKind kind, const std::vector<std::string>& lines) {
    try {
        parseModelFile(kind, fixture::join(lines), "m.wkx");
    } catch (const DataError& error) {
        return error.report();
    }
    return "no error";
}

std::vector<std::string> skippedLines() {
    return {"skip", "skip", "skip", "skip"};
}

TEST(ObjectModel, CountLineTakesColumnsOneToThreeWithBlanks) {
    struct Case {
        const char* countLine;
        size_t objects;
    };
    const Case cases[] = {{"2", 2},   {"  2", 2}, {" 2 ", 2}, {"2  trailing text", 2},
                          {"2.9", 2}, {"0", 0},   {"  0", 0}, {"-1", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.countLine);
        std::vector<std::string> file = {c.countLine};
        for (int k = 0; k < 2; ++k) {
            file.push_back(header(3, 1, 'N', 'a', 0));
            add(file, fixture::triangle());
            add(file, skippedLines());
        }
        EXPECT_EQ(readObjects(file).objects.size(), c.objects);
    }
}

TEST(ObjectModel, VerticesAreReadInWholeTriangles) {
    struct Case {
        int vertexCount;
        size_t linesRead;
    };
    const Case cases[] = {{0, 0}, {1, 3}, {3, 3}, {4, 6}, {6, 6}, {-5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vertexCount);
        std::vector<std::string> file = {"  2", header(c.vertexCount, 0, 'N', 'a', 0)};
        for (size_t k = 0; k < c.linesRead; ++k) file.push_back(textured(k, 0, 0, 0, 0));
        add(file, skippedLines());
        // The second object's header must be found right after the four skipped lines.
        file.push_back(header(0, 0, 'C', 'k', 7));
        ModelFile model = readObjects(file);
        ASSERT_EQ(model.objects.size(), 2u);
        ASSERT_EQ(model.objects[0].vertices.size(), c.linesRead);
        for (size_t k = 0; k < c.linesRead; ++k)
            EXPECT_EQ(model.objects[0].vertices[k].position[0], static_cast<double>(k));
        EXPECT_EQ(model.objects[1].headerLine, static_cast<int>(c.linesRead) + 6);
        EXPECT_EQ(model.objects[1].material, 'k');
        EXPECT_EQ(model.objects[1].flags, 7);
    }
}

TEST(ObjectModel, AKindOtherThanNOrCReadsNoVertexLines) {
    // 'n' is not 'N': the next object starts five lines after the header.
    std::vector<std::string> file = {"  2", header(3, 0, 'n', 'a', 0)};
    add(file, skippedLines());
    file.push_back(header(0, 0, 'N', 'a', 0));
    ModelFile model = readObjects(file);
    ASSERT_EQ(model.objects.size(), 2u);
    EXPECT_TRUE(model.objects[0].vertices.empty());
    EXPECT_EQ(model.objects[1].headerLine, 6);
}

TEST(ObjectModel, ReadsTexturedAndUntexturedLines) {
    std::vector<std::string> file = {
        "  2", header(3, 0, 'N', 'a', 0), textured(1.5, -2.25, 3, 0.25, 0.75, " 255,128,0  "),
        textured(0, 0, 0, 0, 0, "0 , 51 , 300"), "  0,500  1,000 -2,500  0,125  1,000255,255,255"};
    add(file, skippedLines());
    file.push_back(header(3, 0, 'C', 'x', 0));
    for (int k = 0; k < 3; ++k) file.push_back(fixture::untextured(k, 2, 1, "10,20,30"));
    ModelFile model = readObjects(file);
    ASSERT_EQ(model.objects.size(), 2u);
    const auto& first = model.objects[0].vertices;
    EXPECT_EQ(first[0].position, (std::array<double, 3>{1.5, -2.25, 3}));
    EXPECT_EQ(first[0].texCoord, (std::array<double, 2>{0.25, 0.75}));
    EXPECT_DOUBLE_EQ(first[0].colour[0], 1.0);
    EXPECT_NEAR(first[0].colour[1], 0.50196, 1e-5);
    EXPECT_DOUBLE_EQ(first[0].colour[2], 0.0);
    EXPECT_DOUBLE_EQ(first[1].colour[1], 0.2);
    EXPECT_NEAR(first[1].colour[2], 1.17647, 1e-5);  // not clamped
    // The decimal comma of the regional settings the data was written under.
    EXPECT_EQ(first[2].position, (std::array<double, 3>{0.5, 1.0, -2.5}));
    EXPECT_EQ(first[2].texCoord, (std::array<double, 2>{0.125, 1.0}));
    const auto& second = model.objects[1].vertices;
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[2].position, (std::array<double, 3>{2, 2, 1}));
    EXPECT_DOUBLE_EQ(second[2].colour[2], 30.0 / 255.0);
}

TEST(ModelFiles, ErrorsNameTheLineAndUseTheRuntimeMessages) {
    const std::string good = textured(0, 0, 0, 0, 0);
    const std::string fullHeader = header(3, 0, 'N', 'a', 0);
    std::string badCount = fullHeader;
    badCount.replace(5, 5, "   x3");
    const std::string blankUnused = "  0.000  0.000  0.000" + std::string(28, ' ') + "255,255,255";
    struct Case {
        const char* what;
        ModelFileKind kind;
        std::vector<std::string> lines;
        std::string report;
    };
    const Case cases[] = {
        {"empty file", ModelFileKind::Object, {}, "m.wkx:1: List index out of bounds (0)"},
        {"count larger than the file",
         ModelFileKind::Object,
         {"  2", header(0, 0, 'N', 'a', 0)},
         "m.wkx:7: List index out of bounds (6)"},
        {"file cut inside a triangle",
         ModelFileKind::Object,
         {"  1", header(3, 0, 'N', 'a', 0), good},
         "m.wkx:4: List index out of bounds (3)"},
        {"count is no number",
         ModelFileKind::Object,
         {"abc"},
         "m.wkx:1: 'abc' is not a valid floating point value"},
        {"header without the material column",
         ModelFileKind::Object,
         {"  1", fullHeader.substr(0, 16)},
         "m.wkx:2: Range check error"},
        {"header with the letters but no flag number",
         ModelFileKind::Layout,
         {"  1", fullHeader.substr(0, 18)},
         "m.wkx:2: '' is not a valid floating point value"},
        {"vertex count is no number",
         ModelFileKind::Scene,
         {"  1", badCount},
         "m.wkx:2: 'x3' is not a valid floating point value"},
        {"coordinate is no number",
         ModelFileKind::Object,
         {"  1", header(3, 0, 'N', 'a', 0), good, "  1.0  oops   0.0    0.0    0.0255,0,0", good},
         "m.wkx:4: 'oops' is not a valid floating point value"},
        {"colour text without two commas",
         ModelFileKind::Object,
         {"  1", header(3, 0, 'N', 'a', 0), textured(0, 0, 0, 0, 0, "255,128")},
         "m.wkx:3: '' is not a valid floating point value"},
        {"colour part is no number",
         ModelFileKind::Layout,
         {"  1", header(3, 0, 'N', 'a', 0), textured(0, 0, 0, 0, 0, "255,red,0")},
         "m.wkx:3: 'red' is not a valid floating point value"},
        {"untextured line with blank unused columns",
         ModelFileKind::Object,
         {"  1", header(3, 0, 'C', 'a', 0), blankUnused},
         "m.wkx:3: '' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(c.kind, c.lines), c.report);
    }
}

TEST(ModelFiles, OnlyObjectModelsLeaveThePlacementFieldUnconverted) {
    std::vector<std::string> file = {"  1", "         0  ## N a     0"};
    EXPECT_EQ(errorOf(ModelFileKind::Object, file), "no error");
    EXPECT_EQ(errorOf(ModelFileKind::Scene, file),
              "m.wkx:2: '##' is not a valid floating point value");
    EXPECT_EQ(errorOf(ModelFileKind::Layout, file),
              "m.wkx:2: '##' is not a valid floating point value");
}

}  // namespace
