#include "platform/movie.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/version.h>
#include <libavformat/avformat.h>
#include <libavformat/version.h>
#include <libavutil/macros.h>
#include <libavutil/version.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
#include <libswresample/version.h>
#include <libswscale/swscale.h>
#include <libswscale/version.h>
}

#include <dlfcn.h>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// The FFmpeg libraries are opened when a film is first played, not when the game starts:
// they bring in a hundred more libraries, which would slow every start (and the display
// watchdog's) by a tenth of a second, and a machine without them still plays, filmless.
#define OXA_FFMPEG_FUNCTIONS(X) \
    X(avutil, av_log_set_level) \
    X(avutil, av_strerror) \
    X(avutil, av_malloc) \
    X(avutil, av_free) \
    X(avutil, av_freep) \
    X(avutil, av_frame_alloc) \
    X(avutil, av_frame_free) \
    X(avutil, av_frame_unref) \
    X(avutil, av_channel_layout_default) \
    X(avutil, av_channel_layout_compare) \
    X(avutil, av_channel_layout_copy) \
    X(avutil, av_channel_layout_uninit) \
    X(avcodec, avcodec_alloc_context3) \
    X(avcodec, avcodec_parameters_to_context) \
    X(avcodec, avcodec_open2) \
    X(avcodec, avcodec_free_context) \
    X(avcodec, avcodec_send_packet) \
    X(avcodec, avcodec_receive_frame) \
    X(avcodec, av_packet_alloc) \
    X(avcodec, av_packet_free) \
    X(avcodec, av_packet_unref) \
    X(avformat, avformat_alloc_context) \
    X(avformat, avformat_open_input) \
    X(avformat, avformat_find_stream_info) \
    X(avformat, av_find_best_stream) \
    X(avformat, avformat_close_input) \
    X(avformat, av_read_frame) \
    X(avformat, avio_alloc_context) \
    X(avformat, avio_context_free) \
    X(swscale, sws_getCachedContext) \
    X(swscale, sws_scale) \
    X(swscale, sws_freeContext) \
    X(swresample, swr_alloc_set_opts2) \
    X(swresample, swr_init) \
    X(swresample, swr_free) \
    X(swresample, swr_get_out_samples) \
    X(swresample, swr_convert)

struct Ffmpeg {
#define OXA_POINTER(library, name) decltype(&::name) name = nullptr;
    OXA_FFMPEG_FUNCTIONS(OXA_POINTER)
#undef OXA_POINTER
};

const Ffmpeg* F = nullptr;  // set once the libraries are loaded

