// The sound player against SDL's disk driver, which writes the mixed output
// to a file in real time: what the file holds is what a listener would hear.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound.h"
#include "sound_synth.h"

namespace {

using namespace std::chrono_literals;

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<uint8_t> GeneratedSound(const char* name) {
    const std::vector<uint8_t> b = ReadBytes(std::string(SKY_GENERATED_DIR) + "/" + name);
    EXPECT_FALSE(b.empty()) << name;
    return b;
}

// A mono sound held at one level: easy to tell apart in the output.
std::vector<uint8_t> Level(float level, double seconds) {
    constexpr int rate = sky::SoundPlayer::kRequestedRate;
    return sky::EncodeWav8(std::vector<float>(static_cast<std::size_t>(seconds * rate), level), 1, rate);
}

class DiskOutput : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "sky_sound_XXXXXX";
        const int fd = mkstemp(pattern.data());
        ASSERT_GE(fd, 0);
        close(fd);
        path_ = pattern;
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    }
    void TearDown() override { std::remove(path_.c_str()); }

    // The left channel of everything the device was given; read only after
    // the player is gone, since the driver closes its file then.
    std::vector<int> Left() const {
        const std::vector<uint8_t> raw = ReadBytes(path_);
        std::vector<int> left;
        for (std::size_t i = 0; i + 4 <= raw.size(); i += 4) {
            int16_t l = 0, r = 0;
            std::memcpy(&l, &raw[i], 2);
            std::memcpy(&r, &raw[i + 2], 2);
            EXPECT_EQ(l, r) << "a mono sound plays the same on both sides";
            left.push_back(l);
        }
        return left;
    }

    static double Seconds(std::size_t frames) { return static_cast<double>(frames) / sky::SoundPlayer::kRequestedRate; }

    std::string path_;
};

TEST_F(DiskOutput, PlayedSoundIsHeardUntilStopSilencesIt) {
    const std::vector<uint8_t> blast = GeneratedSound("klang2.wav");
    {
        sky::SoundPlayer player;
        EXPECT_FALSE(player.IsPlaying());
        player.Play(blast.data(), blast.size());
        EXPECT_TRUE(player.IsPlaying());
        std::this_thread::sleep_for(400ms);
        EXPECT_TRUE(player.IsPlaying());  // a 4 s sound is still going
        player.Stop();
        EXPECT_FALSE(player.IsPlaying());
        std::this_thread::sleep_for(300ms);
        player.Stop();  // stopping twice is harmless
    }
    const std::vector<int> out = Left();
    std::size_t first = out.size(), last = 0;
    int peak = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] != 0) {
            first = std::min(first, i);
            last = i;
            peak = std::max(peak, std::abs(out[i]));
        }
    ASSERT_LT(first, out.size()) << "nothing reached the output";
    EXPECT_GT(peak, 8000);
    // Heard for about as long as it played, not its whole 4 s, and then quiet.
    EXPECT_GT(Seconds(last - first), 0.2);
    EXPECT_LT(Seconds(last - first), 1.2);
    EXPECT_GT(Seconds(out.size() - last), 0.1);
}

TEST_F(DiskOutput, SecondSoundCutsOffTheFirstAndPlaysToItsEnd) {
    const std::vector<uint8_t> first = Level(0.5f, 1.5), second = Level(-0.5f, 0.3);
    {
        sky::SoundPlayer player;
        player.Play(first.data(), first.size());
        std::this_thread::sleep_for(250ms);
        player.Play(second.data(), second.size());
        std::this_thread::sleep_for(700ms);
        EXPECT_FALSE(player.IsPlaying());  // the short sound is over
    }
    const std::vector<int> out = Left();
    std::size_t highs = 0, lows = 0, highs_after_low = 0, other = 0;
    for (int v : out) {
        if (v > 8000) {
            ++highs;
            highs_after_low += lows > 0;
        } else if (v < -8000) {
            ++lows;
        } else if (v != 0) {
            ++other;
        }
    }
    EXPECT_GT(Seconds(highs), 0.1);
    EXPECT_LT(Seconds(highs), 1.0);  // cut off well before its 1.5 s
    EXPECT_EQ(highs_after_low, 0u);  // and it does not come back afterwards
    EXPECT_NEAR(Seconds(lows), 0.3, 0.005) << "highs " << highs << " of " << out.size() << " frames";
    EXPECT_LE(other, 2u);  // only the converter's edges, if any
}

TEST_F(DiskOutput, DataThatIsNoWavImageLeavesTheCurrentSoundAlone) {
    const std::vector<uint8_t> sound = Level(0.5f, 1.0);
    std::vector<uint8_t> broken = sound;
    std::memcpy(broken.data() + 8, "JUNK", 4);
    sky::SoundPlayer player;
    player.Play(broken.data(), broken.size());
    EXPECT_FALSE(player.IsPlaying());
    player.Play(sound.data(), sound.size());
    player.Play(broken.data(), broken.size());
    player.Play(sound.data(), 30);  // cut short inside the header
    player.Play(nullptr, 0);
    EXPECT_TRUE(player.IsPlaying());
}

TEST(SoundWithoutDevice, EveryCallIsAHarmlessNoOpAndALaterPlayerStillWorks) {
    const std::vector<uint8_t> flight = GeneratedSound("klang1.wav");
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    {
        sky::SoundPlayer player;
        player.Play(flight.data(), flight.size());
        EXPECT_FALSE(player.IsPlaying());
        player.Stop();
        player.Play(flight.data(), flight.size());
        EXPECT_FALSE(player.IsPlaying());
    }
    // The failed start leaves the audio system usable for the next player.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    sky::SoundPlayer player;
    player.Play(flight.data(), flight.size());
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

}  // namespace
