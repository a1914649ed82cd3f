#include "sound_synth.h"

#include <algorithm>
#include <cmath>

namespace sky {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// xorshift32: a fixed seed gives the same sounds on every build.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    uint32_t Bits() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double Unit() { return Bits() / 4294967296.0; }           // [0, 1)
    double White() { return 2.0 * Unit() - 1.0; }              // [-1, 1)
    double Between(double a, double b) { return a + (b - a) * Unit(); }

private:
    uint32_t state_;
};

class Lowpass {
public:
    double Step(double x, double cutoff, double rate) {
        const double a = 1.0 - std::exp(-kTwoPi * cutoff / rate);
        y_ += a * (x - y_);
        return y_;
    }

private:
    double y_ = 0.0;
};

// Band-pass biquad with 0 dB gain at the centre; the centre may move every
// sample, which the whistle's noise needs.
class Bandpass {
public:
    double Step(double x, double centre, double q, double rate) {
        const double w = kTwoPi * centre / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        const double b0 = alpha / a0, b2 = -alpha / a0;
        const double a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
        const double y = b0 * x + b2 * x2_ - a1 * y1_ - a2 * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Slowly wandering value in about -1..1, for turbulence and rolling rumble.
class Wander {
public:
    Wander(uint32_t seed, double speed) : noise_(seed), speed_(speed) {}
    double Step(double rate) {
        return 3.0 * b_.Step(a_.Step(noise_.White(), speed_, rate), speed_, rate);
    }

private:
    Noise noise_;
    double speed_;
    Lowpass a_, b_;
};

double Attack(double t, double seconds) { return t >= seconds ? 1.0 : t / seconds; }

// Linear fade over the last `seconds`, so that a sound that plays to its end
// does not click.
void FadeOut(std::vector<float>& s, int channels, int rate, double seconds) {
    const std::size_t frames = s.size() / channels;
    const std::size_t n = std::min(frames, static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < n; ++i) {
        const double g = static_cast<double>(i) / n;
        for (int c = 0; c < channels; ++c) s[(frames - 1 - i) * channels + c] *= static_cast<float>(g);
    }
}

// Soft saturation raises the loudness of the tails without the edges of hard
// clipping; then the peak is set to `peak_db` below full scale.
void Master(std::vector<float>& s, double drive, double peak_db) {
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::abs(v));
    if (peak == 0) return;
    const double norm = std::tanh(drive);
    for (float& v : s) v = static_cast<float>(std::tanh(drive * v / peak) / norm);
    const float gain = static_cast<float>(std::pow(10.0, -peak_db / 20.0));
    for (float& v : s) v *= gain;
}

}  // namespace

std::vector<uint8_t> EncodeWav8(const std::vector<float>& samples, int channels, int sample_rate) {
    std::vector<uint8_t> out;
    const auto u16 = [&](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    const auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    const auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(t[i]));
    };
    const uint32_t data_size = static_cast<uint32_t>(samples.size());
    const uint32_t padded = data_size + (data_size & 1);  // chunks are word-aligned
    out.reserve(44 + padded);
    tag("RIFF");
    u32(36 + padded);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(static_cast<uint32_t>(channels));
    u32(static_cast<uint32_t>(sample_rate));
    u32(static_cast<uint32_t>(sample_rate * channels));  // bytes per second
    u16(static_cast<uint32_t>(channels));                // bytes per frame
    u16(8);
    tag("data");
    u32(data_size);
    for (float v : samples) {
        const double x = std::clamp(static_cast<double>(v), -1.0, 1.0);
        out.push_back(static_cast<uint8_t>(std::lround(128.0 + 127.0 * x)));
    }
    if (data_size & 1) out.push_back(128);
    return out;
}

std::vector<uint8_t> MakeFlightSound() {
    constexpr int rate = 8000;
    const int n = static_cast<int>(24.2 * rate);
    std::vector<float> s(n);
    Noise noise(0x5EED0001u);
    Wander gust(0x5EED0002u, 2.5), drift(0x5EED0003u, 0.4);
    Bandpass air;
    Lowpass whoosh;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        // The pitch falls quickly at first, so that even a short flight is
        // heard as a descending whistle, and then settles.
        const double vibrato = 1.0 + 0.012 * std::sin(kTwoPi * 5.3 * t) + 0.006 * drift.Step(rate);
        const double f = (620.0 + 1080.0 * std::exp(-t / 9.0)) * vibrato;
        phase += kTwoPi * f / rate;
        if (phase > kTwoPi) phase -= kTwoPi;
        const double tone = std::sin(phase) + 0.12 * std::sin(2 * phase);
        const double w = noise.White();
        const double hiss = air.Step(w, f, 3.5, rate);
        const double rush = whoosh.Step(w, 900.0, rate);
        const double turbulence = 1.0 + 0.12 * gust.Step(rate);
        const double level = (1.0 - std::exp(-t / 0.4)) * (0.85 + 0.15 * std::min(1.0, t / 6.0));
        s[i] = static_cast<float>(level * turbulence * (0.55 * tone + 0.9 * hiss + 0.35 * rush));
    }
    FadeOut(s, 1, rate, 0.15);
    Master(s, 0.8, 2.0);
    return EncodeWav8(s, 1, rate);
}

