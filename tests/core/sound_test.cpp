// The sound layer on a real OpenAL Soft device: its null back end, which mixes in real time
// and sends the sound nowhere. Sounds here last four seconds, so that "still playing" holds
// for the length of a test.

#include <AL/al.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "__SNG/dsutil.h"
#include "__SNG/song.h"
#include "__SNG/sound_table.h"
#include "assets/data_error.h"
#include "game/random.h"
#include "platform/data_paths.h"
#include "unit/wave_fixtures.h"

namespace {

namespace fs = std::filesystem;
using namespace wave_fixtures;

[[maybe_unused]] const bool nullDevice = [] {
    setenv("ALSOFT_DRIVERS", "null", 1);
    return true;
}();

ALint sampleOffset(CSoundBuffer* buffer) {
    ALint offset = -1;
    alGetSourcei(buffer->source(), AL_SAMPLE_OFFSET, &offset);
    return offset;
}

float gain(CSoundBuffer* buffer) {
    float value = -1;
    alGetSourcef(buffer->source(), AL_GAIN, &value);
    return value;
}

uint32_t status(CSoundBuffer* buffer) {
    uint32_t bits = 0;
    buffer->GetStatus(&bits);
    return bits;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The mixer runs on a thread of its own, which a busy machine may keep waiting: the play
// position moves on when it gets its turn.
ALint offsetOnceMoved(CSoundBuffer* buffer) {
    for (int wait = 0; wait < 200 && sampleOffset(buffer) == 0; ++wait) pause(10);
    return sampleOffset(buffer);
}

class Sound : public testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("oxa-sound-" + std::to_string(::getpid()));
        fs::create_directories(root / "MOV");
        for (const char* file : soundTableFiles)
            if (file) write(file, toneWave(4));
        write("MOV\\u_bang.wav", toneWave(4));
        write("MOV\\music1.wav", toneWave(4));
        write("MOV\\music2.wav", toneWave(4));
        write("MOV\\empty.wav", pcmWave(""));
        write("MOV\\float.wav",
              riff(chunk("fmt ", format16(3, 1, 22050, 32) + le16(0)) + chunk("data", "abcd")));
        dataTree().setRoot(root);
    }
    void TearDown() override {
        stopSound();
        fs::remove_all(root);
    }
    void write(const std::string& gameName, const std::string& bytes) {
        std::string path = gameName;
        path.replace(path.find('\\'), 1, "/");
        std::ofstream(root / path, std::ios::binary) << bytes;
    }
    std::unique_ptr<CSound> create(CSoundManager& manager, const char* file, uint32_t buffers = 1) {
        CSound* sound = nullptr;
        EXPECT_EQ(manager.Create(&sound, file, 0xE0, GUID_NULL, buffers), S_OK) << file;
        return std::unique_ptr<CSound>(sound);
    }
    fs::path root;
};

