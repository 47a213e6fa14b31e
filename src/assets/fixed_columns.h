#pragma once
// The fixed-column text of model and layout files: lines numbered from 0, columns from 1,
// every value at its own columns. Reading past the last line, a missing letter column or a
// field that is not a number raises the runtime's errors, located at the line concerned.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assets/text_lines.h"

class FixedColumnLines {
  public:
    FixedColumnLines(std::string_view bytes, std::string fileName);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    const std::string& fileName() const { return fileName_; }

    // Line `index`; "List index out of bounds (%d)" when there is none.
    std::string_view line(int64_t index) const;

    // Columns column .. column + width - 1 of a line, cut short at its end.
    std::string_view field(int64_t index, int column, int width) const;

    // A field read as a decimal real, blanks around it allowed.
    double number(int64_t index, int column, int width) const;
    // The same, truncated toward zero.
    int32_t integer(int64_t index, int column, int width) const;

    // The single character at a column; "Range check error" when the line is shorter.
    char letter(int64_t index, int column) const;

    // "R,G,B" at the given columns, trimmed and split at its first two commas, each part
    // divided by 255 (not clamped).
    std::array<double, 3> colour(int64_t index, int column, int width) const;

    [[noreturn]] void fail(const std::string& message, int64_t index) const;

  private:
    double parse(std::string_view text, int64_t index) const;

    std::string text_;  // the file's bytes, held once: the lines are spans of them
    std::vector<LineSpan> lines_;
    std::string fileName_;
};