std::vector<uint8_t> MakeBlastSound1() {
    constexpr int rate = 11025;
    const int n = static_cast<int>(4.0 * rate);
    std::vector<float> s(n);
    Noise noise(0xB1A57001u);
    Wander roll(0xB1A57002u, 6.0);
    Lowpass crack_body, rumble1, rumble2;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double w = noise.White();
        // Crack: bright noise, gone within a few hundredths of a second.
        const double bright = w - crack_body.Step(w, 1500.0, rate);
        const double crack = Attack(t, 0.001) * std::exp(-t / 0.014) * (0.6 * w + 0.8 * bright);
        // Thump: a low tone whose pitch drops as the pressure wave spreads.
        const double f = 38.0 + 60.0 * std::exp(-t / 0.08);
        phase += kTwoPi * f / rate;
        const double thump = Attack(t, 0.003) * std::exp(-t / 0.28) * std::sin(phase);
        // Rumble: noise that darkens and rolls as it decays.
        const double cutoff = 110.0 + 900.0 * std::exp(-t / 0.35);
        const double dark = rumble2.Step(rumble1.Step(w, cutoff, rate), cutoff, rate);
        const double rumble =
            Attack(t, 0.02) * std::exp(-t / 1.0) * (0.8 + 0.25 * roll.Step(rate)) * 4.0 * dark;
        s[i] = static_cast<float>(crack + 0.9 * thump + rumble);
    }
    FadeOut(s, 1, rate, 0.4);
    Master(s, 1.6, 1.5);
    return EncodeWav8(s, 1, rate);
}

std::vector<uint8_t> MakeBlastSound2() {
    constexpr int rate = 22050;
    const int n = static_cast<int>(3.9 * rate);
    std::vector<float> s(2 * static_cast<std::size_t>(n), 0.0f);
    Noise noise(0xB1A57101u);
    Wander roll_l(0xB1A57102u, 4.0), roll_r(0xB1A57103u, 4.0);
    Lowpass burst_l, burst_r, shared1, shared2, side_l1, side_l2, side_r1, side_r2;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        // Boom: deeper and longer than the other blast, centred.
        const double f = 27.0 + 48.0 * std::exp(-t / 0.15);
        phase += kTwoPi * f / rate;
        const double boom = Attack(t, 0.008) * std::exp(-t / 0.55) * (std::sin(phase) + 0.25 * std::sin(2 * phase));
        const double burst_env = Attack(t, 0.002) * std::exp(-t / 0.045);
        const double bl = burst_l.Step(noise.White(), 2500.0, rate);
        const double br = burst_r.Step(noise.White(), 2500.0, rate);
        // Rumble: a common core plus a part of its own on each side, for width.
        const double cutoff = 70.0 + 550.0 * std::exp(-t / 0.5);
        const double core = shared2.Step(shared1.Step(noise.White(), cutoff, rate), cutoff, rate);
        const double sl = side_l2.Step(side_l1.Step(noise.White(), cutoff, rate), cutoff, rate);
        const double sr = side_r2.Step(side_r1.Step(noise.White(), cutoff, rate), cutoff, rate);
        const double rumble_env = Attack(t, 0.03) * std::exp(-t / 1.7) * 5.0;
        const double l = boom + 1.2 * burst_env * bl + rumble_env * (0.6 * core + 0.5 * sl) * (0.85 + 0.2 * roll_l.Step(rate));
        const double r = boom + 1.2 * burst_env * br + rumble_env * (0.6 * core + 0.5 * sr) * (0.85 + 0.2 * roll_r.Step(rate));
        s[2 * i] = static_cast<float>(l);
        s[2 * i + 1] = static_cast<float>(r);
    }
    // Debris: short bright ticks scattered across the stereo field, thick
    // at first and thinning out as the pieces come down.
    Noise scatter(0xB1A57104u);
    for (double t = 0.12; t < 3.3;) {
        const double density = 90.0 * std::exp(-(t - 0.12) / 0.9) + 4.0;  // ticks per second
        t += -std::log(1.0 - scatter.Unit()) / density;
        const int start = static_cast<int>(t * rate);
        const int length = static_cast<int>(scatter.Between(0.003, 0.018) * rate);
        const double pan = scatter.Unit();
        const double gain = scatter.Between(0.12, 0.4) * std::exp(-t / 1.6);
        const double centre = scatter.Between(900.0, 5000.0);
        const double gl = gain * std::cos(pan * kTwoPi / 4), gr = gain * std::sin(pan * kTwoPi / 4);
        Bandpass tone;
        for (int k = 0; k < length && start + k < n; ++k) {
            const double v = tone.Step(scatter.White(), centre, 2.0, rate) * std::exp(-4.0 * k / length);
            s[2 * (start + k)] += static_cast<float>(gl * v);
            s[2 * (start + k) + 1] += static_cast<float>(gr * v);
        }
    }
    FadeOut(s, 2, rate, 0.4);
    Master(s, 1.5, 1.5);
    return EncodeWav8(s, 2, rate);
}

}  // namespace sky
