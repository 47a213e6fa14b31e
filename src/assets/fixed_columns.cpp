#include "assets/fixed_columns.h"

#include "assets/data_error.h"
#include "assets/text_lines.h"

FixedColumnLines::FixedColumnLines(std::string_view bytes, std::string fileName)
    : text_(bytes), lines_(lineSpans(bytes)), fileName_(std::move(fileName)) {}

void FixedColumnLines::fail(const std::string& message, int64_t index) const {
    // Line numbers in reports count from 1, as editors show them.
    throw DataError(message, fileName_, static_cast<int>(index + 1));
}

std::string_view FixedColumnLines::line(int64_t index) const {
    if (index < 0 || index >= lineCount())
        fail("List index out of bounds (" + std::to_string(index) + ")", index);
    const LineSpan& span = lines_[static_cast<size_t>(index)];
    return std::string_view(text_).substr(span.start, span.length);
}

std::string_view FixedColumnLines::field(int64_t index, int column, int width) const {
    std::string_view text = line(index);
    size_t start = static_cast<size_t>(column - 1);
    if (start >= text.size()) return {};
    return text.substr(start, static_cast<size_t>(width));
}

double FixedColumnLines::parse(std::string_view text, int64_t index) const {
    std::string_view trimmed = trimBlanks(text);
    auto value = parseDecimal(trimmed);
    if (!value) fail("'" + std::string(trimmed) + "' is not a valid floating point value", index);
    return *value;
}

double FixedColumnLines::number(int64_t index, int column, int width) const {
    return parse(field(index, column, width), index);
}

int32_t FixedColumnLines::integer(int64_t index, int column, int width) const {
    return truncateToInt(number(index, column, width));
}

char FixedColumnLines::letter(int64_t index, int column) const {
    const std::string_view text = line(index);
    size_t at = static_cast<size_t>(column - 1);
    if (at >= text.size()) fail("Range check error", index);
    return text[at];
}

std::array<double, 3> FixedColumnLines::colour(int64_t index, int column, int width) const {
    // A part the commas do not delimit is empty, and an empty part is not a number.
    std::string_view rest = trimBlanks(field(index, column, width));
    std::array<std::string_view, 3> parts;
    for (size_t k = 0; k < parts.size(); ++k) {
        size_t comma = k + 1 < parts.size() ? rest.find(',') : std::string_view::npos;
        parts[k] = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    std::array<double, 3> rgb{};
    for (size_t k = 0; k < parts.size(); ++k) rgb[k] = parse(parts[k], index) / 255.0;
    return rgb;
}
