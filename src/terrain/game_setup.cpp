#include "terrain/game_setup.h"

#include "core/numeric.h"
#include "terrain/terrain.h"

namespace sky {

void SetUpGame(GameState& s, Canvas& imLand) {
    GenerateTerrain(s, imLand);
    s.DebrisVisible = 0;
    s.TrailLength = 0;
    s.WindDirection = s.Rng.Unit() * 2 * Pi;
    s.Energy[1] = 100;
    s.Energy[2] = 100;
    s.CurrentPlayer = Trunc(s.Rng.Unit() * 2) + 1;
    s.PlayerAim[1] = StartAim;
    s.PlayerAim[2] = StartAim;
}

}  // namespace sky
