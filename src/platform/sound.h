// Plays one WAV image from memory at a time, in the background. Without a
// usable audio device every call quietly does nothing: the game never
// depends on hearing anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace sky {

class SoundPlayer {
public:
    // The device is opened on the first Play, so a game with the sound
    // switched off never touches the audio system.
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Makes a sound ready to play: it is converted to the device's format
    // once, when the device is first opened, and kept for the run, so that
    // playing it later costs nothing but the hand-over. `wav` must stay valid
    // for the player's life (the game's sounds are resources of the program).
    void Prepare(const uint8_t* wav, std::size_t size);

    // Returns at once; the new sound cuts off the one that plays. Data that
    // is no WAV image is ignored. A sound not prepared is converted now and
    // kept as if it had been, so `wav` must stay valid as for Prepare.
    void Play(const uint8_t* wav, std::size_t size);
    void Stop();
    bool IsPlaying() const;

    // What the player asks the device for; a real device may choose another
    // format and the sounds are converted to it.
    static constexpr int kRequestedRate = 22050;
    static constexpr int kRequestedChannels = 2;  // signed 16-bit, native byte order

private:
    struct Device;
    std::unique_ptr<Device> device_;
};

}  // namespace sky
