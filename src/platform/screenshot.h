#pragma once
// Writes the game window's back buffer as a PNG file.

#include <string>

namespace platform {

// Returns false (with the reason in `error`) when the file cannot be written.
bool writeScreenshotOfWindow(const std::string& path, std::string& error);

}  // namespace platform
