#pragma once
// DSUTIL: the sound device, the sounds and their playback buffers, on OpenAL Soft.
//
// `CSoundManager` owns the device and its one context; `CSound` is one wave file's data
// in one OpenAL buffer, played by one or more playback buffers (`CSoundBuffer`, each an
// OpenAL source on that shared data) so that a sound can overlap itself. Every operation
// returns a result code (result_codes.h) and traces its failures. OpenAL mixes on a thread
// of its own; everything here is called from the game's one thread.
//
// OpenAL keeps its buffers for as long as the program runs: a buffer is never lost to
// another program, so restoring one has nothing to do.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "__SNG/result_codes.h"
#include "__SNG/wave_file.h"

// The cooperation level the game asks for (OpenAL has only one).
inline constexpr uint32_t DSSCL_PRIORITY = 2;
// Creation flags: frequency, pan and volume control (OpenAL sources have all three).
inline constexpr uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr uint32_t DSBCAPS_CTRLPAN = 0x40;
inline constexpr uint32_t DSBCAPS_CTRLVOLUME = 0x80;
// Play flags.
inline constexpr uint32_t DSBPLAY_LOOPING = 1;
// Status bits.
inline constexpr uint32_t DSBSTATUS_PLAYING = 1;
inline constexpr uint32_t DSBSTATUS_BUFFERLOST = 2;
inline constexpr uint32_t DSBSTATUS_LOOPING = 4;

// A 3D algorithm identifier; the game passes the all-zero one and OpenAL needs none.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0, data3 = 0;
    uint8_t data4[8] = {};
};
inline constexpr Guid GUID_NULL{};

// One playback buffer: an OpenAL source playing its sound's data.
class CSoundBuffer {
  public:
    explicit CSoundBuffer(unsigned source) : source_(source) {}
    ~CSoundBuffer();
    CSoundBuffer(const CSoundBuffer&) = delete;
    CSoundBuffer& operator=(const CSoundBuffer&) = delete;

    // Starts playing from the current position (DSBPLAY_LOOPING loops). A buffer that is
    // already playing is not started again: it keeps playing from where it is, and only
    // its looping follows the flags.
    HRESULT Play(uint32_t reserved, uint32_t priority, uint32_t flags);
    // Stops where it is; the next Play goes on from there.
    HRESULT Stop();
    // Moves the play position (in bytes of sound data).
    HRESULT SetCurrentPosition(uint32_t position);
    HRESULT GetStatus(uint32_t* status);
    // Hundredths of a decibel, 0 loudest; outside -10000 to 0 it is refused
    // (DSERR_INVALIDPARAM) and the volume stays as it was.
    HRESULT SetVolume(long volume);
    HRESULT GetVolume(long* volume);
    // Nothing is ever lost on OpenAL.
    HRESULT Restore() { return S_OK; }

    unsigned source() const { return source_; }

  private:
    unsigned source_;
    long volume_ = 0;
};

class CSound {
  public:
    // Takes the playback buffers (at least one), the OpenAL buffer they share, the size of
    // the sound data and the wave file it came from; fills the data from the file and
    // puts every buffer at the start.
    CSound(std::vector<std::unique_ptr<CSoundBuffer>> buffers, unsigned data, uint32_t size,
           std::unique_ptr<CWaveFile> wave);
    virtual ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Plays on a free buffer (see chooseFreeBuffer in sound_rules.h).
    HRESULT Play(uint32_t priority = 0, uint32_t flags = 0);
    // Stops every buffer; the result is the OR of the buffers' results.
    HRESULT Stop();
    // Puts every buffer's play position at the start; the OR of the results.
    HRESULT Reset();
    // The buffer at `index`, or null when there is none.
    CSoundBuffer* GetBuffer(uint32_t index);
    uint32_t bufferCount() const { return static_cast<uint32_t>(buffers_.size()); }
    bool IsSoundPlaying();

    // S_FALSE: nothing to restore (never lost on OpenAL). `wasRestored` is cleared.
    HRESULT RestoreBuffer(CSoundBuffer* buffer, bool* wasRestored);
    // Reads the sound from the start of its wave file into the buffer's data, repeating it
    // or padding with silence when it is shorter (fillWithSound).
    HRESULT FillBufferWithSound(CSoundBuffer* buffer, bool repeatWavIfBufferLarger);
    CSoundBuffer* GetFreeBuffer();

    // The wave file the sound was loaded from.
    const CWaveFile& waveFile() const { return *wave_; }

  private:
    std::vector<std::unique_ptr<CSoundBuffer>> buffers_;
    unsigned data_;
    uint32_t size_;
    std::unique_ptr<CWaveFile> wave_;
};

class CSoundManager {
  public:
    CSoundManager() = default;
    ~CSoundManager();
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;

    // Opens the default sound device (DSERR_NODRIVER when there is none) and mixes at the
    // given format. The window and the cooperation level mean nothing to OpenAL.
    HRESULT Initialize(unsigned long window, uint32_t cooperationLevel, uint32_t channels,
                       uint32_t samplesPerSec, uint32_t bitsPerSample);
    // The mixing rate (OpenAL Soft chooses channels and sample type from its own settings).
    HRESULT SetPrimaryBufferFormat(uint32_t channels, uint32_t samplesPerSec,
                                   uint32_t bitsPerSample);
    // Loads a data file of the game ("MOV\klik.wav") into a new sound of `buffers`
    // playback buffers. E_FAIL when the file holds no sound (a missing file included),
    // DSERR_BADFORMAT when the device does not take its format.
    HRESULT Create(CSound** sound, const char* fileName, uint32_t creationFlags = 0,
                   Guid algorithm3d = GUID_NULL, uint32_t buffers = 1);

    bool initialised() const { return device_ != nullptr; }

  private:
    void release();

    void* device_ = nullptr;   // ALCdevice
    void* context_ = nullptr;  // ALCcontext
};

// A sound the game makes as it goes, played once from start to end: the start-up film's
// track. It opens the default device for itself and closes it when stopped or destroyed,
// for the film plays before the game's own sounds are loaded.
class CStreamedSound {
  public:
    CStreamedSound() = default;
    ~CStreamedSound() { Stop(); }
    CStreamedSound(const CStreamedSound&) = delete;
    CStreamedSound& operator=(const CStreamedSound&) = delete;

    // Starts `count` interleaved 16-bit samples of `channels` (1 or 2) at `rate` playing.
    // DSERR_NODRIVER when there is no device, DSERR_BADFORMAT for a shape OpenAL refuses.
    HRESULT Play(const int16_t* samples, size_t count, uint32_t channels, uint32_t rate);
    // Stops at once and lets the device go.
    void Stop();

  private:
    void* device_ = nullptr;   // ALCdevice
    void* context_ = nullptr;  // ALCcontext
    unsigned source_ = 0, data_ = 0;
};
