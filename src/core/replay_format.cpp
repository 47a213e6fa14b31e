#include "core/replay_format.h"

#include <charconv>
#include <cstdio>

#include "assets/data_error.h"

namespace {

constexpr const char* magic = "oxa-replay";

bool parseInt(std::string_view text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> result;
    for (std::string_view part : split(line, ' '))
        if (!part.empty() && part != "\r") result.push_back(part);
    if (!result.empty() && result.back().back() == '\r') result.back().remove_suffix(1);
    return result;
}

// How many numbers each kind of event carries.
int fieldCount(char kind) {
    switch (kind) {
        case InputEvent::PassiveMotion:
        case InputEvent::Drag:
            return 2;
        case InputEvent::Button:
            return 4;
        case InputEvent::Key:
        case InputEvent::Special:
            return 3;
        case InputEvent::NextLevel:
            return 1;
        default:
            return 0;
    }
}

std::optional<InputEvent> parseEvent(std::string_view word) {
    if (word.size() < 3 || word[1] != ':') return std::nullopt;
    const int count = fieldCount(word[0]);
    auto fields = split(word.substr(2), ',');
    if (count == 0 || static_cast<int>(fields.size()) != count) return std::nullopt;
    InputEvent event;
    event.kind = static_cast<InputEvent::Kind>(word[0]);
    int* slots[] = {&event.a, &event.b, &event.c, &event.d};
    for (int i = 0; i < count; ++i)
        if (!parseInt(fields[static_cast<size_t>(i)], *slots[i])) return std::nullopt;
    return event;
}

}  // namespace

std::string headerLine(const ReplayHeader& header) {
    char line[128];
    std::snprintf(line, sizeof line, "%s %d step %u level %d difficulty %d size %dx%d", magic,
                  header.version, header.stepMs, header.level, header.difficulty, header.width,
                  header.height);
    return line;
}

std::optional<ReplayHeader> parseHeaderLine(std::string_view line) {
    auto w = words(line);
    if (w.size() != 10 || w[0] != magic || w[2] != "step" || w[4] != "level" ||
        w[6] != "difficulty" || w[8] != "size")
        return std::nullopt;
    ReplayHeader header;
    int step = 0;
    if (!parseInt(w[1], header.version) || header.version != 1 || !parseInt(w[3], step) ||
        step < 1 || step > 1000 || !parseInt(w[5], header.level) || header.level < 0 ||
        header.level > 10 || !parseInt(w[7], header.difficulty) || header.difficulty < 1 ||
        header.difficulty > 3)
        return std::nullopt;
    header.stepMs = static_cast<uint32_t>(step);
    const size_t x = w[9].find('x');
    if (x == std::string_view::npos || !parseInt(w[9].substr(0, x), header.width) ||
        !parseInt(w[9].substr(x + 1), header.height) || header.width < 64 || header.height < 64 ||
        header.width > 16384 || header.height > 16384)
        return std::nullopt;
    return header;
}

std::string frameLine(int count, const FrameInput& frame) {
    std::string line = std::to_string(count) + ' ' + std::to_string(frame.cursorX) + ' ' +
                       std::to_string(frame.cursorY) + ' ';
    if (!frame.up && !frame.down) line += '-';
    if (frame.up) line += 'U';
    if (frame.down) line += 'D';
    for (const InputEvent& event : frame.events) {
        line += ' ';
        line += static_cast<char>(event.kind);
        line += ':';
        const int values[] = {event.a, event.b, event.c, event.d};
        for (int i = 0; i < fieldCount(event.kind); ++i) {
            if (i) line += ',';
            line += std::to_string(values[i]);
        }
    }
    return line;
}

bool parseFrameLine(std::string_view line, int& count, FrameInput& frame) {
    auto w = words(line);
    if (w.size() < 4 || !parseInt(w[0], count) || count < 1 || !parseInt(w[1], frame.cursorX) ||
        !parseInt(w[2], frame.cursorY))
        return false;
    if (w[3] == "-") {
        frame.up = frame.down = false;
    } else if (w[3] == "U" || w[3] == "D" || w[3] == "UD") {
        frame.up = w[3].find('U') != std::string_view::npos;
        frame.down = w[3].find('D') != std::string_view::npos;
    } else {
        return false;
    }
    frame.events.clear();
    for (size_t i = 4; i < w.size(); ++i) {
        auto event = parseEvent(w[i]);
        if (!event) return false;
        frame.events.push_back(*event);
    }
    return true;
}

void ReplayWriter::add(const FrameInput& frame) {
    if (pendingCount_ > 0 && frame.events.empty() && frame.sameControls(pending_)) {
        ++pendingCount_;
        return;
    }
    flush();
    pending_ = frame;
    pendingCount_ = 1;
}

void ReplayWriter::flush() {
    if (pendingCount_ > 0) sink_(frameLine(pendingCount_, pending_));
    pendingCount_ = 0;
}

ReplayReader::ReplayReader(std::vector<std::string> lines, std::string fileName, int firstLine)
    : lines_(std::move(lines)), fileName_(std::move(fileName)), firstLine_(firstLine) {}

std::optional<FrameInput> ReplayReader::next() {
    if (left_ > 0) {
        --left_;
        current_.events.clear();  // a line's events come before its first frame only
        return current_;
    }
    while (index_ < lines_.size()) {
        const std::string& line = lines_[index_++];
        if (words(line).empty()) continue;
        int count = 0;
        if (!parseFrameLine(line, count, current_))
            throw DataError("not a replay frame: " + line, fileName_,
                            firstLine_ + static_cast<int>(index_) - 1);
        left_ = count - 1;
        return current_;
    }
    return std::nullopt;
}
