#include "assets/text_lines.h"

#include <gtest/gtest.h>

#include "assets/data_error.h"

TEST(NumericLine, ReadsTheFirstTenCharactersAsADecimal) {
    struct Case {
        const char* line;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"1", 1.0},
        {"  1.9     ", 1.9},
        {"1,9", 1.9},  // the comma of Polish Windows
        {"-0.75", -0.75},
        {"+3", 3.0},
        {"\t42\t", 42.0},
        {"1234567890123", 1234567890.0},  // only the first ten characters count
        {"12345 junk", std::nullopt},     // ...and those must be a number
        {"0.5       trailing comment", 0.5},
        {"2e3", 2000.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"inf", std::nullopt},
        {"0x10", std::nullopt},
        {".5", 0.5},
        {"-", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        auto value = numericField(c.line);
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.value);
        }
    }
}

TEST(NumericLine, IntegerFieldsTruncateTowardZero) {
    EXPECT_EQ(truncateToInt(1.9), 1);
    EXPECT_EQ(truncateToInt(-1.9), -1);
    EXPECT_EQ(truncateToInt(0.999), 0);
    EXPECT_EQ(truncateToInt(1e12), 2147483647);
    EXPECT_EQ(truncateToInt(-1e12), -2147483647 - 1);
}

TEST(NumericLine, ErrorsNameTheFileLineAndProblem) {
    std::vector<std::string> lines = {"1", "oops"};
    EXPECT_EQ(numericLineInt(lines, 0, "f.mtt"), 1);
    try {
        numericLine(lines, 1, "STA/f.mtt");
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.report(), "STA/f.mtt:2: 'oops' is not a valid floating point value");
    }
    try {
        numericLine(lines, 5, "STA/f.mtt");
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.report(), "STA/f.mtt:6: List index out of bounds (5)");
    }
}

TEST(SplitLines, HandlesEveryLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}
