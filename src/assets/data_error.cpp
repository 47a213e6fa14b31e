#include "assets/data_error.h"

std::string DataError::report() const {
    if (file_.empty()) return message_;
    if (line_ > 0) return file_ + ":" + std::to_string(line_) + ": " + message_;
    return file_ + ": " + message_;
}
