#pragma once
// A sleep at 1 ms timer resolution, requested around the sleep only, for the fade ramps.
void preciseSleep(int ms);