TEST_F(Sound, ASoundPlaysGoesOnWhenPlayedAgainStopsWhereItIsAndRewinds) {
    CSoundManager manager;
    ASSERT_EQ(manager.Initialize(0, DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    auto sound = create(manager, "MOV\\klik.wav");
    ASSERT_TRUE(sound);
    CSoundBuffer* buffer = sound->GetBuffer(0);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(sound->GetBuffer(1), nullptr);
    EXPECT_FALSE(sound->IsSoundPlaying());

    ASSERT_EQ(sound->Play(0, 0), S_OK);
    EXPECT_EQ(status(buffer), DSBSTATUS_PLAYING);
    const ALint played = offsetOnceMoved(buffer);
    EXPECT_GT(played, 0);
    // Played again while playing: it keeps going from where it is (the chase sounds are
    // played every frame and must be heard as one sound).
    ASSERT_EQ(sound->Play(0, DSBPLAY_LOOPING), S_OK);
    EXPECT_GE(sampleOffset(buffer), played);
    EXPECT_EQ(status(buffer), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);

    ASSERT_EQ(sound->Stop(), S_OK);
    EXPECT_FALSE(sound->IsSoundPlaying());
    const ALint stopped = sampleOffset(buffer);
    EXPECT_GE(stopped, played);
    ASSERT_EQ(sound->Play(0, 0), S_OK);  // goes on from where it stopped
    EXPECT_GE(sampleOffset(buffer), stopped);
    ASSERT_EQ(sound->Stop(), S_OK);
    ASSERT_EQ(sound->Reset(), S_OK);
    EXPECT_EQ(sampleOffset(buffer), 0);
    EXPECT_EQ(sound->RestoreBuffer(buffer, nullptr), S_FALSE);  // never lost
}

TEST_F(Sound, AVolumeOutsideTheRangeLeavesTheGainAsItWas) {
    CSoundManager manager;
    ASSERT_EQ(manager.Initialize(0, DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    auto sound = create(manager, "MOV\\pogo.wav");
    ASSERT_TRUE(sound);
    CSoundBuffer* buffer = sound->GetBuffer(0);
    EXPECT_FLOAT_EQ(gain(buffer), 1.0f);
    EXPECT_EQ(buffer->SetVolume(-600), S_OK);
    EXPECT_NEAR(gain(buffer), 0.501187f, 1e-5f);
    EXPECT_EQ(buffer->SetVolume(20), DSERR_INVALIDPARAM);  // a fish closer than 0.1
    EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
    EXPECT_NEAR(gain(buffer), 0.501187f, 1e-5f);
    long volume = 0;
    buffer->GetVolume(&volume);
    EXPECT_EQ(volume, -600);
    EXPECT_EQ(buffer->SetVolume(-10000), S_OK);
    EXPECT_EQ(gain(buffer), 0.0f);
}

TEST_F(Sound, CreationRefusesWhatCannotBePlayed) {
    CSoundManager manager;
    CSound* sound = nullptr;
    EXPECT_EQ(manager.Create(&sound, "MOV\\klik.wav"), CO_E_NOTINITIALIZED);
    ASSERT_EQ(manager.Initialize(0, DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    struct Case {
        const char* file;
        uint32_t buffers;
        HRESULT result;
    };
    const Case cases[] = {
        {"MOV\\missing.wav", 1, E_FAIL},   {"MOV\\empty.wav", 1, E_FAIL},
        {"MOV\\float.wav", 1, DSERR_BADFORMAT}, {"MOV\\klik.wav", 0, E_INVALIDARG},
        {nullptr, 1, E_INVALIDARG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no name");
        EXPECT_EQ(manager.Create(&sound, c.file, 0xE0, GUID_NULL, c.buffers), c.result);
        EXPECT_EQ(sound, nullptr);
    }
    EXPECT_EQ(manager.Create(nullptr, "MOV\\klik.wav"), E_INVALIDARG);
}

TEST_F(Sound, ASoundOfTwoBuffersOverlapsItselfAndBusySoundsLeaveTheGamesGeneratorAlone) {
    CSoundManager manager;
    ASSERT_EQ(manager.Initialize(0, DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    auto twice = create(manager, "MOV\\boun.wav", 2);
    auto once = create(manager, "MOV\\kwiat.wav");
    ASSERT_TRUE(twice && once);
    const uint32_t seed = gameRandom.seed();
    twice->Play();
    EXPECT_TRUE(status(twice->GetBuffer(0)) & DSBSTATUS_PLAYING);
    EXPECT_FALSE(status(twice->GetBuffer(1)) & DSBSTATUS_PLAYING);
    twice->Play();
    EXPECT_TRUE(status(twice->GetBuffer(1)) & DSBSTATUS_PLAYING);
    // Every buffer busy: the choice draws from the sound layer's own generator.
    twice->Play();
    for (int frame = 0; frame < 5; ++frame) once->Play();
    EXPECT_TRUE(once->IsSoundPlaying());
    EXPECT_EQ(gameRandom.seed(), seed);
}

TEST_F(Sound, TheTableLoadsEveryEffectAndKeepsThreeFirstBuffers) {
    startSound(0, true);
    ASSERT_TRUE(soundPlaying());
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const bool kept = slot == 2 || slot == 13 || slot == 16;
        EXPECT_EQ(song.sounds[static_cast<size_t>(slot)] != nullptr, slot != 0 && !kept);
        if (kept) {
            EXPECT_EQ(song.keptBuffers[static_cast<size_t>(slot)],
                      song.sounds[static_cast<size_t>(slot - 1)]->GetBuffer(0));
        }
    }
    EXPECT_EQ(song.sounds[SlotTick]->waveFile().fileName(), "MOV\\klik.wav");
    playEffect(SlotHover);
    EXPECT_TRUE(song.sounds[SlotHover]->IsSoundPlaying());
    EXPECT_FALSE(song.sounds[SlotHive]->IsSoundPlaying());
    setSlotVolume(SlotButterflyChaseBuffer, -2000);
    setSlotVolume(SlotButterflyChaseBuffer, 1);
    EXPECT_NEAR(gain(song.sounds[SlotButterflyChase]->GetBuffer(0)), 0.1f, 1e-6f);
    EXPECT_FLOAT_EQ(gain(song.sounds[SlotDragonflyChase]->GetBuffer(0)), 1.0f);
}

TEST_F(Sound, AMissingOrBrokenTableSoundStopsTheStartWithOrWithoutADevice) {
    struct Case {
        bool device;
        std::string klik;  // empty: no file
        std::string report;
    };
    const Case cases[] = {
        {true, "", "MOV\\klik.wav: no such file"},
        {false, "", "MOV\\klik.wav: no such file"},
        {true, "RIFX", "MOV\\klik.wav: too short for a RIFF header"},
        {false, pcmWave(""), "MOV\\klik.wav: no sound in it (the \"data\" chunk is empty)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        fs::remove(root / "MOV" / "klik.wav");
        if (!c.klik.empty()) write("MOV\\klik.wav", c.klik);
        dataTree().setRoot(root);
        try {
            startSound(0, c.device);
            ADD_FAILURE() << "the start went on";
        } catch (const DataError& error) {
            EXPECT_EQ(error.report(), c.report);
        }
        EXPECT_EQ(soundPlaying(), c.device);
        stopSound();
    }
}

TEST_F(Sound, WithoutADeviceEveryCallIsSilent) {
    startSound(0, false);
    EXPECT_FALSE(soundPlaying());
    playEffect(SlotHover);
    setSlotVolume(SlotDragonflyChaseBuffer, -100);
    loadLevelMusic("MOV\\music1.wav");
    switchMusic(1);
    switchMusic(0);
    EXPECT_EQ(createLevelSound("MOV\\u_bang.wav"), nullptr);
    playLevelSound(nullptr);
    setLevelSoundVolume(nullptr, -100);
    freeLevelSound(nullptr);
    for (const auto& sound : song.sounds) EXPECT_EQ(sound, nullptr);
}

TEST_F(Sound, TheMusicSwitchStopsRewindsAndLoops) {
    startSound(0, true);
    loadLevelMusic("MOV\\music1.wav");
    CSound* level = song.sounds[SlotLevelMusic].get();
    CSound* menu = song.sounds[SlotMenuMusic].get();
    ASSERT_TRUE(level && menu);

    switchMusic(1);  // start-up: the menu
    EXPECT_EQ(status(menu->GetBuffer(0)), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_FALSE(level->IsSoundPlaying());
    EXPECT_GT(offsetOnceMoved(menu->GetBuffer(0)), 0);
    switchMusic(0);  // playing
    EXPECT_EQ(status(level->GetBuffer(0)), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_FALSE(menu->IsSoundPlaying());
    EXPECT_EQ(sampleOffset(menu->GetBuffer(0)), 0);
    switchMusic(0);
    EXPECT_TRUE(level->IsSoundPlaying());
    switchMusic(1);  // Escape
    EXPECT_TRUE(menu->IsSoundPlaying());
    EXPECT_FALSE(level->IsSoundPlaying());
    EXPECT_EQ(sampleOffset(level->GetBuffer(0)), 0);
}

TEST_F(Sound, ANewLevelsMusicTakesOverAndAMissingOneLeavesTheOld) {
    startSound(0, true);
    loadLevelMusic("MOV\\missing.wav");
    EXPECT_EQ(song.sounds[SlotLevelMusic], nullptr);
    loadLevelMusic("MOV\\music1.wav");
    switchMusic(1);
    switchMusic(0);
    ASSERT_TRUE(song.sounds[SlotLevelMusic]->IsSoundPlaying());
    // The next level starts before the switch has seen a menu: its music plays at once.
    loadLevelMusic("MOV\\music2.wav");
    EXPECT_EQ(song.sounds[SlotLevelMusic]->waveFile().fileName(), "MOV\\music2.wav");
    EXPECT_EQ(status(song.sounds[SlotLevelMusic]->GetBuffer(0)),
              DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    loadLevelMusic("MOV\\float.wav");
    EXPECT_EQ(song.sounds[SlotLevelMusic]->waveFile().fileName(), "MOV\\music2.wav");
}

TEST_F(Sound, ALevelsOwnSoundsAreMadePlayedAndFreedByTheirOwner) {
    startSound(0, true);
    EXPECT_EQ(createLevelSound("MOV\\missing.wav"), nullptr);
    CSound* splash = createLevelSound("MOV\\u_bang.wav");
    ASSERT_TRUE(splash);
    playLevelSound(splash);
    EXPECT_TRUE(splash->IsSoundPlaying());
    setLevelSoundVolume(splash, -4000);
    setLevelSoundVolume(splash, 20);
    EXPECT_NEAR(gain(splash->GetBuffer(0)), 0.01f, 1e-6f);
    freeLevelSound(splash);
}

}  // namespace
