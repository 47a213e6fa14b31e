#include "intro_film.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "glyph_font.h"
#include "music.h"
#include "paint.h"
#include "random.h"
#include "sound_synth.h"

namespace film {
namespace {

constexpr float pi = 3.14159265f;
constexpr int panoramaWidth = 2 * width;  // the camera pans across the garden once
constexpr float panEnd = 7.0f;            // seconds: the camera rests at the hive
constexpr float arrival = 8.2f;           // the bee reaches the hive's door
constexpr float titleStart = 7.2f;        // the name fades in over titleFade seconds
constexpr float titleFade = 1.2f;
constexpr int titleBox[4] = {150, 20, 490, 190};  // x0, y0, x1, y1 around the name
constexpr float hiveX = 1110, hiveY = 300;
constexpr float doorX = hiveX - 2, doorY = hiveY + 58;

// ---- the pictures -------------------------------------------------------------------

void paintFlower(Image& image, float x, float y, float size, Colour petal) {
    image.line(x, y, x, y + size * 3.2f, std::max(1.5f, size * 0.35f), hex(0x3f9a2f));
    for (int i = 0; i < 5; ++i) {
        float a = 2 * pi * static_cast<float>(i) / 5;
        image.ellipse(x + std::cos(a) * size * 0.8f, y + std::sin(a) * size * 0.8f, size * 0.7f,
                      size * 0.7f, petal);
    }
    image.ellipse(x, y, size * 0.55f, size * 0.55f, hex(0xffd21f));
}

void paintHive(Image& image) {
    image.rect(hiveX - 6, hiveY + 80, hiveX + 6, hiveY + 175, hex(0x8a5a2b));  // the post
    const float bandWidth[] = {38, 58, 72, 78, 72};
    for (int i = 0; i < 5; ++i) {
        float y = hiveY + static_cast<float>(i) * 22 - 10;
        image.ellipse(hiveX, y, bandWidth[i] + 2, 15, hex(0xb9781f));
        image.ellipse(hiveX, y - 2, bandWidth[i], 13, hex(0xf5bd3c));
    }
    image.ellipse(doorX, doorY, 14, 10, hex(0x4a2a10));
}

// The garden from the first flower to the hive: sky, sun, clouds, hills, a meadow of
// flowers and the hive on its post. Only the top `height` rows of the square are used.
Image paintPanorama() {
    Image image(panoramaWidth);
    image.paint([](float, float v) {
        float y = v * panoramaWidth;
        return mix(hex(0x7cc8ff), hex(0xe4f6ff), clamp01(y / 300));
    });
    image.ellipse(220, 95, 80, 80, hex(0xfff6c8, 0.35f), 20);
    image.ellipse(220, 95, 46, 46, hex(0xfff09a), 3);
    Random random(2024);
    for (int i = 0; i < 7; ++i) {
        float cx = 120 + static_cast<float>(i) * 175 + random.range(-30, 30);
        float cy = 70 + random.range(0, 80);
        for (int puff = 0; puff < 4; ++puff) {
            image.ellipse(cx + static_cast<float>(puff) * 22 - 33, cy + (puff % 2 ? -8.0f : 4.0f),
                          26, 18, hex(0xffffff, 0.95f), 4);
        }
    }
    image.layer([](float u, float v, Colour under) {
        float x = u * panoramaWidth, y = v * panoramaWidth;
        float far = 285 + 18 * std::sin(x * 0.008f) + 10 * std::sin(x * 0.021f + 1);
        float near = 345 + 10 * std::sin(x * 0.012f + 2);
        if (y > near) return mix(hex(0x78c850), hex(0x5aa83a), clamp01((y - near) / 140));
        if (y > far) return mix(hex(0xa8dc84), hex(0x8fcf6c), clamp01((y - far) / 60));
        return under;
    });
    const Colour petals[] = {hex(0xff7fb0), hex(0xffffff), hex(0xb58cff), hex(0xff9a4a),
                             hex(0xff5f6e), hex(0x7fb8ff)};
    for (int i = 0; i < 150; ++i) {
        float y = 370 + random.range(0, 100);
        float size = 3 + (y - 370) / 100 * 6;
        float x = random.range(0, panoramaWidth);
        if (std::abs(x - hiveX) < 90 && y < 480 && y > 440) continue;  // the post's foot
        paintFlower(image, x, y, size, petals[random.below(6)]);
    }
    paintHive(image);
    return image;
}

// The bee at (x, y) in the frame, `scale` 1 at full size, flying right; her wings beat
// slowly (`wingPhase` in turns) so nothing on the screen flickers. She stays inside the
// frame: the image wraps at its edges.
void paintBee(Image& image, float x, float y, float scale, float wingPhase) {
    if (scale <= 0.02f) return;
    float s = scale;
    float wing = 0.55f + 0.45f * std::sin(2 * pi * wingPhase);
    for (float dx : {-6.0f, 6.0f}) {
        const float wx = x + dx * s, wy = y - (21 + dx / 6) * s, wh = (8 + 8 * wing) * s;
        image.ellipse(wx, wy, 16 * s, wh + 1.5f * s, hex(0x6f93b3, 0.9f), 1.5f);
        image.ellipse(wx, wy, 14 * s, wh, hex(0xf2fbff, 0.95f), 1.5f);
    }
    image.ellipse(x - 34 * s, y + 1 * s, 6 * s, 3 * s, hex(0x3a2a12));  // the sting
    image.ellipse(x, y, 32 * s, 22 * s, hex(0x3a2a12), 1.5f);
    image.ellipse(x, y, 30 * s, 20 * s, hex(0xffd02a), 1.5f);
    for (float stripe : {-14.0f, 2.0f}) {
        for (float dy = -17; dy <= 17; dy += 1) {
            float half = std::sqrt(std::max(0.0f, 1 - (dy / 19) * (dy / 19)));
            if (half > 0) image.rect((x + stripe * s), y + dy * s, (x + (stripe + 7) * s),
                                     y + (dy + 1) * s, hex(0x3a2a12), 0.7f);
        }
    }
    image.ellipse(x + 30 * s, y - 2 * s, 15 * s, 14 * s, hex(0x3a2a12), 1.5f);
    image.ellipse(x + 35 * s, y - 6 * s, 5 * s, 5 * s, hex(0xffffff));
    image.ellipse(x + 36 * s, y - 6 * s, 2.4f * s, 2.4f * s, hex(0x1a1a1a));
    image.ellipse(x + 38 * s, y + 4 * s, 4 * s, 2 * s, hex(0xff8fa0));  // a smile's cheek
    image.line(x + 30 * s, y - 14 * s, x + 38 * s, y - 30 * s, 2 * s, hex(0x3a2a12));
    image.ellipse(x + 38 * s, y - 31 * s, 3.5f * s, 3.5f * s, hex(0x3a2a12));
}

float easeInOut(float t) {
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}

float panAt(float seconds) {
    return std::round(easeInOut(seconds / panEnd) * width);
}

// Where the bee is in the garden (panorama pixels) and how big she is.
struct BeePlace {
    float x, y, scale;
};

BeePlace beeAt(float seconds) {
    float t = easeInOut(seconds / arrival);
    float x = 70 + (doorX - 40 - 70) * t;
    float cruise = 250 + 28 * std::sin(2 * pi * seconds / 2.4f);
    float y = cruise + (doorY - 6 - cruise) * easeInOut((seconds - 5.5f) / (arrival - 5.5f));
    float scale = 1.0f - 0.35f * easeInOut((seconds - 5) / 3);
    scale *= 1 - easeInOut((seconds - arrival) / 0.7f);  // in through the door
    return {x, y, scale};
}

// The name OXA in big round letters over the sky.
Image paintTitle(const Image& background) {
    Image titled = background;
    const char32_t letters[] = {U'O', U'X', U'A'};
    for (int i = 0; i < 3; ++i) {
        float x0 = 170 + static_cast<float>(i) * 105;  // inside titleBox
        paintGlyph(titled, renderGlyph(letters[i], 110), x0, 40, x0 + 90, 170, hex(0xfff27a),
                   hex(0xff9d1f), hex(0x6b3a12), 6);
    }
    return titled;
}

// ---- encoding -----------------------------------------------------------------------

struct CodecDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameDeleter {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
using CodecPtr = std::unique_ptr<AVCodecContext, CodecDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;

void check(int result, const char* what) {
    if (result < 0) throw std::runtime_error(std::string("the film encoder: ") + what);
}

CodecPtr openEncoder(AVCodecID id, const std::function<void(AVCodecContext&)>& setUp) {
    const AVCodec* codec = avcodec_find_encoder(id);
    if (!codec) throw std::runtime_error("the film encoder: FFmpeg lacks an encoder");
    CodecPtr context(avcodec_alloc_context3(codec));
    context->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_GLOBAL_HEADER;
    context->thread_count = 1;
    setUp(*context);
    check(avcodec_open2(context.get(), codec, nullptr), "cannot open a codec");
    return context;
}

// Studio-range BT.601, as MPEG-1 players expect; chroma is the mean of each 2x2 block.
void toYuv(const Image& image, AVFrame& frame) {
    check(av_frame_make_writable(&frame), "no frame");
    auto byte = [](float v) { return static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
    for (int y = 0; y < height; ++y) {
        const Colour* row = &image.at(0, y);
        uint8_t* luma = frame.data[0] + y * frame.linesize[0];
        for (int x = 0; x < width; ++x) {
            const Colour& c = row[x];
            luma[x] = byte(16 + 65.481f * c.r + 128.553f * c.g + 24.966f * c.b);
        }
    }
    for (int y = 0; y < height / 2; ++y) {
        const Colour* rows[2] = {&image.at(0, 2 * y), &image.at(0, 2 * y + 1)};
        for (int x = 0; x < width / 2; ++x) {
            Colour sum{};
            for (int k = 0; k < 4; ++k) {
                const Colour& c = rows[k / 2][2 * x + k % 2];
                sum.r += c.r / 4, sum.g += c.g / 4, sum.b += c.b / 4;
            }
            frame.data[1][y * frame.linesize[1] + x] =
                byte(128 - 37.797f * sum.r - 74.203f * sum.g + 112 * sum.b);
            frame.data[2][y * frame.linesize[2] + x] =
                byte(128 + 112 * sum.r - 93.786f * sum.g - 18.214f * sum.b);
        }
    }
}

class Muxer {
  public:
    Muxer() {
        check(avformat_alloc_output_context2(&format_, nullptr, "mpeg", nullptr), "no muxer");
        format_->flags |= AVFMT_FLAG_BITEXACT;
        check(avio_open_dyn_buf(&format_->pb), "no memory for the film");
    }
    ~Muxer() {
        if (format_->pb) {
            uint8_t* bytes = nullptr;
            avio_close_dyn_buf(format_->pb, &bytes);
            av_free(bytes);
        }
        avformat_free_context(format_);
    }
    Muxer(const Muxer&) = delete;
    Muxer& operator=(const Muxer&) = delete;

    AVStream* addStream(const AVCodecContext& codec) {
        AVStream* stream = avformat_new_stream(format_, nullptr);
        if (!stream) throw std::runtime_error("the film encoder: no stream");
        check(avcodec_parameters_from_context(stream->codecpar, &codec), "stream parameters");
        stream->time_base = codec.time_base;
        return stream;
    }
    void start() { check(avformat_write_header(format_, nullptr), "cannot start the film"); }

    // Sends `frame` (null: the end) to the encoder and writes what comes out.
    void encode(AVCodecContext& codec, AVStream& stream, const AVFrame* frame) {
        check(avcodec_send_frame(&codec, frame), "cannot encode");
        PacketPtr packet(av_packet_alloc());
        while (avcodec_receive_packet(&codec, packet.get()) == 0) {
            av_packet_rescale_ts(packet.get(), codec.time_base, stream.time_base);
            packet->stream_index = stream.index;
            check(av_interleaved_write_frame(format_, packet.get()), "cannot write the film");
        }
    }

    std::string finish() {
        check(av_write_trailer(format_), "cannot end the film");
        uint8_t* bytes = nullptr;
        int size = avio_close_dyn_buf(format_->pb, &bytes);
        format_->pb = nullptr;
        std::string film(reinterpret_cast<char*>(bytes), static_cast<size_t>(size));
        av_free(bytes);
        return film;
    }

  private:
    AVFormatContext* format_ = nullptr;
};

// The first bars of the menu tune, at the film's rate, fading out at its end.
std::vector<int16_t> filmSound() {
    const music::Tune* menuTune = nullptr;
    for (const music::Tune& tune : music::tunes())
        if (tune.file == "MOV\\menu.wav") menuTune = &tune;
    if (!menuTune) throw std::runtime_error("the film has no menu tune");
    synth::Signal tune = music::renderTune(*menuTune, 0.5f);
    const size_t length = static_cast<size_t>(frameCount / framesPerSecond) * audioRate;
    std::vector<int16_t> samples(length);
    const double step = static_cast<double>(synth::sampleRate) / audioRate;
    for (size_t i = 0; i < length; ++i) {
        double at = static_cast<double>(i) * step;
        size_t k = static_cast<size_t>(at) % tune.size();
        float frac = static_cast<float>(at - std::floor(at));
        float v = tune[k] * (1 - frac) + tune[(k + 1) % tune.size()] * frac;
        float seconds = static_cast<float>(i) / audioRate;
        v *= clamp01(seconds / 0.3f) * clamp01((static_cast<float>(length) / audioRate - seconds) / 1.5f);
        samples[i] = static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32000));
    }
    return samples;
}

}  // namespace

std::string encodeIntroFilm() {
    av_log_set_level(AV_LOG_ERROR);
    CodecPtr video = openEncoder(AV_CODEC_ID_MPEG1VIDEO, [](AVCodecContext& c) {
        c.width = width;
        c.height = height;
        c.time_base = {1, framesPerSecond};
        c.framerate = {framesPerSecond, 1};
        c.pix_fmt = AV_PIX_FMT_YUV420P;
        c.gop_size = 12;
        c.max_b_frames = 2;
        c.bit_rate = 2'000'000;
        c.rc_max_rate = 3'000'000;
        c.rc_buffer_size = 1'835'008;
    });
    CodecPtr audio = openEncoder(AV_CODEC_ID_MP2, [](AVCodecContext& c) {
        c.sample_fmt = AV_SAMPLE_FMT_S16;
        c.sample_rate = audioRate;
        c.time_base = {1, audioRate};
        c.bit_rate = 128'000;
        av_channel_layout_default(&c.ch_layout, 1);
    });
    Muxer muxer;
    AVStream* videoStream = muxer.addStream(*video);
    AVStream* audioStream = muxer.addStream(*audio);
    muxer.start();

    const std::vector<int16_t> sound = filmSound();
    FramePtr soundFrame(av_frame_alloc());
    soundFrame->format = AV_SAMPLE_FMT_S16;
    soundFrame->sample_rate = audioRate;
    soundFrame->nb_samples = audio->frame_size;
    check(av_channel_layout_copy(&soundFrame->ch_layout, &audio->ch_layout), "layout");
    check(av_frame_get_buffer(soundFrame.get(), 0), "no sound frame");
    size_t soundDone = 0;

    FramePtr picture(av_frame_alloc());
    picture->format = AV_PIX_FMT_YUV420P;
    picture->width = width;
    picture->height = height;
    check(av_frame_get_buffer(picture.get(), 0), "no picture frame");

    const Image panorama = paintPanorama();
    Image restingView(width);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) restingView.at(x, y) = panorama.at(x + width, y);
    const Image titledView = paintTitle(restingView);