// Loads the libraries of the major versions the game was built with; false, with the
// reason in `error`, when they are not there.
bool loadFfmpeg(std::string& error) {
    static Ffmpeg table;
    static std::string failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        struct Library {
            const char* file;
            void* handle;
        };
        Library avutil{"libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR), nullptr};
        Library swresample{"libswresample.so." AV_STRINGIFY(LIBSWRESAMPLE_VERSION_MAJOR), nullptr};
        Library swscale{"libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR), nullptr};
        Library avcodec{"libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR), nullptr};
        Library avformat{"libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR), nullptr};
        for (Library* library : {&avutil, &swresample, &swscale, &avcodec, &avformat}) {
            library->handle = dlopen(library->file, RTLD_NOW | RTLD_LOCAL);
            if (!library->handle && failure.empty())
                failure = std::string("the FFmpeg libraries are missing (") + dlerror() + ")";
        }
        if (failure.empty()) {
#define OXA_LOOKUP(library, name)                                                          \
    table.name = reinterpret_cast<decltype(table.name)>(dlsym(library.handle, #name));     \
    if (!table.name && failure.empty()) failure = "the FFmpeg libraries lack " #name;
            OXA_FFMPEG_FUNCTIONS(OXA_LOOKUP)
#undef OXA_LOOKUP
        }
        if (failure.empty()) F = &table;
    }
    error = failure;
    return F != nullptr;
}

// Beyond these a picture is not our film (and would only cost memory).
constexpr int largestSide = 4096;
// Packets that come out of a broken stream before it gives up: a bound on the work.
constexpr int mostFailedPackets = 50;

std::string describe(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    F->av_strerror(code, text, sizeof text);
    return text;
}

// The film's bytes, read by the demuxer through a memory reader of its own.
struct MemoryReader {
    std::string bytes;
    size_t at = 0;

    static int read(void* opaque, uint8_t* dest, int size) {
        auto* self = static_cast<MemoryReader*>(opaque);
        size_t left = self->bytes.size() - self->at;
        if (left == 0) return AVERROR_EOF;
        size_t n = std::min(left, static_cast<size_t>(size));
        std::memcpy(dest, self->bytes.data() + self->at, n);
        self->at += n;
        return static_cast<int>(n);
    }

    static int64_t seek(void* opaque, int64_t offset, int whence) {
        auto* self = static_cast<MemoryReader*>(opaque);
        const auto size = static_cast<int64_t>(self->bytes.size());
        if (whence == AVSEEK_SIZE) return size;
        int64_t base = 0;
        switch (whence & ~AVSEEK_FORCE) {
            case SEEK_SET: base = 0; break;
            case SEEK_CUR: base = static_cast<int64_t>(self->at); break;
            case SEEK_END: base = size; break;
            default: return AVERROR(EINVAL);
        }
        if (offset > size - base || offset < -base) return AVERROR(EINVAL);
        self->at = static_cast<size_t>(base + offset);
        return static_cast<int64_t>(self->at);
    }
};

// One opened film and one of its streams with its decoder.
class Demuxed {
  public:
    ~Demuxed() {
        if (!F) return;  // nothing was opened
        F->avcodec_free_context(&codec_);
        if (format_) F->avformat_close_input(&format_);
        if (io_) F->av_freep(&io_->buffer);
        F->avio_context_free(&io_);
    }

    bool open(std::string bytes, AVMediaType type, std::string& error) {
        if (!loadFfmpeg(error)) return false;
        F->av_log_set_level(AV_LOG_QUIET);
        reader_.bytes = std::move(bytes);
        constexpr int bufferSize = 32768;
        auto* buffer = static_cast<uint8_t*>(F->av_malloc(bufferSize));
        io_ = F->avio_alloc_context(buffer, bufferSize, 0, &reader_, MemoryReader::read, nullptr,
                                 MemoryReader::seek);
        if (!io_) {
            F->av_free(buffer);
            return fail(error, "out of memory");
        }
        format_ = F->avformat_alloc_context();
        if (!format_) return fail(error, "out of memory");
        format_->pb = io_;
        format_->flags |= AVFMT_FLAG_CUSTOM_IO;
        if (int code = F->avformat_open_input(&format_, nullptr, nullptr, nullptr); code < 0) {
            format_ = nullptr;  // freed by the failed open
            return fail(error, "not a film FFmpeg knows (" + describe(code) + ")");
        }
        if (int code = F->avformat_find_stream_info(format_, nullptr); code < 0)
            return fail(error, "no streams found (" + describe(code) + ")");
        const AVCodec* decoder = nullptr;
        stream_ = F->av_find_best_stream(format_, type, -1, -1, &decoder, 0);
        if (stream_ < 0 || !decoder)
            return fail(error, type == AVMEDIA_TYPE_VIDEO ? "no pictures in it" : "no sound in it");
        codec_ = F->avcodec_alloc_context3(decoder);
        if (!codec_) return fail(error, "out of memory");
        if (F->avcodec_parameters_to_context(codec_, format_->streams[stream_]->codecpar) < 0)
            return fail(error, "a stream FFmpeg cannot describe");
        codec_->thread_count = 1;
        if (int code = F->avcodec_open2(codec_, decoder, nullptr); code < 0)
            return fail(error, "its decoder does not start (" + describe(code) + ")");
        return true;
    }

    // The next decoded frame of the stream into `frame`. False at the end (`error` empty)
    // or where the stream breaks.
    bool next(AVFrame* frame, std::string& error) {
        for (;;) {
            int code = F->avcodec_receive_frame(codec_, frame);
            if (code == 0) return true;
            if (code == AVERROR_EOF) return false;
            if (code != AVERROR(EAGAIN)) return fail(error, "it breaks (" + describe(code) + ")");
            if (!feedDecoder(error)) return false;
        }
    }

    AVCodecContext* codec() const { return codec_; }
    AVStream* stream() const { return format_->streams[stream_]; }

  private:
    // Sends the next packet of our stream, or the end of the stream after the last.
    bool feedDecoder(std::string& error) {
        if (drained_) return false;
        AVPacket* packet = F->av_packet_alloc();
        if (!packet) return fail(error, "out of memory");
        for (;;) {
            int code = F->av_read_frame(format_, packet);
            if (code < 0) {
                F->av_packet_free(&packet);
                drained_ = true;
                if (code != AVERROR_EOF) error = "it breaks (" + describe(code) + ")";
                F->avcodec_send_packet(codec_, nullptr);  // what the decoder holds comes out
                return error.empty();
            }
            if (packet->stream_index != stream_) {
                F->av_packet_unref(packet);
                continue;
            }
            code = F->avcodec_send_packet(codec_, packet);
            F->av_packet_unref(packet);
            if (code >= 0 || code == AVERROR(EAGAIN)) break;
            if (++failedPackets_ > mostFailedPackets) {
                F->av_packet_free(&packet);
                return fail(error, "it breaks (" + describe(code) + ")");
            }
        }
        F->av_packet_free(&packet);
        return true;
    }

    static bool fail(std::string& error, std::string why) {
        error = std::move(why);
        return false;
    }

    MemoryReader reader_;
    AVIOContext* io_ = nullptr;
    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    int stream_ = -1;
    bool drained_ = false;
    int failedPackets_ = 0;
};

struct FrameHolder {
    AVFrame* frame = F->av_frame_alloc();
    ~FrameHolder() { F->av_frame_free(&frame); }
    FrameHolder() = default;
    FrameHolder(const FrameHolder&) = delete;
    FrameHolder& operator=(const FrameHolder&) = delete;
};

}  // namespace

struct MovieDecoder::State {
    Demuxed film;
    FrameHolder decoded;
    SwsContext* scaler = nullptr;
    double timeBase = 0;
    double frameLength = 0.04;
    int64_t firstPts = AV_NOPTS_VALUE;
    double lastSeconds = -1;

    ~State() { F->sws_freeContext(scaler); }
};

MovieDecoder::MovieDecoder() = default;
MovieDecoder::~MovieDecoder() = default;

bool MovieDecoder::open(std::string bytes, std::string& error) {
    state_.reset();
    if (!loadFfmpeg(error)) return false;
    state_ = std::make_unique<State>();
    if (!state_->film.open(std::move(bytes), AVMEDIA_TYPE_VIDEO, error)) {
        state_.reset();
        return false;
    }
    AVStream* stream = state_->film.stream();
    state_->timeBase = av_q2d(stream->time_base);
    AVRational rate = stream->avg_frame_rate.num ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1 && av_q2d(rate) <= 120)
        state_->frameLength = 1 / av_q2d(rate);
    return true;
}

bool MovieDecoder::nextFrame(MovieFrame& frame, std::string& error) {
    error.clear();
    if (!state_) return false;
    State& s = *state_;
    AVFrame* decoded = s.decoded.frame;
    if (!s.film.next(decoded, error)) {
        state_.reset();
        return false;
    }
    const int w = decoded->width, h = decoded->height;
    if (w <= 0 || h <= 0 || w > largestSide || h > largestSide) {
        error = "a picture of " + std::to_string(w) + " x " + std::to_string(h) + " pixels";
        state_.reset();
        return false;
    }
    s.scaler = F->sws_getCachedContext(s.scaler, w, h, static_cast<AVPixelFormat>(decoded->format),
                                    w, h, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr,
                                    nullptr);
    if (!s.scaler) {
        error = "pictures of a kind that cannot be shown";
        state_.reset();
        return false;
    }
    frame.width = w;
    frame.height = h;
    frame.rgb.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    uint8_t* planes[4] = {frame.rgb.data(), nullptr, nullptr, nullptr};
    int strides[4] = {w * 3, 0, 0, 0};
    F->sws_scale(s.scaler, decoded->data, decoded->linesize, 0, h, planes, strides);

    // Times from the film's own clock (its first picture at 0); where a picture has none,
    // or goes back in time, it follows the one before.
    double seconds = s.lastSeconds < 0 ? 0 : s.lastSeconds + s.frameLength;
    const int64_t pts = decoded->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE) {
        if (s.firstPts == AV_NOPTS_VALUE) s.firstPts = pts;
        double fromPts = static_cast<double>(pts - s.firstPts) * s.timeBase;
        if (fromPts > s.lastSeconds && fromPts < s.lastSeconds + 10) seconds = fromPts;
    }
    frame.seconds = seconds;
    frame.duration = s.frameLength;
    s.lastSeconds = seconds;
    F->av_frame_unref(decoded);
    return true;
}

MovieSound decodeMovieSound(const std::string& bytes) {
    MovieSound sound;
    Demuxed film;
    std::string error;
    if (!film.open(bytes, AVMEDIA_TYPE_AUDIO, error)) return sound;

    // The resampler takes the shape of the first decoded sound, not the one the file
    // announces (a damaged file may announce another); a sound that changes its shape on
    // the way ends where it changes.
    SwrContext* resampler = nullptr;
    AVChannelLayout layout{};
    int format = AV_SAMPLE_FMT_NONE, rate = 0, channels = 0;
    FrameHolder decoded;
    std::vector<int16_t> chunk;
    while (film.next(decoded.frame, error)) {
        AVFrame* f = decoded.frame;
        const bool sameShape = resampler && f->format == format && f->sample_rate == rate &&
                               F->av_channel_layout_compare(&f->ch_layout, &layout) == 0;
        if (!resampler) {
            rate = f->sample_rate;
            format = f->format;
            channels = std::clamp(f->ch_layout.nb_channels, 1, 2);
            AVChannelLayout outLayout;
            F->av_channel_layout_default(&outLayout, channels);
            if (rate < 8000 || rate > 192000 || f->ch_layout.nb_channels <= 0 ||
                F->av_channel_layout_copy(&layout, &f->ch_layout) < 0 ||
                F->swr_alloc_set_opts2(&resampler, &outLayout, AV_SAMPLE_FMT_S16, rate, &layout,
                                    static_cast<AVSampleFormat>(format), rate, 0, nullptr) < 0 ||
                F->swr_init(resampler) < 0) {
                F->av_frame_unref(f);
                break;
            }
        } else if (!sameShape) {
            F->av_frame_unref(f);
            break;
        }
        // A bound on the sound kept: ten minutes is more than any start-up film.
        const size_t mostSamples = static_cast<size_t>(rate) * static_cast<size_t>(channels) * 600;
        const int room = F->swr_get_out_samples(resampler, f->nb_samples);
        if (f->nb_samples <= 0 || !f->extended_data || room <= 0 ||
            sound.samples.size() > mostSamples) {
            F->av_frame_unref(f);
            break;
        }
        chunk.resize(static_cast<size_t>(room) * static_cast<size_t>(channels));
        auto* out = reinterpret_cast<uint8_t*>(chunk.data());
        const int made = F->swr_convert(resampler, &out, room,
                                     const_cast<const uint8_t**>(f->extended_data), f->nb_samples);
        F->av_frame_unref(f);
        if (made < 0) break;
        sound.samples.insert(sound.samples.end(), chunk.begin(),
                             chunk.begin() + static_cast<ptrdiff_t>(made) * channels);
    }
    F->swr_free(&resampler);
    F->av_channel_layout_uninit(&layout);
    if (!sound.samples.empty()) {
        sound.rate = rate;
        sound.channels = channels;
    }
    return sound;
}

}  // namespace platform
