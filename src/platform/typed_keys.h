#pragma once
// Typed keys as the game takes them: single bytes in Windows-1250, the character set of
// the game's font and of the progress file's names. GLUT hands over what X's
// XLookupString makes of a key, a Latin-1 byte, and Latin-1 and Windows-1250 agree only in
// part above 0x7f: ñ is ń there, ¿ is ż, à is ŕ, £ is Ł. A Latin-1 byte becomes the
// same letter in Windows-1250, or nothing where Windows-1250 lacks it.
//
// A dead accent key (´ ¨ ¸ on the Spanish, Czech, German or French keyboard) reaches GLUT as
// the spacing accent itself and the next letter plain, uncombined: the accent is held and
// joined with the letter that follows (´ then o is ó), as the keyboard meant.

#include <string>

namespace platform {

// The Windows-1250 byte of a Latin-1 byte, or 0 when Windows-1250 has no such character.
// Bytes below 0x80 are the same in both.
unsigned char windows1250OfLatin1(unsigned char latin1);

class TypedKeys {
  public:
    // The Windows-1250 bytes one key that GLUT handed over as `latin1` adds, in order:
    // none (a held accent, a character Windows-1250 lacks), one, or a held accent that
    // joins nothing followed by the key.
    std::string take(unsigned char latin1);

  private:
    unsigned char heldAccent_ = 0;
};

// The one of the window system's keyboard.
TypedKeys& typedKeys();

}  // namespace platform
