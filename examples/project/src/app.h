#ifndef APP_H
#define APP_H

#include <cstdint>
#include "evq/queue.h"

// One sample of one sensor channel.
struct Reading {
    int channel;
    int value;
    uint32_t stamp;
};

// Milliseconds since start-up, advanced by the sampling loop.
class Clock {
public:
    Clock();
    uint32_t now() const;
    void advance(uint32_t ms);
private:
    uint32_t ticks;
};

// Writes what it takes to the serial console, one line per value.
class Logger {
public:
    explicit Logger(const char* prefix);
    void take(const Reading& reading);
    void take(bool alarm);
    int lines() const;
private:
    const char* prefix;
    int written;
};

typedef evq::Queue<Reading, 16> ReadingQueue;
typedef evq::Queue<bool, 32> AlarmQueue;

int sample(ReadingQueue& readings, AlarmQueue& alarms, Clock& clock);
void report(ReadingQueue& readings, AlarmQueue& alarms, Logger& log);

// Provided by the board support package: writes one line to the console.
extern "C" void uart_write(const char* text, int length);

#endif
