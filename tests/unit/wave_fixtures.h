#pragma once
// Small RIFF WAVE files built byte by byte, for the tests of the wave reader and the sound
// layer: chunks with true or lying sizes, PCM and other formats.

#include <cstdint>
#include <optional>
#include <string>

namespace wave_fixtures {

inline std::string le16(uint32_t v) {
    return {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff)};
}
inline std::string le32(uint32_t v) {
    return le16(v & 0xffff) + le16(v >> 16);
}

// A chunk: its id, its size (the body's unless `size` says otherwise), the body and a pad
// byte after an odd body.
inline std::string chunk(const std::string& id, const std::string& body,
                         std::optional<uint32_t> size = std::nullopt) {
    std::string bytes = id + le32(size ? *size : static_cast<uint32_t>(body.size())) + body;
    if (body.size() % 2) bytes += '\0';
    return bytes;
}

inline std::string riff(const std::string& body, const std::string& form = "WAVE",
                        std::optional<uint32_t> size = std::nullopt) {
    return "RIFF" + le32(size ? *size : static_cast<uint32_t>(body.size() + 4)) + form + body;
}

// The 16 bytes every format starts with.
inline std::string format16(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    const uint16_t block = static_cast<uint16_t>(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) + le16(bits);
}

inline std::string pcmFormat(uint16_t channels = 1, uint32_t rate = 22050, uint16_t bits = 16) {
    return chunk("fmt ", format16(1, channels, rate, bits));
}

// A whole PCM file around `data`.
inline std::string pcmWave(const std::string& data, uint16_t channels = 1, uint16_t bits = 16,
                           uint32_t rate = 22050) {
    return riff(pcmFormat(channels, rate, bits) + chunk("data", data));
}

// `seconds` of a quiet 16-bit mono tone at 22050 Hz.
inline std::string toneWave(double seconds) {
    std::string data;
    const auto count = static_cast<size_t>(seconds * 22050);
    for (size_t i = 0; i < count; ++i)
        data += le16(static_cast<uint16_t>(static_cast<int16_t>((i % 50 < 25) ? 2000 : -2000)));
    return pcmWave(data);
}

}  // namespace wave_fixtures
