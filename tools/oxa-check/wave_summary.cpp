#include "wave_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

std::optional<WaveSummary> summariseWave(std::string bytes, std::string& problem) {
    CWaveFile wave;
    wave.OpenBytes(std::move(bytes));
    if (auto refused = waveProblem(wave)) {
        problem = *refused;
        return std::nullopt;
    }
    WaveSummary summary;
    summary.format = *wave.GetFormat();
    summary.dataBytes = wave.GetSize();
    const WaveFormat& f = summary.format;
    summary.seconds = static_cast<double>(summary.dataBytes) / f.blockAlign / f.samplesPerSec;
    std::vector<uint8_t> data(summary.dataBytes);
    uint32_t read = 0;
    wave.Read(data.data(), summary.dataBytes, &read);
    int largest = 0;
    if (f.bitsPerSample == 8) {
        for (uint32_t i = 0; i < read; ++i) largest = std::max(largest, std::abs(data[i] - 128));
        summary.peak = largest / 128.0;
    } else {
        for (uint32_t i = 0; i + 1 < read; i += 2) {
            const auto sample = static_cast<int16_t>(data[i] | data[i + 1] << 8);
            largest = std::max(largest, std::abs(static_cast<int>(sample)));
        }
        summary.peak = largest / 32768.0;
    }
    return summary;
}

std::string waveSummaryText(const WaveSummary& wave) {
    char text[128];
    const char* channels = wave.format.channels == 1 ? "mono" : "stereo";
    if (wave.peak > 0) {
        std::snprintf(text, sizeof text, "PCM %u Hz %u-bit %s, %.2f s, peak %.1f dB",
                      wave.format.samplesPerSec, wave.format.bitsPerSample, channels, wave.seconds,
                      20 * std::log10(wave.peak));
    } else {
        std::snprintf(text, sizeof text, "PCM %u Hz %u-bit %s, %.2f s, silent",
                      wave.format.samplesPerSec, wave.format.bitsPerSample, channels, wave.seconds);
    }
    return text;
}
