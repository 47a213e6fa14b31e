#pragma once
// Compiles model and layout files into display lists. Files are named the game's way
// ("MOD\DATA\kwiata.wkx") and found through the data tree. A bad file raises DataError
// ("Cannot open file %s", "List index out of bounds (%d)", "Range check error",
// "'%s' is not a valid floating point value") before any list is touched, so no list is
// left open or half compiled. A file holding more objects than the caller has lists for
// is refused the same way. Only a regular file opens: a name that is a folder, a FIFO or a
// device gives "Cannot open file %s", and a file over 64 MiB is refused unread.

#include <span>
#include <string_view>

#include "assets/display_list.h"
#include "assets/layout_view.h"
#include "assets/model_file.h"

// List k holds object k: its state calls, then its triangles.
void loadObjectModel(std::string_view path, std::span<glh::display_list> lists);

// Resets the model-view matrix (executed at once, not recorded), then compiles per object
// k a mesh list and a placement list that draws the mesh under each placement matrix.
// Callers draw the placement lists; these call the mesh lists by name. Returns the file as
// read, for callers that keep more of it (the bounds of the placements).
ModelFile loadSceneModel(std::string_view path, std::span<glh::display_list> placementLists,
                         std::span<glh::display_list> meshLists);

// List k holds object k as quads with no colour, so the current colour tints them. The
// layout is fitted to the window the overlays are drawn in now (layout_view.h).
void loadLayoutFile(std::string_view path, std::span<glh::display_list> lists,
                    LayoutFit fit = LayoutFit::asWritten);

// The GL step alone, for data already read: object and layout files, then scene files.
// Objects beyond the lists given are not compiled.
void compileModelLists(const ModelFile& model, std::span<glh::display_list> lists);
void compileSceneLists(const ModelFile& model, std::span<glh::display_list> placementLists,
                       std::span<glh::display_list> meshLists);
