#pragma once
// Debug pictures: texture files and preview renders saved as PNG to look at.

#include <filesystem>
#include <string>
#include <vector>

// Writes 8-bit RGBA rows (top row first) as a PNG file.
void writePng(const std::filesystem::path& path, int width, int height,
              const std::vector<unsigned char>& rgba);

// Decodes a texture file's bytes and writes it as PNG. Returns false for a file that is
// not a texture.
bool textureToPng(const std::string& srmBytes, const std::filesystem::path& path);
