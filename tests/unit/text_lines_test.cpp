#include "assets/text_lines.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

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

// The model files' numbers are read by a fast path; it must give the very doubles the
// general reader (from_chars) gives, rounding, signs of zero and the edges of its range
// included.
TEST(ParseDecimal, PlainDecimalsGiveTheDoublesFromCharsGives) {
    auto expectSame = [](const std::string& text) {
        std::string dotted = text;
        for (char& c : dotted)
            if (c == ',') c = '.';
        const char* begin = dotted.c_str() + (dotted[0] == '+');
        double expected = 0;
        ASSERT_EQ(std::from_chars(begin, dotted.c_str() + dotted.size(), expected).ec, std::errc())
            << text;
        auto value = parseDecimal(text);
        ASSERT_TRUE(value) << text;
        uint64_t got = 0, want = 0;
        std::memcpy(&got, &*value, sizeof got);
        std::memcpy(&want, &expected, sizeof want);
        EXPECT_EQ(got, want) << text;
    };
    for (const char* text : {"0",
                             "-0",
                             "-0.0",
                             "+0,0",
                             "0.1",
                             "0.3",
                             "2.675",
                             "-1.005",
                             "0.30000000000000004",
                             "9007199254740991",
                             "9007199254740992",
                             "9007199254740993",
                             "900719925474099.3",
                             "12345678901234567",
                             "123456789012345678",
                             "0.00000000000000001",
                             "1.7976931348623157",
                             "4503599627370495.5",
                             "1e5",
                             "-2,5e-3",
                             "0012.5000"})
        expectSame(text);
    uint32_t seed = 7;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int k = 0; k < 20000; ++k) {
        std::string text = next() % 2 ? "-" : "";
        const int whole = 1 + static_cast<int>(next() % 9), fraction = static_cast<int>(next() % 9);
        for (int d = 0; d < whole; ++d) text += static_cast<char>('0' + (next() >> 16) % 10);
        if (fraction) text += next() % 2 ? '.' : ',';
        for (int d = 0; d < fraction; ++d) text += static_cast<char>('0' + (next() >> 16) % 10);
        expectSame(text);
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
