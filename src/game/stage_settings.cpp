#include "game/stage_settings.h"

#include <limits>

#include "assets/data_error.h"
#include "assets/text_lines.h"

namespace {

constexpr int stageLineCount = 40;
constexpr int musicLine = 37;

class StageLines {
  public:
    StageLines(const std::vector<std::string>& lines, const std::string& fileName)
        : lines_(lines), fileName_(fileName) {}

    int integer(int index) const { return numericLineInt(lines_, index, fileName_); }

    float real(int index) const {
        double value = numericLine(lines_, index, fileName_);
        if (value > std::numeric_limits<float>::max() || value < -std::numeric_limits<float>::max())
            fail(index, "'" + firstField(index) + "' is too large for a stage setting");
        return static_cast<float>(value);
    }

    // The panel draws each digit with a glyph 0-9, and a negative digit would keep the clock
    // from ever reaching 0:00.
    int digit(int index) const {
        int value = integer(index);
        if (value < 0 || value > 9)
            fail(index, "the stage clock digit " + std::to_string(value) + " is not 0 to 9");
        return value;
    }

    // The line's first 20 characters, trimmed.
    std::string text(int index) const {
        std::string_view line = lines_[static_cast<size_t>(index)];
        return std::string(trimBlanks(line.substr(0, 20)));
    }

    [[noreturn]] void fail(int index, const std::string& message) const {
        throw DataError(message, fileName_, index + 1);
    }

  private:
    std::string firstField(int index) const {
        return std::string(
            trimBlanks(std::string_view(lines_[static_cast<size_t>(index)]).substr(0, 10)));
    }

    const std::vector<std::string>& lines_;
    const std::string& fileName_;
};

void forceOffFeatures(StageSettings& s) {
    if (s.spritesOn != 1) {
        s.spriteCount = 0;
        s.nectarPerLoad = 0;
    }
    if (s.flowersOn != 1) s.flowerGroups = 0;
    if (s.plantsOn != 1) s.plantCounts = {};
    if (s.butterfliesOn != 1) s.butterflyCount = 0;
}

// Counts size the arrays the stage start creates; only counts still in force are checked,
// so a switched-off feature may keep any number.
void checkCounts(const StageSettings& s, const StageLines& lines) {
    auto check = [&](int count, int index) {
        if (count < 0 || count > maxStageCount)
            lines.fail(index, "the count " + std::to_string(count) + " is not 0 to " +
                                  std::to_string(maxStageCount));
    };
    check(s.spriteCount, 6);
    check(s.flowerGroups, 10);
    for (int k = 0; k < 4; ++k) check(s.plantCounts[static_cast<size_t>(k)], 12 + k);
    check(s.butterflyCount, 17);
    if (s.iconsOn == 1) {
        check(s.speedIconCount, 29);
        check(s.clockIconCount, 31);
    }
    check(s.dragonflyCount, 38);
    check(s.fishCount, 39);
    if (s.spritesOn == 1 && s.target == 0)
        lines.fail(8, "the stage has nectar sprites but a target of 0");
}

}  // namespace

StageSettings readStageSettings(const std::vector<std::string>& lines,
                                const std::string& fileName) {
    const int count = static_cast<int>(lines.size());
    if (count < stageLineCount)
        throw DataError("the stage file ends after " + std::to_string(count) + " lines; it needs " +
                            std::to_string(stageLineCount),
                        fileName, count + 1);
    const StageLines in(lines, fileName);

    StageSettings s;
    s.sceneNumber = in.integer(0);
    s.clockSeconds = in.digit(1);
    s.clockTensOfSeconds = in.digit(2);
    s.clockMinutes = in.digit(3);
    s.clockTensOfMinutes = in.digit(4);
    s.spritesOn = in.integer(5);
    s.spriteCount = in.integer(6);
    s.nectarPerLoad = in.integer(7);
    s.target = in.integer(8);
    s.flowersOn = in.integer(9);
    s.flowerGroups = in.integer(10);
    s.plantsOn = in.integer(11);
    for (int k = 0; k < 4; ++k) s.plantCounts[static_cast<size_t>(k)] = in.integer(12 + k);
    s.butterfliesOn = in.integer(16);
    s.butterflyCount = in.integer(17);
    s.beeStartX = in.real(18);
    s.beeStartY = in.real(19);
    s.beeStartZ = in.real(20);
    s.beeStartHeading = in.real(21);
    s.beeScale = in.real(22);
    s.maxSpeed = in.real(23);
    s.boostedMaxSpeed = in.real(24);
    s.acceleration = in.real(25);
    s.pointsPerNectar = in.real(26);
    s.pointsPerSecondLeft = in.real(27);
    s.iconsOn = in.integer(28);
    s.speedIconCount = in.integer(29);
    s.clockIconCount = in.integer(31);
    s.boostSeconds = in.integer(32);
    s.clockBonusSeconds = in.integer(33);
    s.butterflyNoticeDistance = in.real(34);
    s.butterflyChaseFactor = in.real(35);
    s.turnRate = in.real(36);
    s.musicName = in.text(musicLine);
    // The first five characters of the name are always replaced by the music folder.
    s.musicFile = "MOV\\" + (s.musicName.size() > 5 ? s.musicName.substr(5) : std::string());
    s.dragonflyCount = in.integer(38);
    s.fishCount = in.integer(39);

    forceOffFeatures(s);
    checkCounts(s, in);
    s.iconTotal = s.iconsOn == 1 ? s.spriteCount + s.speedIconCount + s.clockIconCount : 0;
    s.iconSpriteCount = s.spriteCount;
    return s;
}

StageSettings readStageSettings(std::string_view bytes, const std::string& fileName) {
    return readStageSettings(splitLines(bytes), fileName);
}

std::string stageFileName(std::string_view levelId, int difficulty) {
    return "STA\\scena" + std::string(levelId) + std::to_string(difficulty) + ".mtt";
}

std::string twoDigitLevelId(int level) {
    std::string id = std::to_string(level);
    return id.size() < 2 ? "0" + id : id;
}
