#include "stage_data.h"

#include "bee_model.h"
#include "collision_meshes.h"
#include "placement_maps.h"
#include "stage_files.h"

void addStageData(DataFiles& files) {
    addBee(files);
    addPlacementMaps(files);
    addCollisionMeshes(files);
    addStageFiles(files);
}
