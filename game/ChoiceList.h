// One choice box of the window: an ordered list of options, the text it shows, and whether
// the player can use it. The rules read only the shown text and compare it exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kevolan {

struct ChoiceList {
  std::vector<std::string> Options;
  std::string Text;   // the shown text: a picked option or whatever the player typed
  int Selected = -1;  // index of the picked option, -1 when none is
  bool Enabled = false;

  // Position of an option by its whole name, letter case ignored; -1 when absent.
  int IndexOf(std::string_view name) const;
  bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }
  // Exact comparison of the shown text, as every rule makes it.
  bool Shows(std::string_view name) const { return Text == name; }

  void Append(std::string_view name);
  // Index -1 (or any index that is not in the list) removes nothing.
  void RemoveAt(int index);
  void Remove(std::string_view name) { RemoveAt(IndexOf(name)); }
  // Makes the option's name the shown text; -1 (or any index not in the list) clears the selection.
  void Select(int index);
  // No option selected and the shown text empty, also when the player had typed it.
  void ClearSelection();

  // What the player does with the box.
  void Type(std::string_view text);  // replaces the whole shown text; selects nothing
  bool Pick(long long index);        // false, and nothing changes, when there is no such option
};

// Equality of two texts with letter case ignored, for Latin and Cyrillic letters.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kevolan
