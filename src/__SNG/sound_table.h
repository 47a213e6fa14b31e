#pragma once
// What the rest of the game calls to make a sound: the eighteen slots of the sound record
// `song` (the effects and music loaded at start, the level's music), and the sounds a level
// makes of its own (each fish's two splashes). Every call is safe when sound is off
// (--nosound, or no sound device): it does nothing.

#include <array>
#include <string>

// The slots of `song`, in table order. Slots 2, 13 and 16 are the first buffers of the
// menu music and the two chase sounds, kept for their volume.
enum SoundSlot : int {
    SlotLevelMusic = 0,
    SlotMenuMusic = 1,
    SlotMenuMusicBuffer = 2,
    SlotHover = 3,       // MOV\diam.wav: the pointer enters a menu button
    SlotNectar = 4,      // MOV\kwiat.wav: every frame the bee drains a nectar spot
    SlotHive = 5,        // MOV\ul.wav: a load delivered at the hive
    SlotBounce = 6,      // MOV\boun.wav: a bump above a third of the top speed; the '6' key
    SlotClock = 7,       // MOV\zegar.wav: a clock icon
    SlotSpeed = 8,       // MOV\speed.wav: a speed icon
    SlotBravo = 9,       // MOV\brawo.wav: the exit opens
    SlotTurn = 10,       // MOV\obrot.wav: the bee starts a spin
    SlotTick = 11,       // MOV\klik.wav: the stage clock's last ten seconds
    SlotButterflyChase = 12,
    SlotButterflyChaseBuffer = 13,
    SlotButterflyAttack = 14,
    SlotDragonflyChase = 15,
    SlotDragonflyChaseBuffer = 16,
    SlotDragonflyAttack = 17,
};
constexpr int soundSlotCount = 18;

// The file of each slot in table order; null for the level's music and the kept buffers.
inline constexpr std::array<const char*, soundSlotCount> soundTableFiles = {
    nullptr,          "MOV\\menu.wav",  nullptr,          "MOV\\diam.wav",
    "MOV\\kwiat.wav", "MOV\\ul.wav",    "MOV\\boun.wav",  "MOV\\zegar.wav",
    "MOV\\speed.wav", "MOV\\brawo.wav", "MOV\\obrot.wav", "MOV\\klik.wav",
    "MOV\\pogo.wav",  nullptr,          "MOV\\atak.wav",  "MOV\\pogow.wav",
    nullptr,          "MOV\\atakw.wav",
};
// The splashes every fish makes, leaving the water and falling back in.
inline constexpr const char* fishLeavesWaterSound = "MOV\\u_bang.wav";
inline constexpr const char* fishEntersWaterSound = "MOV\\d_bang.wav";

// Plays the slot's sound once (priority 0, no flags); nothing when the slot is empty.
void playEffect(SoundSlot slot);

// Sets the volume of a kept first buffer (slots 2, 13 and 16) in hundredths of a decibel,
// 0 loudest; a volume above 0 (or below -10000, silent) is refused and the buffer keeps the
// volume it had.
void setSlotVolume(SoundSlot bufferSlot, long volume);

// A sound of the level's own (a fish's splash, "MOV\u_bang.wav" or "MOV\d_bang.wav"):
// one buffer, made at the level start. Null when it cannot be made or sound is off; every
// call below does nothing on null.
class CSound;
CSound* createLevelSound(const std::string& file);
void playLevelSound(CSound* sound);
void setLevelSoundVolume(CSound* sound, long volume);  // as setSlotVolume
void freeLevelSound(CSound* sound);

// The sound system's own steps, called by the start-up, the level start and the
// housekeeping tick.

// Start-up, once the main menu and its pointer are loaded: opens the sound device and
// loads the table's sounds in table order, from "MOV\menu.wav" to "MOV\atakw.wav". A
// table sound that is missing or cannot be played throws a DataError naming the file
// ("MOV\klik.wav: no such file"), with or without a device: a broken tree fails the same
// way everywhere. Without a device (or when `useDevice` is false, --nosound) the game
// plays silently; a missing device is said in one line on stderr. `soundLog`, when not
// empty, is a file that gets one line for every sound started or stopped (for tests).
void startSound(unsigned long window, bool useDevice, const std::string& soundLog = {});

// Level start, right after the stage file is read: loads the level's music from the
// stage's music file ("MOV\muzyka01.wav"). When it cannot be loaded the slot keeps the
// music it had.
void loadLevelMusic(const std::string& file);

// The one-second housekeeping tick: the menu music in the menus, the level's music while
// playing, switching at most once a tick.
void switchMusic(int screen);

// Whether sounds really play (a device is open).
bool soundPlaying();
