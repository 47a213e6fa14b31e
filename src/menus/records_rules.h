#pragma once
// The best scores' rules, apart from the drawing: the text of a row and typing a name.

#include <cstddef>
#include <string>

// What the progress file keeps of a name: what the child types is what the table shows
// after the next start.
inline constexpr std::size_t maxNameLength = 14;

// "k name suffix", filled with blanks or cut to 18 characters, then the score.
std::string recordsRowText(int k, const std::string& name, const std::string& suffix, int score);

enum class NameKey { ignored, changed, finished };

// One typed character (Windows-1250) into the name being entered: Enter (13) finishes,
// Backspace (8) takes the last character off, a character the font draws and a name may
// hold is added while the name is shorter than the limit; anything else is ignored.
NameKey typeIntoName(std::string& name, unsigned char c);
