// The shell process's one random sequence: every game draws from it, and its seed carries over
// from one game to the next.
#pragma once

// Seeds the sequence; -1 seeds from the wall clock's milliseconds since the shell started.
void ShellSRand(int seed);
// The next number, 0 to 32767.
int ShellRand();
