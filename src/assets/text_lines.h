#pragma once
// Text files as the game reads them: a list of lines, and the numeric-line rule used by
// every settings, stage, creature and progress file: a number is the line's first 10
// characters, trimmed of blanks, read as a decimal real (with '.' or ',' as the decimal
// separator) and truncated toward zero where the field is an integer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits a file's bytes into lines at CR LF, LF or CR. A final line break does not add an
// empty line.
std::vector<std::string> splitLines(std::string_view bytes);

// The same lines as where each starts in the bytes and how long it is.
struct LineSpan {
    size_t start = 0, length = 0;
};
std::vector<LineSpan> lineSpans(std::string_view bytes);

// Strips spaces, tabs and other control blanks from both ends.
std::string_view trimBlanks(std::string_view text);

// Parses a whole (already trimmed) text as a decimal real: optional sign, digits with at
// most one '.' or ',' separator, an optional exponent. Nothing else is accepted, not even
// "inf" or hexadecimal.
std::optional<double> parseDecimal(std::string_view text);

// The numeric-line rule: the first 10 characters of the line, trimmed, as a real.
std::optional<double> numericField(std::string_view line);

// Truncation toward zero of a parsed real, saturated to the int32 range.
int32_t truncateToInt(double value);

// The numeric-line rule on line `index` of `lines`, raising DataError with the runtime's
// messages where the line is missing ("List index out of bounds (%d)") or not a number
// ("'%s' is not a valid floating point value"). Line numbers in the error are 1-based.
double numericLine(const std::vector<std::string>& lines, int index, const std::string& file);
int32_t numericLineInt(const std::vector<std::string>& lines, int index, const std::string& file);
