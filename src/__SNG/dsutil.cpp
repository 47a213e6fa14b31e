#include "__SNG/dsutil.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>

#include "__SNG/sound_rules.h"

namespace {

// The C library's generator of the sound layer, for the free-buffer choice.
CrtRand soundRand;

ALCdevice* device(void* handle) {
    return static_cast<ALCdevice*>(handle);
}
ALCcontext* context(void* handle) {
    return static_cast<ALCcontext*>(handle);
}

// The result of the OpenAL calls since the last check.
HRESULT alResult() {
    const ALenum error = alGetError();
    if (error == AL_NO_ERROR) return S_OK;
    return error == AL_OUT_OF_MEMORY ? E_OUTOFMEMORY : E_FAIL;
}

// While a device opens, the sound libraries below OpenAL print pages of complaints when
// there is none; the game says it in one line of its own instead. Whoever sets
// ALSOFT_LOGLEVEL to look into it sees everything.
class QuietStderr {
  public:
    QuietStderr() {
        if (std::getenv("ALSOFT_LOGLEVEL")) return;
        saved_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ < 0 || null < 0 || dup2(null, STDERR_FILENO) < 0) restore();
        if (null >= 0) close(null);
    }
    ~QuietStderr() { restore(); }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    void restore() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    int saved_ = -1;
};

ALenum alFormatOf(const WaveFormat& format) {
    if (format.channels == 1) return format.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    return format.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

}  // namespace

// ---- CSoundBuffer

CSoundBuffer::~CSoundBuffer() {
    alDeleteSources(1, &source_);
}

HRESULT CSoundBuffer::Play(uint32_t, uint32_t, uint32_t flags) {
    alGetError();
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    alSourcei(source_, AL_LOOPING, (flags & DSBPLAY_LOOPING) ? AL_TRUE : AL_FALSE);
    // OpenAL would start a playing source again from the start; a playing buffer goes on.
    if (state != AL_PLAYING) alSourcePlay(source_);
    return alResult();
}

HRESULT CSoundBuffer::Stop() {
    alGetError();
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    // Pausing keeps the position, as a stopped buffer does.
    if (state == AL_PLAYING) alSourcePause(source_);
    return alResult();
}

HRESULT CSoundBuffer::SetCurrentPosition(uint32_t position) {
    alGetError();
    alSourcei(source_, AL_BYTE_OFFSET, static_cast<ALint>(position));
    return alResult();
}

HRESULT CSoundBuffer::GetStatus(uint32_t* status) {
    if (!status) return E_INVALIDARG;
    alGetError();
    ALint state = AL_INITIAL;
    ALint looping = AL_FALSE;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    alGetSourcei(source_, AL_LOOPING, &looping);
    *status = 0;
    if (state == AL_PLAYING) *status = DSBSTATUS_PLAYING | (looping ? DSBSTATUS_LOOPING : 0);
    return alResult();
}

HRESULT CSoundBuffer::SetVolume(long volume) {
    if (!volumeAccepted(volume)) return DSERR_INVALIDPARAM;
    alGetError();
    alSourcef(source_, AL_GAIN, gainOfVolume(volume));
    HRESULT hr = alResult();
    if (SUCCEEDED(hr)) volume_ = volume;
    return hr;
}

HRESULT CSoundBuffer::GetVolume(long* volume) {
    if (!volume) return E_INVALIDARG;
    *volume = volume_;
    return S_OK;
}

// ---- CSound

CSound::CSound(std::vector<std::unique_ptr<CSoundBuffer>> buffers, unsigned data, uint32_t size,
               std::unique_ptr<CWaveFile> wave)
    : buffers_(std::move(buffers)), data_(data), size_(size), wave_(std::move(wave)) {
    FillBufferWithSound(buffers_.empty() ? nullptr : buffers_[0].get(), false);
    Reset();
}

CSound::~CSound() {
    buffers_.clear();  // the sources go before the data they play
    alDeleteBuffers(1, &data_);
}

HRESULT CSound::RestoreBuffer(CSoundBuffer* buffer, bool* wasRestored) {
    if (wasRestored) *wasRestored = false;
    if (!buffer) return CO_E_NOTINITIALIZED;
    uint32_t status = 0;
    if (HRESULT hr = buffer->GetStatus(&status); FAILED(hr)) return DXTRACE_ERR("GetStatus", hr);
    if (!(status & DSBSTATUS_BUFFERLOST)) return S_FALSE;
    // Not reached on OpenAL; kept so that a back end that can lose buffers fits in.
    if (HRESULT hr = buffer->Restore(); FAILED(hr)) return DXTRACE_ERR("Restore", hr);
    if (wasRestored) *wasRestored = true;
    return S_OK;
}

