#include "ui/status_labels.h"

#include <algorithm>

#include "ui/strings.h"

namespace sky {
namespace {

RGB EnergyColour(int player, int energy) {
    const RGB& c = PlayerColour(player);
    const auto fade = [energy](int32_t channel) { return std::max(0, channel - 200 + 2 * energy); };
    return {fade(c.r), fade(c.g), fade(c.b)};
}

StatusLabel EnergyLabel(const GameState& s, int player) {
    return {LoadStr(s.Language + Str::Energy) + " " + std::to_string(player) + ": " +
                std::to_string(s.Energy[player]) + " %",
            EnergyColour(player, s.Energy[player])};
}

StatusLabel ScoreLabel(const GameState& s, int player) {
    return {LoadStr(s.Language + Str::Score) + " " + std::to_string(player) + ": " + std::to_string(s.Score[player]),
            PlayerColour(player)};
}

}  // namespace

StatusLabels ComputeStatusLabels(const GameState& s) {
    const int p = s.CurrentPlayer;
    StatusLabels labels;
    labels.laSpieler = {LoadStr(s.Language + Str::Player) + " " + std::to_string(p), PlayerColour(p)};
    labels.laEnergie1 = EnergyLabel(s, 1);
    labels.laEnergie2 = EnergyLabel(s, 2);
    labels.laPunkte1 = ScoreLabel(s, 1);
    labels.laPunkte2 = ScoreLabel(s, 2);
    return labels;
}

}  // namespace sky
