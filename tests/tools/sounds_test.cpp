// The generated sound files: the formats the game embeds, and sounds that are
// loud, clean and shaped as their roles need (a falling whistle that lasts a
// whole flight, two different decaying blasts).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound_synth.h"

namespace {

struct Wav {
    int format = 0, channels = 0, rate = 0, byte_rate = 0, block_align = 0, bits = 0;
    std::vector<double> samples;  // interleaved, -1..1
    double Seconds() const { return static_cast<double>(samples.size()) / channels / rate; }
};

uint32_t Le(const std::vector<uint8_t>& b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

// Walks the RIFF chunks rather than trusting a fixed 44-byte header.
Wav Parse(const std::vector<uint8_t>& b) {
    Wav w;
    EXPECT_GE(b.size(), 12u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    bool have_data = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const std::size_t size = Le(b, at + 4, 4);
        if (id == "fmt ") {
            w.format = Le(b, at + 8, 2);
            w.channels = Le(b, at + 10, 2);
            w.rate = Le(b, at + 12, 4);
            w.byte_rate = Le(b, at + 16, 4);
            w.block_align = Le(b, at + 20, 2);
            w.bits = Le(b, at + 22, 2);
        } else if (id == "data") {
            EXPECT_LE(at + 8 + size, b.size());
            for (std::size_t i = 0; i < size; ++i) w.samples.push_back((b.at(at + 8 + i) - 128) / 128.0);
            have_data = true;
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(have_data);
    return w;
}

std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(std::string(SKY_GENERATED_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return {std::istreambuf_iterator<char>(in), {}};
}

double Db(double v) { return 20.0 * std::log10(std::max(v, 1e-9)); }

// RMS over all channels of the frames in [from, to) seconds.
double Rms(const Wav& w, double from, double to) {
    const std::size_t a = static_cast<std::size_t>(from * w.rate), e = static_cast<std::size_t>(to * w.rate);
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t f = a; f < e && f * w.channels < w.samples.size(); ++f)
        for (int c = 0; c < w.channels; ++c) {
            sum += w.samples[f * w.channels + c] * w.samples[f * w.channels + c];
            ++n;
        }
    return n ? std::sqrt(sum / n) : 0.0;
}

// Upward zero crossings per second of a mono sound: follows the whistle's pitch.
double CrossingRate(const Wav& w, double from, double to) {
    int n = 0;
    const std::size_t a = static_cast<std::size_t>(from * w.rate), e = static_cast<std::size_t>(to * w.rate);
    for (std::size_t i = a + 1; i < e; ++i) n += w.samples[i - 1] < 0 && w.samples[i] >= 0;
    return n / (to - from);
}

// The first time at which a 100 ms window is `drop` dB below the loudest one.
double DecayTime(const Wav& w, double drop) {
    double peak = 0;
    for (double t = 0; t + 0.1 <= w.Seconds(); t += 0.1) peak = std::max(peak, Db(Rms(w, t, t + 0.1)));
    for (double t = 0; t + 0.1 <= w.Seconds(); t += 0.1)
        if (Db(Rms(w, t, t + 0.1)) < peak - drop) return t;
    return w.Seconds();
}

struct Expected {
    const char* file;
    std::vector<uint8_t> (*make)();
    int channels, rate;
    double seconds;
};

class SoundFile : public testing::TestWithParam<Expected> {};

TEST_P(SoundFile, IsTheGeneratorsEightBitPcmInTheGamesFormat) {
    const Expected& e = GetParam();
    const std::vector<uint8_t> bytes = ReadFile(e.file);
    // What make_sounds wrote is what the generator makes, on every run.
    EXPECT_TRUE(bytes == e.make());
    const Wav w = Parse(bytes);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bits, 8);
    EXPECT_EQ(w.channels, e.channels);
    EXPECT_EQ(w.rate, e.rate);
    EXPECT_EQ(w.block_align, e.channels);
    EXPECT_EQ(w.byte_rate, e.rate * e.channels);
    EXPECT_EQ(w.samples.size() % e.channels, 0u);
    EXPECT_NEAR(w.Seconds(), e.seconds, 0.1);
}

TEST_P(SoundFile, IsLoudWithoutClippingAndCentred) {
    const Wav w = Parse(ReadFile(GetParam().file));
    double peak = 0, sum = 0;
    for (double v : w.samples) {
        peak = std::max(peak, std::abs(v));
        sum += v;
    }
    EXPECT_LT(Db(peak), -0.5);  // head-room: no sample near the rails
    EXPECT_GT(Db(peak), -6.0);
    EXPECT_GT(Db(Rms(w, 0, w.Seconds())), -25.0);
    EXPECT_LT(std::abs(sum / w.samples.size()), 0.01);
    // Ends at rest, so a sound that plays to its end does not click.
    for (std::size_t i = w.samples.size() - w.channels; i < w.samples.size(); ++i)
        EXPECT_LT(std::abs(w.samples[i]), 0.03);
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundFile,
                         testing::Values(Expected{"klang1.wav", sky::MakeFlightSound, 1, 8000, 24.2},
                                         Expected{"klang2.wav", sky::MakeBlastSound1, 1, 11025, 4.0},
                                         Expected{"klang3.wav", sky::MakeBlastSound2, 2, 22050, 3.9}));

TEST(FlightSound, FadesInFallsInPitchAndLastsTheWholeFlight) {
    const Wav w = Parse(ReadFile("klang1.wav"));
    EXPECT_LT(Db(Rms(w, 0, 0.02)), Db(Rms(w, 1, 2)) - 10);
    for (double t = 0.5; t + 1 < w.Seconds() - 0.2; t += 1) EXPECT_GT(Db(Rms(w, t, t + 1)), -20) << t;
    const double early = CrossingRate(w, 0.5, 1.5), mid = CrossingRate(w, 6, 7), late = CrossingRate(w, 22, 23);
    EXPECT_GT(early, 1.15 * mid);
    EXPECT_GT(mid, 1.15 * late);
    EXPECT_GT(late, 300.0);  // still a whistle, not a rumble
}

TEST(BlastSounds, StrikeAtOnceDecayAndDifferInTailAndWidth) {
    const Wav one = Parse(ReadFile("klang2.wav"));
    const Wav two = Parse(ReadFile("klang3.wav"));
    for (const Wav* w : {&one, &two}) {
        EXPECT_GT(Db(Rms(*w, 0, 0.1)), Db(Rms(*w, 0.3, 0.4)));
        EXPECT_LT(Db(Rms(*w, 3, 3.5)), Db(Rms(*w, 0, 0.5)) - 20);
    }
    // The second blast rings on longer than the first.
    EXPECT_GT(DecayTime(two, 30), DecayTime(one, 30) + 0.4);
    // Its sides are related but not the same: a wide sound, not two copies.
    double lr = 0, ll = 0, rr = 0;
    for (std::size_t f = static_cast<std::size_t>(0.3 * two.rate); f < static_cast<std::size_t>(2.5 * two.rate); ++f) {
        const double l = two.samples[2 * f], r = two.samples[2 * f + 1];
        lr += l * r;
        ll += l * l;
        rr += r * r;
    }
    const double correlation = lr / std::sqrt(ll * rr);
    EXPECT_LT(correlation, 0.97);
    EXPECT_GT(correlation, 0.2);
}

TEST(WavEncoder, PadsOddDataAndClampsToTheEightBitRange) {
    const std::vector<uint8_t> b = sky::EncodeWav8({-2.0f, -1.0f, 0.0f, 1.0f, 3.0f}, 1, 1000);
    const Wav w = Parse(b);
    EXPECT_EQ(b.size(), 44u + 6u);  // five samples and one pad byte
    EXPECT_EQ(Le(b, 40, 4), 5u);    // the data chunk counts the samples only
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 44, b.begin() + 49), (std::vector<uint8_t>{1, 1, 128, 255, 255}));
    EXPECT_EQ(w.samples.size(), 5u);
}

}  // namespace