HRESULT CSound::FillBufferWithSound(CSoundBuffer* buffer, bool repeatWavIfBufferLarger) {
    if (!buffer) return CO_E_NOTINITIALIZED;
    if (HRESULT hr = RestoreBuffer(buffer, nullptr); FAILED(hr))
        return DXTRACE_ERR("RestoreBuffer", hr);
    if (!wave_ || !wave_->GetFormat()) return DXTRACE_ERR("Lock", CO_E_NOTINITIALIZED);
    // The locked buffer is memory of our own; unlocking hands it to OpenAL.
    std::vector<uint8_t> area(size_);
    if (HRESULT hr = fillWithSound(*wave_, area.data(), size_, repeatWavIfBufferLarger);
        FAILED(hr))
        return DXTRACE_ERR("Read", hr);
    const WaveFormat& format = *wave_->GetFormat();
    const uint32_t frame = format.channels * format.bitsPerSample / 8u;
    alGetError();
    // Data cannot change under a source that holds it: every source lets go meanwhile.
    for (auto& playback : buffers_) {
        alSourceStop(playback->source());
        alSourcei(playback->source(), AL_BUFFER, 0);
    }
    alBufferData(data_, alFormatOf(format), area.data(),
                 static_cast<ALsizei>(size_ - size_ % frame),
                 static_cast<ALsizei>(format.samplesPerSec));
    for (auto& playback : buffers_)
        alSourcei(playback->source(), AL_BUFFER, static_cast<ALint>(data_));
    if (HRESULT hr = alResult(); FAILED(hr)) return DXTRACE_ERR("Unlock", hr);
    return S_OK;
}

CSoundBuffer* CSound::GetFreeBuffer() {
    std::vector<BufferState> states(buffers_.size());
    for (size_t i = 0; i < buffers_.size(); ++i) {
        if (!buffers_[i]) continue;
        uint32_t status = 0;
        buffers_[i]->GetStatus(&status);
        states[i] = {true, (status & DSBSTATUS_PLAYING) != 0};
    }
    const int chosen = chooseFreeBuffer(states, soundRand);
    return chosen < 0 ? nullptr : buffers_[static_cast<size_t>(chosen)].get();
}

HRESULT CSound::Play(uint32_t priority, uint32_t flags) {
    if (buffers_.empty()) return CO_E_NOTINITIALIZED;
    CSoundBuffer* buffer = GetFreeBuffer();
    if (!buffer) return DXTRACE_ERR("GetFreeBuffer", E_FAIL);
    bool restored = false;
    if (HRESULT hr = RestoreBuffer(buffer, &restored); FAILED(hr))
        return DXTRACE_ERR("RestoreBuffer", hr);
    if (restored) {
        if (HRESULT hr = FillBufferWithSound(buffer, false); FAILED(hr))
            return DXTRACE_ERR("FillBufferWithSound", hr);
        Reset();
    }
    return buffer->Play(0, priority, flags);
}

HRESULT CSound::Stop() {
    if (buffers_.empty()) return CO_E_NOTINITIALIZED;
    HRESULT hr = S_OK;
    for (auto& buffer : buffers_) hr |= buffer->Stop();
    return hr;
}

HRESULT CSound::Reset() {
    if (buffers_.empty()) return CO_E_NOTINITIALIZED;
    HRESULT hr = S_OK;
    for (auto& buffer : buffers_) hr |= buffer->SetCurrentPosition(0);
    return hr;
}

CSoundBuffer* CSound::GetBuffer(uint32_t index) {
    if (index >= buffers_.size()) return nullptr;
    return buffers_[index].get();
}

bool CSound::IsSoundPlaying() {
    for (auto& buffer : buffers_) {
        uint32_t status = 0;
        buffer->GetStatus(&status);
        if (status & DSBSTATUS_PLAYING) return true;
    }
    return false;
}

// ---- CSoundManager

CSoundManager::~CSoundManager() {
    release();
}

void CSoundManager::release() {
    if (context_) {
        if (alcGetCurrentContext() == context(context_)) alcMakeContextCurrent(nullptr);
        alcDestroyContext(context(context_));
        context_ = nullptr;
    }
    if (device_) {
        alcCloseDevice(device(device_));
        device_ = nullptr;
    }
}

HRESULT CSoundManager::Initialize(unsigned long, uint32_t, uint32_t channels,
                                  uint32_t samplesPerSec, uint32_t bitsPerSample) {
    release();
    {
        QuietStderr quiet;
        device_ = alcOpenDevice(nullptr);
    }
    if (!device_) return DXTRACE_ERR("DirectSoundCreate8", DSERR_NODRIVER);
    if (HRESULT hr = SetPrimaryBufferFormat(channels, samplesPerSec, bitsPerSample); FAILED(hr)) {
        release();
        return DXTRACE_ERR("SetPrimaryBufferFormat", hr);
    }
    return S_OK;
}

