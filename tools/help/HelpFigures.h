// The numbers of the rules in the help: the source names them ("{Fish.Yield порций}") and they
// are filled in from the catalogue when the help is written, so that the help can never state a
// number the game no longer plays by. A number written out by hand is refused.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Catalogue.h"

namespace kevolan::help {

// A figure the help may state, under the name it writes it with.
struct Figure {
  std::string Name;     // "Fish.Yield", "HuntingWeapon.LaterRepair", "DwellingDeadline"
  Count Number = 0;     // a count, which a noun after it agrees with
  std::string Date;     // or a date as the help writes it: "1 февраля"
  std::string Refusal;  // why the catalogue has no one figure under this name; empty when it has
};

// Every figure of the catalogue and of the castaway's limits.
std::vector<Figure> RuleFigures();

struct FillResult {
  std::string Text;   // the source with every figure written out
  std::string Error;  // empty when every figure was found
};

// Writes out each "{Name}" of the source as its figure, and "{Name word}" as the figure followed
// by the form of the noun (any of its forms in kCountWords) that agrees with it. Notes ("#"
// lines) are left as they are. A number written in the text by hand is an error naming it, but
// for digits that end a word ("F2").
FillResult FillFigures(std::string_view source, const std::vector<Figure>& figures);

}  // namespace kevolan::help
