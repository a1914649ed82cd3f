// What a shot leaves behind: the blast, a cosine crater 60 deep and 60 wide,
// damage to everyone within 40 cells, platforms re-levelled under players
// whose ground was dug away, and 5 s of debris thrown up from the blast.
#pragma once

#include <cstdint>

#include "core/game_state.h"
#include "shot/flight.h"

namespace sky {

// Runs on the shot worker after FlyMissile. The sound request, crater and
// debris come only at a hit (the flight met the ground inside the grid); the
// damage and the re-levelling follow every shot, from the rounded end point.
// The blast sound is requested only if s.SoundOn (at every hit with
// hooks.BlastDrawAtEveryHit); its random draw is the hook's own. The debris
// draws come from s.Rng. Shared writes are made under s.SharedLock, never
// held across a hook.
void ResolveImpact(GameState& s, const FlightEnd& end, double& ShotTime, const ShotHooks& hooks);

// Which of the two blast sounds (2 or 3) plays: one draw of the game's
// generator, made by whoever plays the sound, on the thread that owns the game.
int DrawBlastSound(Random& rng);

// Energy lost at horizontal distance r from the impact cell.
int Damage(double r);

// 0 while both have energy left; otherwise the winner, player 1 when both are out.
int EndOfGameWinner(const OneBased<int32_t, 2>& energy);

// The end of a shot's game: the winner (0 for none) gains the energy left as score.
int SettleEndOfGame(GameState& s);

}  // namespace sky