HRESULT CSoundManager::SetPrimaryBufferFormat(uint32_t channels, uint32_t samplesPerSec,
                                              uint32_t bitsPerSample) {
    if (!device_) return CO_E_NOTINITIALIZED;
    if (channels < 1 || channels > 2 || (bitsPerSample != 8 && bitsPerSample != 16))
        return DXTRACE_ERR("SetFormat", DSERR_BADFORMAT);
    const std::array<ALCint, 3> attributes = {ALC_FREQUENCY, static_cast<ALCint>(samplesPerSec), 0};
    if (!context_) {
        context_ = alcCreateContext(device(device_), attributes.data());
        if (!context_) return DXTRACE_ERR("CreateSoundBuffer", E_FAIL);
    } else if (alcIsExtensionPresent(device(device_), "ALC_SOFT_HRTF")) {
        auto reset = reinterpret_cast<LPALCRESETDEVICESOFT>(
            alcGetProcAddress(device(device_), "alcResetDeviceSOFT"));
        if (reset && !reset(device(device_), attributes.data()))
            return DXTRACE_ERR("SetFormat", E_FAIL);
    }
    if (!alcMakeContextCurrent(context(context_))) return DXTRACE_ERR("SetFormat", E_FAIL);
    // Every sound plays as it is, in the middle, wherever the listener is.
    alDistanceModel(AL_NONE);
    alListenerf(AL_GAIN, 1.0f);
    return S_OK;
}

HRESULT CSoundManager::Create(CSound** sound, const char* fileName, uint32_t, Guid,
                              uint32_t buffers) {
    if (!device_ || !context_) return CO_E_NOTINITIALIZED;
    if (!fileName || !sound || buffers == 0) return E_INVALIDARG;
    auto wave = std::make_unique<CWaveFile>();
    wave->Open(fileName, nullptr, WAVEFILE_READ);
    const uint32_t size = wave->GetSize();
    if (size == 0) return DXTRACE_ERR("m_pWaveFile->GetSize()", E_FAIL);
    if (unplayableFormat(*wave->GetFormat()))
        return DXTRACE_ERR("CreateSoundBuffer", DSERR_BADFORMAT);

    alGetError();
    ALuint data = 0;
    alGenBuffers(1, &data);
    if (HRESULT hr = alResult(); FAILED(hr)) return DXTRACE_ERR("CreateSoundBuffer", hr);
    std::vector<std::unique_ptr<CSoundBuffer>> playback;
    for (uint32_t i = 0; i < buffers; ++i) {
        ALuint source = 0;
        alGenSources(1, &source);
        if (HRESULT hr = alResult(); FAILED(hr)) {
            playback.clear();
            alDeleteBuffers(1, &data);
            return DXTRACE_ERR(i == 0 ? "CreateSoundBuffer" : "DuplicateSoundBuffer", hr);
        }
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0, 0, 0);
        playback.push_back(std::make_unique<CSoundBuffer>(source));
    }
    *sound = new CSound(std::move(playback), data, size, std::move(wave));
    return S_OK;
}

// ---- CStreamedSound

HRESULT CStreamedSound::Play(const int16_t* samples, size_t count, uint32_t channels,
                             uint32_t rate) {
    Stop();
    if (channels < 1 || channels > 2 || rate == 0 || count == 0 ||
        count > static_cast<size_t>(INT32_MAX) / sizeof(int16_t))
        return DXTRACE_ERR("CreateSoundBuffer", DSERR_BADFORMAT);
    {
        QuietStderr quiet;
        device_ = alcOpenDevice(nullptr);
    }
    if (!device_) return DXTRACE_ERR("DirectSoundCreate8", DSERR_NODRIVER);
    context_ = alcCreateContext(device(device_), nullptr);
    if (!context_ || !alcMakeContextCurrent(context(context_))) {
        Stop();
        return DXTRACE_ERR("SetCooperativeLevel", E_FAIL);
    }
    alGetError();
    alGenBuffers(1, &data_);
    alBufferData(data_, channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, samples,
                 static_cast<ALsizei>(count * sizeof(int16_t)), static_cast<ALsizei>(rate));
    alGenSources(1, &source_);
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcei(source_, AL_BUFFER, static_cast<ALint>(data_));
    alSourcePlay(source_);
    if (HRESULT hr = alResult(); FAILED(hr)) {
        Stop();
        return DXTRACE_ERR("Play", hr);
    }
    return S_OK;
}

void CStreamedSound::Stop() {
    if (!device_) return;
    if (context_) {
        if (source_) {
            alSourceStop(source_);
            alDeleteSources(1, &source_);
        }
        if (data_) alDeleteBuffers(1, &data_);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context(context_));
    }
    alcCloseDevice(device(device_));
    device_ = context_ = nullptr;
    source_ = data_ = 0;
}
