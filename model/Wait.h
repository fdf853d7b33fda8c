#pragma once
// Timed waits between result steps. They dispatch window messages while they
// wait (unless noPump), so timers, socket notifications and commands run
// inside them; the frame's pumping flag holds back a close request meanwhile.

// Waits trunc(WaitTime x tenths / 10) milliseconds (through the clock's time
// scale). Returns 1 when the player ended the wait with Space, 0 otherwise
// (Enter ends it with 0). A WaitTime below 1 returns 0 at once.
int Wait(double tenths, int noPump, int allowSkip);

// Waits about ms milliseconds whatever the WaitTime, but not at all when
// WaitTime is below 1.
int WaitMilliseconds(int ms, int noPump, int allowSkip);
