// oxa-data OUTDIR: writes the data tree OXA plays on. Deterministic: the same bytes on
// every run.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

void writeText(const fs::path& root, const std::string& name, const std::string& text) {
    fs::path path = root / name;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: oxa-data OUTDIR\n");
        return 2;
    }
    fs::path root = argv[1];
    // The display-mode file: line 0 = 0 keeps the desktop mode; switching the display is
    // the player's choice on the settings screen. Lines 1-3 are the mode it would use.
    writeText(root, "STA/sta_scr.mtt", "0\r\n800\r\n600\r\n32\r\n");
    return 0;
}
