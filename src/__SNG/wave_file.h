#pragma once
// `CWaveFile`: reads RIFF WAVE sound files. Plain C++ over the file's bytes, so it is
// tested and fuzzed without a sound device.
//
// It never trusts a size field: the "RIFF" chunk is searched only as far as the file
// goes, a "fmt " or "data" chunk that runs past the end of the file is refused with a
// failure code, and `Read` hands out only bytes that are in the file.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "__SNG/result_codes.h"

// The wave format of the file (WAVEFORMATEX and the extra format bytes after it).
struct WaveFormat {
    uint16_t formatTag = 0;  // 1: PCM
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;      // 0 for PCM, whatever the "fmt " chunk's length
    std::vector<uint8_t> extra;  // extraSize bytes, for formats other than PCM
};
inline constexpr uint16_t waveFormatPcm = 1;

// A chunk found in the file (the multimedia chunk record): identifier, size, the form
// type of a "RIFF" chunk, and where its data starts.
struct WaveChunk {
    uint32_t id = 0;
    uint32_t size = 0;
    uint32_t formType = 0;
    uint32_t dataOffset = 0;
};

inline constexpr uint32_t WAVEFILE_READ = 1;

class CWaveFile {
  public:
    CWaveFile() = default;
    ~CWaveFile() { Close(); }
    CWaveFile(const CWaveFile&) = delete;
    CWaveFile& operator=(const CWaveFile&) = delete;

    // Opens a data file of the game ("MOV\klik.wav") for reading: reads the header and
    // goes to the start of the sound data. A missing file fails (there are no sounds built
    // into the program to fall back on) and leaves the size 0. `format` is not used when
    // reading; only WAVEFILE_READ is known.
    HRESULT Open(const char* fileName, const WaveFormat* format, uint32_t flags);
    // The same on bytes already in memory (oxa-check, the tests).
    HRESULT OpenBytes(std::string bytes);

    // Bytes of sound data (the "data" chunk's size), 0 until a file opened.
    uint32_t GetSize() const { return size_; }
    // Goes back to the start of the sound data.
    HRESULT ResetFile();
    // Copies up to `sizeToRead` bytes of sound data from where the last read stopped.
    HRESULT Read(uint8_t* buffer, uint32_t sizeToRead, uint32_t* sizeRead);
    HRESULT Close();

    const WaveFormat* GetFormat() const { return format_.get(); }
    // The name the file was opened by ("MOV\klik.wav"); empty for bytes.
    const std::string& fileName() const { return fileName_; }
    // Why the last Open or ResetFile failed, in words ("no \"data\" chunk"); empty when it
    // did not.
    const std::string& problem() const { return problem_; }

  private:
    HRESULT fail(const char* call, HRESULT hr, std::string problem);
    HRESULT readHeader();
    std::optional<WaveChunk> findChunk(uint32_t id, uint64_t from, uint64_t end) const;

    std::unique_ptr<WaveFormat> format_;
    std::optional<std::string> bytes_;  // the open file
    WaveChunk riff_;
    WaveChunk data_;
    uint64_t riffEnd_ = 0;    // where the search for chunks stops
    uint64_t position_ = 0;   // the next byte of sound data to read
    uint32_t remaining_ = 0;  // sound data left from there
    uint32_t size_ = 0;
    uint32_t flags_ = 0;
    std::string problem_;
    std::string fileName_;
};

// Whether the sound device takes this format: PCM, 1 or 2 channels of 8 or 16 bits, 100
// to 200000 samples a second, and a block of one sample for every channel. nullopt when it
// does, else why not.
std::optional<std::string> unplayableFormat(const WaveFormat& format);

// The silence of a format: byte 128 for 8-bit sound, 0 otherwise.
uint8_t silenceByte(const WaveFormat& format);

// Fills an area with the sound from its start (FillBufferWithSound's work on the locked
// buffer): an empty sound gives silence; a sound shorter than the area is repeated when
// `repeat` asks for it, otherwise the rest is silence.
HRESULT fillWithSound(CWaveFile& wave, uint8_t* area, uint32_t size, bool repeat);

// What would stop the game from playing a data file of the game as a sound: it cannot be
// opened or read, has no sound data, or is in a format the device does not take. nullopt
// when it can be played.
std::optional<std::string> waveProblem(const std::string& fileName);
std::optional<std::string> waveProblem(CWaveFile& wave);
