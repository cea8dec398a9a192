// A castaway who tries to survive, for tests and benchmarks that need long games.
#pragma once

#include <string>

#include "GameState.h"
#include "ReplaySession.h"

namespace kevolan::testing {

// What the castaway means to do, and what it neglects; by default it does all it should.
struct CastawayPlan {
  bool BuildBoat = true;
  bool BuildHut = true;
  bool BuildCave = false;
  bool BuildNewClothes = true;
  bool RepairOldClothes = true;
  bool KeepOldClothes = false;  // go on repairing the old clothes once new ones are owned
  bool RepairNewClothes = true;
  bool RepairHut = true;
  bool AbandonHutForCave = false;  // stop repairing the hut once a cave stands
  bool RepairCave = true;
  bool BuildTackle = true;
  bool RepairTackle = true;
  bool BuildWeapon = false;  // make the hunting weapon once the tackle is dealt with, and hunt
  bool RepairWeapon = false;
};

// The next replay script line such a castaway would type.
std::string NextMove(const GameState& s, const CastawayPlan& plan);

// The next replay script line such a player would type. Without the boat the game can run
// on for as long as the castaway keeps fed, clothed and housed.
std::string SensibleMove(const GameState& s, bool buildBoat);

// Runs one script line on the session, appending the line to `script`; `answer` holds what the
// driver printed for it.
void PlayLine(replay::ReplaySession& session, const std::string& line, std::string& script,
              std::string& answer);

// Plays the castaway's moves until the session has run `turns` turns or the game is over.
void PlayCastaway(replay::ReplaySession& session, const CastawayPlan& plan, long long turns,
                  std::string& script, std::string& answer);

// The script of a castaway who never finishes the boat, so the game runs `turns` days: the long
// game every benchmark replays.
std::string EndlessCastawayScript(long long turns);

}  // namespace kevolan::testing
