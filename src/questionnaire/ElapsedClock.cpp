#include "questionnaire/ElapsedClock.h"

#include <cmath>

int ElapsedMinutes(float startTime, double timeOfDay)
{
    const double start = startTime;
    const double now = timeOfDay > start ? timeOfDay : timeOfDay + 65535.0;
    return static_cast<int>(std::floor((now - start) / 60.0));
}
