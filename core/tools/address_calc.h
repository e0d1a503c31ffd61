#pragma once

#include <QString>

namespace lt::addr {

// How a module address is carried in the data.
enum class Coding { None, Ascii, Hex, Bcd };

// The coding a coding box text names: one codingText gives in the language
// the program runs in ("ASCII", "十六进制", "BCD码"); anything else is None.
Coding codingFromText(const QString &text);
// The coding shown for a position of the coding spin bar (1..3), in the
// user's language; empty otherwise.
QString codingText(int position);

// Why a calculation gives no lines.
enum class Error {
    None,
    StationLength,   // the station text is not two bytes ("12:34:")
    StationDigits,   // six characters, but not hexadecimal digits with ":" separators
    NoGroupSize,     // the group size has not been chosen yet
    NoCoding,        // the coding has not been chosen yet
    OutOfRange,      // an address does not fit the coding (or would fall below 0)
};
QString errorText(Error error);

// Station value from a station text "12:34:": the second byte, or with the K
// variant the last three hexadecimal digits. -1 when the text is not of that form.
int stationValue(const QString &station, bool kVariant);

// One output line for address a, ending in CR LF; empty when a does not fit the coding.
QString addressLine(long a, Coding coding);

struct Result
{
    Error error = Error::None;
    QString lines;   // one line per address, highest first
};

// The addresses of a peer station when modules form groups of groupSize
// (0 = not chosen): v*n, v*n-1, ..., v*n-n+1. Nothing is listed unless every
// address fits the coding, so a refused calculation never shows a partial list.
Result calculate(const QString &station, int groupSize, Coding coding, bool kVariant);

} // namespace lt::addr
