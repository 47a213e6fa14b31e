#pragma once
// The one error type of the data readers. It carries the runtime's message text as the
// game always printed it ("Cannot open file %s", "Range check error", ...) and where it
// happened, so the top level can report "oxa: FILE:LINE: message" in one line.

#include <stdexcept>
#include <string>

class DataError : public std::runtime_error {
public:
    DataError(std::string message, std::string file = {}, int line = 0)
        : std::runtime_error(message), message_(std::move(message)), file_(std::move(file)),
          line_(line) {}

    const std::string& message() const { return message_; }
    const std::string& file() const { return file_; }
    // 1-based line number, 0 when the error concerns the whole file.
    int line() const { return line_; }

    // "FILE:LINE: message", "FILE: message" or just "message".
    std::string report() const;

    // The same error, located in a file (keeps a line already set).
    DataError at(const std::string& file, int line) const {
        return DataError(message_, file_.empty() ? file : file_, line_ ? line_ : line);
    }

private:
    std::string message_;
    std::string file_;
    int line_;
};
