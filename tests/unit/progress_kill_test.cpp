// The progress file survives any death of the game: a process that writes it over and over
// is killed with SIGKILL at a thousand random moments, and every time the file is whole,
// the old table or the new one, never a mix, a cut or a missing file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "game/progress_file.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Temporary files a killed writer left beside the progress file.
int leftovers(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().rfind(".eloper1.mtt.", 0) == 0;
    return count;
}

TEST(ProgressFileDeath, SurvivesSigkillAtAThousandRandomMoments) {
    const fs::path folder =
        fs::temp_directory_path() / ("oxa-progress-kill-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / "eloper1.mtt";

    // Two tables that differ on every line the game writes, and a long name so that the
    // file takes more than one small write.
    ProgressTable first, second;
    for (int k = 0; k < ProgressTable::levelCount; ++k) second.unlocked[static_cast<size_t>(k)] = 1;
    for (int k = 0; k < ProgressTable::bestScoreCount; ++k) {
        first.scores[static_cast<size_t>(k)] = 100 * (9 - k);
        first.names[static_cast<size_t>(k)] = "Ola";
        second.scores[static_cast<size_t>(k)] = 123456 - k;
        second.names[static_cast<size_t>(k)] = "Bartholomew Bee";
    }
    const std::string firstBytes = updatedProgressBytes("", first);
    const std::string secondBytes = updatedProgressBytes(firstBytes, second);
    ASSERT_EQ(updatedProgressBytes(secondBytes, first), firstBytes);

    std::mt19937 random(20240515);
    std::uniform_int_distribution<int> moment(0, 4000);  // microseconds after the start
    int killedMidWrite = 0;
    for (int round = 0; round < 1000; ++round) {
        SCOPED_TRACE(round);
        const std::string before = readAll(file);
        if (before.empty()) std::ofstream(file, std::ios::binary) << firstBytes;

        // The moment is counted from when the writer starts writing, not from the fork: a
        // fork of a big test program on a busy machine can take longer than the moments.
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            ::close(ready[0]);
            const char started = 1;
            if (::write(ready[1], &started, 1) != 1) ::_exit(1);
            for (;;) {
                writeProgressFile(file, second);
                writeProgressFile(file, first);
            }
        }
        ::close(ready[1]);
        char started = 0;
        ASSERT_EQ(::read(ready[0], &started, 1), 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ASSERT_EQ(::kill(writer, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string after = readAll(file);
        ASSERT_TRUE(after == firstBytes || after == secondBytes) << "the file holds:\n" << after;
        // A temporary file left behind means the kill came in the middle of a write.
        if (leftovers(folder) > 0) {
            ++killedMidWrite;
            for (const auto& entry : fs::directory_iterator(folder))
                if (entry.path() != file) fs::remove(entry.path());
        }
    }
    std::printf("%d of the 1000 kills came in the middle of a write\n", killedMidWrite);
    // Most moments fall inside a write (writing is all the writer does): the test really
    // kills writes, not only the gaps between them.
    EXPECT_GE(killedMidWrite, 100);
    fs::remove_all(folder);
}

}  // namespace
