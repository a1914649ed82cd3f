#include "platform/sound.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace sky {

namespace {
using Samples = std::shared_ptr<const std::vector<uint8_t>>;
}

struct SoundPlayer::Device {
    enum class State { Unopened, Open, Unavailable };
    State state = State::Unopened;
    bool subsystem = false;
    SDL_AudioDeviceID id = 0;
    SDL_AudioSpec spec{};  // the format the device really plays

    // The sounds converted to the device's format, each once, by the address
    // of its WAV image. Touched on the window thread only.
    struct Prepared {
        const uint8_t* wav;
        std::size_t size;
        Samples samples;  // null until the device is open, or when the image is no WAV
    };
    std::vector<Prepared> prepared;

    // Shared with SDL's audio thread: touched only under the device lock
    // (SDL holds it while the callback runs).
    Samples playing;
    std::size_t position = 0;

    static void Mix(void* user, Uint8* out, int len) {
        Device& d = *static_cast<Device*>(user);
        const std::size_t wanted = static_cast<std::size_t>(len);
        const std::size_t left = d.playing ? d.playing->size() - d.position : 0;
        const std::size_t n = std::min(wanted, left);
        if (n > 0) std::memcpy(out, d.playing->data() + d.position, n);
        d.position += n;
        std::memset(out + n, d.spec.silence, wanted - n);
    }

    bool Open() {
        if (state != State::Unopened) return state == State::Open;
        state = State::Unavailable;  // unless everything below works
        // The game handles SIGTERM and SIGINT itself; SDL's own handlers
        // would turn them into events that nobody reads.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        subsystem = true;
        SDL_AudioSpec want{};
        want.freq = kRequestedRate;
        want.format = AUDIO_S16SYS;
        want.channels = kRequestedChannels;
        want.samples = 512;  // about 23 ms, so that a cut-off is heard at once
        want.callback = &Device::Mix;
        want.userdata = this;
        id = SDL_OpenAudioDevice(nullptr, 0, &want, &spec,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                     SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        if (id == 0) return false;
        state = State::Open;
        for (Prepared& p : prepared) p.samples = Convert(p.wav, p.size);
        SDL_PauseAudioDevice(id, 0);  // plays silence until the first sound
        return true;
    }

    // The WAV image in the device's format, whole frames only; null if it is no WAV.
    Samples Convert(const uint8_t* wav, std::size_t size) const {
        if (wav == nullptr || size == 0 || size > static_cast<std::size_t>(INT_MAX)) return nullptr;
        SDL_RWops* rw = SDL_RWFromConstMem(wav, static_cast<int>(size));
        if (rw == nullptr) return nullptr;
        SDL_AudioSpec from{};
        Uint8* raw = nullptr;
        Uint32 raw_len = 0;
        if (SDL_LoadWAV_RW(rw, 1, &from, &raw, &raw_len) == nullptr) return nullptr;
        SDL_AudioCVT cvt;
        const int needed = SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq, spec.format,
                                             spec.channels, spec.freq);
        if (needed < 0 || raw_len > static_cast<Uint32>(INT_MAX / std::max(1, cvt.len_mult))) {
            SDL_FreeWAV(raw);
            return nullptr;
        }
        auto out = std::make_shared<std::vector<uint8_t>>(static_cast<std::size_t>(raw_len) *
                                                          (needed ? cvt.len_mult : 1));
        if (raw_len > 0) std::memcpy(out->data(), raw, raw_len);
        SDL_FreeWAV(raw);
        std::size_t out_len = raw_len;
        if (needed) {
            cvt.buf = out->data();
            cvt.len = static_cast<int>(raw_len);
            if (SDL_ConvertAudio(&cvt) != 0) return nullptr;
            out_len = static_cast<std::size_t>(cvt.len_cvt);
        }
        const std::size_t frame = static_cast<std::size_t>(SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
        out->resize(out_len - out_len % frame);
        return out;
    }

    // The converted form of a WAV image: prepared once, kept for the run.
    Samples Find(const uint8_t* wav, std::size_t size) {
        for (const Prepared& p : prepared)
            if (p.wav == wav && p.size == size) return p.samples;
        prepared.push_back({wav, size, Convert(wav, size)});
        return prepared.back().samples;
    }

    // Puts `next` in place of the current sound; the old one is released
    // outside the lock.
    void Swap(Samples next) {
        SDL_LockAudioDevice(id);
        std::swap(playing, next);
        position = 0;
        SDL_UnlockAudioDevice(id);
    }

    ~Device() {
        if (id != 0) SDL_CloseAudioDevice(id);  // joins the audio thread
        if (subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

SoundPlayer::SoundPlayer() : device_(std::make_unique<Device>()) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Prepare(const uint8_t* wav, std::size_t size) {
    for (const Device::Prepared& p : device_->prepared)
        if (p.wav == wav && p.size == size) return;
    device_->prepared.push_back({wav, size, device_->state == Device::State::Open ? device_->Convert(wav, size)
                                                                                  : nullptr});
}

void SoundPlayer::Play(const uint8_t* wav, std::size_t size) {
    if (!device_->Open()) return;
    Samples samples = device_->Find(wav, size);
    if (!samples) return;
    device_->Swap(std::move(samples));
}

void SoundPlayer::Stop() {
    if (device_->state != Device::State::Open) return;
    device_->Swap(nullptr);
}

bool SoundPlayer::IsPlaying() const {
    if (device_->state != Device::State::Open) return false;
    SDL_LockAudioDevice(device_->id);
    const bool playing = device_->playing && device_->position < device_->playing->size();
    SDL_UnlockAudioDevice(device_->id);
    return playing;
}

}  // namespace sky