    Image frame(width);
    for (int n = 0; n < frameCount; ++n) {
        const float seconds = static_cast<float>(n) / framesPerSecond;
        const int pan = static_cast<int>(panAt(seconds));
        const float title = clamp01((seconds - titleStart) / titleFade);
        for (int y = 0; y < height; ++y) std::copy_n(&panorama.at(pan, y), width, &frame.at(0, y));
        if (title > 0) {
            for (int y = titleBox[1]; y < titleBox[3]; ++y)
                for (int x = titleBox[0]; x < titleBox[2]; ++x)
                    frame.at(x, y) = mix(restingView.at(x, y), titledView.at(x, y), title);
        }
        const BeePlace bee = beeAt(seconds);
        paintBee(frame, bee.x - static_cast<float>(pan), bee.y, bee.scale, seconds * 2.5f);
        toYuv(frame, *picture);
        picture->pts = n;
        muxer.encode(*video, *videoStream, picture.get());

        // Keep the sound a little ahead of the pictures, as the muxer interleaves them.
        const size_t soundWanted = std::min(
            sound.size(), static_cast<size_t>(n + 13) * audioRate / framesPerSecond);
        while (soundDone + static_cast<size_t>(audio->frame_size) <= soundWanted ||
               (n == frameCount - 1 && soundDone < sound.size())) {
            check(av_frame_make_writable(soundFrame.get()), "no sound frame");
            auto* out = reinterpret_cast<int16_t*>(soundFrame->data[0]);
            for (int i = 0; i < audio->frame_size; ++i) {
                size_t at = soundDone + static_cast<size_t>(i);
                out[i] = at < sound.size() ? sound[at] : 0;
            }
            soundFrame->pts = static_cast<int64_t>(soundDone);
            muxer.encode(*audio, *audioStream, soundFrame.get());
            soundDone += static_cast<size_t>(audio->frame_size);
        }
    }
    muxer.encode(*video, *videoStream, nullptr);
    muxer.encode(*audio, *audioStream, nullptr);
    return muxer.finish();
}

}  // namespace film

void addIntroFilm(DataFiles& files) {
    files["MOV\\oxa.mpg"] = film::encodeIntroFilm();
}
