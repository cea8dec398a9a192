// The C functions the web page calls (UTF-8 strings; a returned text stays valid until the
// next call). One game lives in the module; it starts in its initial state.
#pragma once

extern "C" {

// Starts a new game in its initial state.
void kevolan_new_game(void);

// Runs one replay-driver command line and returns exactly what kevolan-replay prints for it
// (JSON lines, or "" for a command that prints nothing). A line the driver would stop at as a
// usage error gives {"UsageError": "<why>"} and the game goes on unchanged.
const char* kevolan_run(const char* line);

// Plays a script of command lines (separated by "\n") without writing any answer, stopping at
// the first line that is no command; returns the number of lines played.
int kevolan_replay(const char* script);

// The messages the last `next` showed, and the state as it stood when message i was shown
// ("" for an index out of range).
int kevolan_message_count(void);
const char* kevolan_message_state(int i);

// What the last `next` did, told as the page announces it to a screen reader: the new date and
// only what changed ("2 Января. Фрукты в запасе: 3"). "" before any `next`, and after one that
// lived no day.
const char* kevolan_day_report(void);
}
