#include "data_tree.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <stdexcept>

#include "garden_textures.h"
#include "gardens.h"
#include "scenes/garden_table.h"
#include "srm_writer.h"
#include "wkx_writer.h"

namespace fs = std::filesystem;

void addGardens(DataFiles& files) {
    std::set<std::string> written;  // lower-case names already made
    for (const GardenTableEntry& scene : gardenTable()) {
        for (std::string_view texture : scene.textures) {
            std::string key(texture);
            std::ranges::transform(key, key.begin(),
                                   [](unsigned char c) { return std::tolower(c); });
            if (!written.insert(key).second) continue;
            TexturePicture picture = paintGardenTexture(texture);
            files[std::string(gardenTextureFolder) + std::string(texture)] =
                encodeTexture(picture.image, picture.alpha);
        }
        files[std::string(scene.modelFile)] = encodeSceneModel(buildGarden(scene));
    }
}

DataFiles buildDataTree() {
    DataFiles files;
    // The display-mode file: line 0 = 0 keeps the desktop mode; switching the display is
    // the player's choice on the settings screen. Lines 1-3 are the mode it would use.
    files["STA\\sta_scr.mtt"] = "0\r\n800\r\n600\r\n32\r\n";
    addGardens(files);
    return files;
}

void writeDataTree(const DataFiles& files, const fs::path& root) {
    for (const auto& [name, bytes] : files) {
        std::string relative = name;
        std::ranges::replace(relative, '\\', '/');
        fs::path path = root / relative;
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
}
