#include "collectibles.h"

#include <string>

#include "collectible_models.h"
#include "collectible_textures.h"
#include "srm_writer.h"

void addCollectibles(DataFiles& files) {
    for (const char* name :
         {"kwiat1", "kwiat2", "kwiat3", "kepa", "kepa1", "trawa1", "sp", "ikonki"}) {
        CollectiblePicture picture = paintCollectible(name);
        files[std::string("MOD\\BMP_0\\") + name + ".srm"] =
            encodeTexture(picture.image, picture.alpha);
    }
    files["MOD\\DATA\\kwiata.wkx"] = encodeObjectModel(flowerModels());
    files["MOD\\DATA\\rosli.wkx"] = encodeObjectModel(plantModels());
    files["MOD\\DATA\\SPRIT.wkx"] = encodeObjectModel(nectarModels());
    files["MOD\\DATA\\ikony.wkx"] = encodeObjectModel(iconModels());
}
