#include "assets/text_lines.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "assets/data_error.h"

std::vector<LineSpan> lineSpans(std::string_view bytes) {
    std::vector<LineSpan> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back({start, i - start});
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < bytes.size()) lines.push_back({start, bytes.size() - start});
    return lines;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (const LineSpan& span : lineSpans(bytes))
        lines.emplace_back(bytes.substr(span.start, span.length));
    return lines;
}

std::string_view trimBlanks(std::string_view text) {
    // Like the runtime's Trim: everything at or below the space character is a blank.
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

namespace {

// The powers of ten a double holds exactly.
constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The numbers of model files, read fast: a sign, digits, one separator with digits after it
// ("-12.375", "0,5", "7"). Such a number is a whole number below 2^53 divided by an exact
// power of ten, and one correctly rounded division gives the correctly rounded double: the
// one from_chars gives. nullopt for anything else (an exponent, ".5", "1.", too many
// digits), which the general reader takes.
std::optional<double> plainDecimal(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint64_t whole = 0;
    int digits = 0, wholeDigits = 0, fractionDigits = -1;  // -1: no separator
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 17) return std::nullopt;
            whole = whole * 10 + static_cast<uint64_t>(c - '0');
            if (fractionDigits < 0)
                ++wholeDigits;
            else
                ++fractionDigits;
        } else if ((c == '.' || c == ',') && fractionDigits < 0) {
            fractionDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits == 0 || fractionDigits == 0 || whole >= (uint64_t{1} << 53))
        return std::nullopt;
    const double value =
        static_cast<double>(whole) / exactPowersOfTen[fractionDigits < 0 ? 0 : fractionDigits];
    return negative ? -value : value;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
    if (auto plain = plainDecimal(text)) return plain;
    std::string normal;
    normal.reserve(text.size());
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal.push_back('-');
        ++i;
    }
    int digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            normal.push_back(c);
            ++digits;
        } else if ((c == '.' || c == ',') && !separator) {
            normal.push_back('.');
            separator = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal.push_back(text[i++]);
        int expDigits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++expDigits)
            normal.push_back(text[i]);
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the runtime overflows to an error too.
        return std::nullopt;
    }
    if (ec != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
    return value;
}

std::optional<double> numericField(std::string_view line) {
    return parseDecimal(trimBlanks(line.substr(0, 10)));
}

int32_t truncateToInt(double value) {
    if (std::isnan(value)) return 0;
    double t = std::trunc(value);
    if (t >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (t <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(t);
}

double numericLine(const std::vector<std::string>& lines, int index, const std::string& file) {
    if (index < 0 || index >= static_cast<int>(lines.size()))
        throw DataError("List index out of bounds (" + std::to_string(index) + ")", file,
                        index + 1);
    const std::string& line = lines[static_cast<size_t>(index)];
    auto value = numericField(line);
    if (!value)
        throw DataError("'" + std::string(trimBlanks(std::string_view(line).substr(0, 10))) +
                            "' is not a valid floating point value",
                        file, index + 1);
    return *value;
}

int32_t numericLineInt(const std::vector<std::string>& lines, int index, const std::string& file) {
    return truncateToInt(numericLine(lines, index, file));
}
