#include "__SNG/wave_file.h"

#include <algorithm>
#include <cstring>

#include "platform/data_paths.h"

namespace {

constexpr uint32_t fourCC(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[3])) << 24;
}
constexpr uint32_t riffId = fourCC("RIFF");
constexpr uint32_t waveId = fourCC("WAVE");
constexpr uint32_t fmtId = fourCC("fmt ");
constexpr uint32_t dataId = fourCC("data");

uint16_t read16(const std::string& bytes, uint64_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

uint32_t read32(const std::string& bytes, uint64_t at) {
    return static_cast<uint32_t>(read16(bytes, at)) |
           static_cast<uint32_t>(read16(bytes, at + 2)) << 16;
}

// A four-character code as text, unprintable bytes shown as '?'.
std::string shownId(uint32_t id) {
    std::string text;
    for (int k = 0; k < 4; ++k) {
        char c = static_cast<char>(id >> (8 * k));
        text += c >= ' ' && c < 0x7f ? c : '?';
    }
    return "\"" + text + "\"";
}

}  // namespace

HRESULT CWaveFile::fail(const char* call, HRESULT hr, std::string problem) {
    problem_ = std::move(problem);
    return DXTRACE_ERR(call, hr);
}

HRESULT CWaveFile::Open(const char* fileName, const WaveFormat*, uint32_t flags) {
    if (!fileName) return E_INVALIDARG;
    format_.reset();
    Close();
    size_ = 0;
    flags_ = flags;
    problem_.clear();
    if (flags != WAVEFILE_READ) return fail("Open", E_INVALIDARG, "can only be read");
    fileName_ = fileName;
    // Every data file is looked up in the data tree, letter case ignored. A file the tree
    // does not hold has no fallback: the program carries no sounds of its own.
    if (!dataTree().find(fileName)) return fail("FindResource", E_FAIL, "no such file");
    auto bytes = readDataFile(fileName);
    if (!bytes) return fail("mmioOpen", E_FAIL, "cannot be read");
    return OpenBytes(std::move(*bytes));
}

HRESULT CWaveFile::OpenBytes(std::string bytes) {
    format_.reset();
    Close();
    size_ = 0;
    flags_ = WAVEFILE_READ;
    problem_.clear();
    bytes_ = std::move(bytes);
    if (HRESULT hr = readHeader(); FAILED(hr)) {
        bytes_.reset();
        return DXTRACE_ERR("ReadMMIO", hr);
    }
    if (HRESULT hr = ResetFile(); FAILED(hr)) return DXTRACE_ERR("ResetFile", hr);
    size_ = data_.size;
    return S_OK;
}

std::optional<WaveChunk> CWaveFile::findChunk(uint32_t id, uint64_t from, uint64_t end) const {
    // Chunks follow each other, each padded to an even length; a header that does not fit
    // before `end` ends the search.
    for (uint64_t at = from; at + 8 <= end; at += 8 + uint64_t{read32(*bytes_, at + 4)} +
                                                  (read32(*bytes_, at + 4) & 1)) {
        if (read32(*bytes_, at) == id)
            return WaveChunk{id, read32(*bytes_, at + 4), 0, static_cast<uint32_t>(at + 8)};
    }
    return std::nullopt;
}

HRESULT CWaveFile::readHeader() {
    const std::string& bytes = *bytes_;
    if (bytes.size() < 12) return fail("mmioDescend", E_FAIL, "too short for a RIFF header");
    if (bytes.size() > UINT32_MAX) return fail("mmioDescend", E_FAIL, "larger than 4 GB");
    riff_ = {read32(bytes, 0), read32(bytes, 4), read32(bytes, 8), 8};
    if (riff_.id != riffId) return fail("mmioFOURCC", E_FAIL, "not a RIFF file");
    if (riff_.formType != waveId)
        return fail("mmioFOURCC", E_FAIL,
                    "a RIFF file of form " + shownId(riff_.formType) + ", not \"WAVE\"");
    // The RIFF chunk's own size bounds the search, but never beyond the end of the file.
    riffEnd_ = std::min<uint64_t>(uint64_t{riff_.size} + 8, bytes.size());

    auto fmt = findChunk(fmtId, 12, riffEnd_);
    if (!fmt) return fail("mmioDescend", E_FAIL, "no \"fmt \" chunk");
    // The format's bytes must be inside the chunk and inside the file.
    const uint64_t fmtEnd = std::min<uint64_t>(uint64_t{fmt->dataOffset} + fmt->size, bytes.size());
    const uint64_t at = fmt->dataOffset;
    if (at + 16 > fmtEnd) return fail("mmioRead", E_FAIL, "the \"fmt \" chunk is cut short");
    auto format = std::make_unique<WaveFormat>();
    format->formatTag = read16(bytes, at);
    format->channels = read16(bytes, at + 2);
    format->samplesPerSec = read32(bytes, at + 4);
    format->avgBytesPerSec = read32(bytes, at + 8);
    format->blockAlign = read16(bytes, at + 12);
    format->bitsPerSample = read16(bytes, at + 14);
    if (format->formatTag != waveFormatPcm) {
        // Other formats carry their extra bytes, counted by the 2 bytes after the 16.
        if (at + 18 > fmtEnd) return fail("mmioRead", E_FAIL, "the \"fmt \" chunk is cut short");
        format->extraSize = read16(bytes, at + 16);
        if (at + 18 + format->extraSize > fmtEnd)
            return fail("mmioRead", E_FAIL, "the \"fmt \" chunk is cut short");
        format->extra.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at + 18),
                             bytes.begin() + static_cast<std::ptrdiff_t>(at + 18 + format->extraSize));
    }
    format_ = std::move(format);
    return S_OK;
}

