// The game's three sounds, synthesised at build time and written as
// uncompressed 8-bit PCM WAV images (the form the game embeds and plays).
#pragma once

#include <cstdint>
#include <vector>

namespace sky {

// A whole WAV file image: RIFF/WAVE, one PCM fmt chunk, unsigned 8-bit
// samples. `samples` are interleaved frames in -1..1; values outside are
// clamped.
std::vector<uint8_t> EncodeWav8(const std::vector<float>& samples, int channels, int sample_rate);

// The missile in the air: a falling whistle with vibrato and airy noise,
// mono 8000 Hz, 24.2 s, long enough for the longest flight.
std::vector<uint8_t> MakeFlightSound();
// A hit: a sharp crack and a decaying low rumble, mono 11025 Hz, 4.0 s.
std::vector<uint8_t> MakeBlastSound1();
// The other hit: a deeper boom with a wide debris crackle and a longer tail,
// stereo 22050 Hz, 3.9 s.
std::vector<uint8_t> MakeBlastSound2();

}  // namespace sky
