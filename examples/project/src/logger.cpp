#include "app.h"
#include "format.h"
#include "evq/algo.h"

// Appends text to line at length; returns the new length.
static int append(char* line, int length, const char* text)
{
    while (*text != '\0')
        line[length++] = *text++;
    line[length] = '\0';
    return length;
}

Logger::Logger(const char* text) : prefix(text), written(0)
{
}

void Logger::take(const Reading& reading)
{
    char line[64];
    int length = append(line, 0, prefix);
    length = append(line, length, " ch");
    length += formatValue(line + length, reading.channel);
    length = append(line, length, " = ");
    length += formatValue(line + length, reading.value);
    length = append(line, length, " @");
    length += formatValue(line + length, reading.stamp);
    uart_write(line, length);
    ++written;
}

void Logger::take(bool alarm)
{
    char line[64];
    int length = append(line, 0, prefix);
    length = append(line, length, " alarm ");
    length += formatValue(line + length, alarm);
    uart_write(line, length);
    ++written;
}

int Logger::lines() const
{
    return written;
}

// Logs the alarms first, then at most eight readings, so that a burst of
// readings cannot delay the next sampling round.
void report(ReadingQueue& readings, AlarmQueue& alarms, Logger& log)
{
    evq::drain(alarms, log);
    evq::drain(readings, log, 8);
}