HRESULT CWaveFile::ResetFile() {
    if (!bytes_) return CO_E_NOTINITIALIZED;
    auto data = findChunk(dataId, 12, riffEnd_);
    if (!data) return fail("mmioDescend", E_FAIL, "no \"data\" chunk");
    const uint64_t there = bytes_->size() - data->dataOffset;
    if (data->size > there)
        return fail("mmioDescend", E_FAIL,
                    "the \"data\" chunk says " + std::to_string(data->size) +
                        " bytes, but the file holds " + std::to_string(there) + " after it");
    data_ = *data;
    position_ = data_.dataOffset;
    remaining_ = data_.size;
    return S_OK;
}

HRESULT CWaveFile::Read(uint8_t* buffer, uint32_t sizeToRead, uint32_t* sizeRead) {
    if (!bytes_) return CO_E_NOTINITIALIZED;
    if (!buffer || !sizeRead) return E_INVALIDARG;
    const uint32_t count = std::min(sizeToRead, remaining_);
    std::memcpy(buffer, bytes_->data() + position_, count);
    position_ += count;
    remaining_ -= count;
    *sizeRead = count;
    return S_OK;
}

HRESULT CWaveFile::Close() {
    bytes_.reset();
    return S_OK;
}

std::optional<std::string> unplayableFormat(const WaveFormat& format) {
    if (format.formatTag != waveFormatPcm)
        return "format tag " + std::to_string(format.formatTag) +
               ": only PCM sound (format tag 1) can be played";
    if (format.channels != 1 && format.channels != 2)
        return std::to_string(format.channels) + " channels: only 1 or 2 can be played";
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        return std::to_string(format.bitsPerSample) +
               " bits per sample: only 8 or 16 can be played";
    if (format.samplesPerSec < 100 || format.samplesPerSec > 200000)
        return std::to_string(format.samplesPerSec) +
               " samples a second: only 100 to 200000 can be played";
    if (format.blockAlign != format.channels * format.bitsPerSample / 8)
        return "a block of " + std::to_string(format.blockAlign) + " bytes for " +
               std::to_string(format.channels) + " channels of " +
               std::to_string(format.bitsPerSample) + " bits";
    return std::nullopt;
}

uint8_t silenceByte(const WaveFormat& format) {
    return format.bitsPerSample == 8 ? 128 : 0;
}

HRESULT fillWithSound(CWaveFile& wave, uint8_t* area, uint32_t size, bool repeat) {
    if (!wave.GetFormat()) return CO_E_NOTINITIALIZED;
    const uint8_t silence = silenceByte(*wave.GetFormat());
    if (HRESULT hr = wave.ResetFile(); FAILED(hr)) return DXTRACE_ERR("ResetFile", hr);
    uint32_t read = 0;
    if (HRESULT hr = wave.Read(area, size, &read); FAILED(hr)) return DXTRACE_ERR("Read", hr);
    if (read == 0) {
        std::memset(area, silence, size);
        return S_OK;
    }
    uint32_t filled = read;
    while (repeat && filled < size) {
        if (HRESULT hr = wave.ResetFile(); FAILED(hr)) return DXTRACE_ERR("ResetFile", hr);
        if (HRESULT hr = wave.Read(area + filled, size - filled, &read); FAILED(hr))
            return DXTRACE_ERR("Read", hr);
        if (read == 0) break;
        filled += read;
    }
    std::memset(area + filled, silence, size - filled);
    return S_OK;
}

std::optional<std::string> waveProblem(CWaveFile& wave) {
    if (!wave.problem().empty()) return wave.problem();
    if (!wave.GetFormat()) return "not opened";
    if (wave.GetSize() == 0) return "no sound in it (the \"data\" chunk is empty)";
    return unplayableFormat(*wave.GetFormat());
}

std::optional<std::string> waveProblem(const std::string& fileName) {
    CWaveFile wave;
    wave.Open(fileName.c_str(), nullptr, WAVEFILE_READ);
    return waveProblem(wave);
}
