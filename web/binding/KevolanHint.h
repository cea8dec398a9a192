// The C functions of the hint's own module, which a Web Worker loads away from the page: the
// game is played again from the commands the page has run, and the search answers about the
// position they reach. A returned text stays valid until the next call.
#pragma once

extern "C" {

// Starts again from a new game.
void kevolan_hint_new_game(void);

// Runs one command line as the page ran it: a line the driver refuses or cannot read changes
// nothing, exactly as on the page.
void kevolan_hint_line(const char* line);

// Asks the search about the position reached, playing at most `max_turns` day turns (0 or less:
// the search's own budget). Answers one JSON object: "Verdict" ("Win", "Lost" or "Unknown"),
// "Text" (the box's words), "Commands" (Win: today's move as driver commands), "DaysToVictory",
// "Proven" and "ShortestAtLeast" (Win: whether no line is shorter, and the least days one takes),
// "TurnsPlayed" and "Milliseconds". Once the game is over the answer is the review, with the
// same fields, its words as "Text" and "Review": the driver's answer to "review".
const char* kevolan_hint_answer(double max_turns);
}
