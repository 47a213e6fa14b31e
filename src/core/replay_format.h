#pragma once
// The replay file: what the player did, frame by frame, so that a fixed-step run can be
// played again exactly.
//
//   oxa-replay 1 step 33 level 1 difficulty 1 size 320x240
//   12 512 384 U
//   1 530 380 U M:530,380
//   ...
//
// After the header line (format version, frame step in milliseconds, the level the run
// starts with, its difficulty, and the size of the screen the pointer moved on) every line stands
// for COUNT frames in a row with the same pointer (x, y in screen pixels) and arrow keys ("-", "U",
// "D" or "UD"). The events on a line reach the game before the first of its frames, in their order:
//   M:x,y        pointer moved (passive motion)        D:x,y      moved with a button down
//   B:b,s,x,y    mouse button b pressed (s 0) or released (s 1)
//   K:c,x,y      typed character c (its byte value)    S:k,x,y    special key k pressed
//   L:n          the run went on to level n (the summary's next-level step)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct InputEvent {
    enum Kind : char {
        PassiveMotion = 'M',
        Drag = 'D',
        Button = 'B',
        Key = 'K',
        Special = 'S',
        NextLevel = 'L',
    };
    Kind kind = PassiveMotion;
    int a = 0, b = 0, c = 0, d = 0;  // in the order the line gives them
    bool operator==(const InputEvent&) const = default;
};

struct FrameInput {
    int cursorX = 0, cursorY = 0;
    bool up = false, down = false;
    std::vector<InputEvent> events;
    bool sameControls(const FrameInput& other) const {
        return cursorX == other.cursorX && cursorY == other.cursorY && up == other.up &&
               down == other.down;
    }
};

struct ReplayHeader {
    int version = 1;
    uint32_t stepMs = 0;
    int level = 1;
    int difficulty = 1;
    int width = 0, height = 0;
};

std::string headerLine(const ReplayHeader& header);
// nullopt when the line is not a header this game can play.
std::optional<ReplayHeader> parseHeaderLine(std::string_view line);

// One line: COUNT frames of these controls, the events before the first.
std::string frameLine(int count, const FrameInput& frame);
// Reads a frame line into count and frame; false when it is malformed.
bool parseFrameLine(std::string_view line, int& count, FrameInput& frame);

// Writes frames as they come, folding a frame with no events into the line before when
// its controls are the same.
class ReplayWriter {
  public:
    // Output goes to `sink` one whole line at a time.
    explicit ReplayWriter(void (*sink)(const std::string& line)) : sink_(sink) {}
    void add(const FrameInput& frame);
    void flush();

  private:
    void (*sink_)(const std::string& line);
    FrameInput pending_;
    int pendingCount_ = 0;
};

// Hands out the frames of a replay's lines one at a time.
class ReplayReader {
  public:
    // `lines` are the frame lines (the header removed); `firstLine` numbers the first of
    // them in the file, for error messages.
    ReplayReader(std::vector<std::string> lines, std::string fileName, int firstLine);
    // The next frame, or nullopt at the end. A malformed line throws DataError.
    std::optional<FrameInput> next();

  private:
    std::vector<std::string> lines_;
    std::string fileName_;
    int firstLine_ = 0;
    size_t index_ = 0;
    int left_ = 0;
    FrameInput current_;
};
