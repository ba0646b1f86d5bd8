#ifndef FORMAT_H
#define FORMAT_H

// Writes value in decimal into out, which must hold 12 characters; returns
// the number of characters written, not counting the terminating zero.
template <typename T>
int formatValue(char* out, T value)
{
    char digits[12];
    int n = 0;
    const bool negative = value < T(0);
    do {
        const T digit = value % 10;
        digits[n++] = static_cast<char>('0' + (negative ? -digit : digit));
        value /= 10;
    } while (value != 0);
    int length = 0;
    if (negative)
        out[length++] = '-';
    while (n > 0)
        out[length++] = digits[--n];
    out[length] = '\0';
    return length;
}

// Alarm flags read better as words.
template <>
inline int formatValue<bool>(char* out, bool value)
{
    const char* word = value ? "on" : "off";
    int length = 0;
    for (; word[length] != '\0'; ++length)
        out[length] = word[length];
    out[length] = '\0';
    return length;
}

#endif
