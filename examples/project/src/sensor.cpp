#include "app.h"
#include "evq/algo.h"

Clock::Clock() : ticks(0)
{
}

uint32_t Clock::now() const
{
    return ticks;
}

void Clock::advance(uint32_t ms)
{
    ticks += ms;
}

// A channel value above this raises an alarm.
static const int alarmLevel = 900;

// Reads the four channels once: their readings go to readings, one alarm
// flag per channel to alarms.  Returns how many readings were queued.
int sample(ReadingQueue& readings, AlarmQueue& alarms, Clock& clock)
{
    Reading batch[4];
    for (int channel = 0; channel < 4; ++channel) {
        batch[channel].channel = channel;
        batch[channel].value = (channel * 317 + static_cast<int>(clock.now())) % 1024;
        batch[channel].stamp = clock.now();
        alarms.push(batch[channel].value > alarmLevel);
    }
    clock.advance(10);
    return evq::pushAll(readings, batch, batch + 4);
}
