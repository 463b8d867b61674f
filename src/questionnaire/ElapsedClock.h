#pragma once

// Arithmetic of the question page's clock, apart from the window so that it
// can be checked for every time of day.

// A tick reading at or before the start counts as after midnight and gets
// 65535 seconds added (not a full day, so the minutes then turn negative;
// the answer file stores that value as it is). Minutes are rounded towards
// minus infinity.
int ElapsedMinutes(float startTime, double timeOfDay);

// The thresholds of the two time warnings, in minutes.
constexpr int FirstWarningMinutes = 90;
constexpr int SecondWarningMinutes = 120;
