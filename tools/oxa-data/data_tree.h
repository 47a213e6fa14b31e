#pragma once
// The whole data tree as a map from the game's file names ("SCE\\BMP_0\\ziemia.srm") to
// their bytes, built in memory and then written under a root folder.

#include <filesystem>
#include <map>
#include <string>

using DataFiles = std::map<std::string, std::string>;

// Every file the generator knows how to make, deterministically.
DataFiles buildDataTree();

// The garden scenes alone: their model files and every texture their slots name, each
// distinct name (letter case ignored) once, spelt as it first appears in the table.
void addGardens(DataFiles& files);

// Writes every file under root, backslashes turned into folders.
void writeDataTree(const DataFiles& files, const std::filesystem::path& root);
