#pragma once

#include <QString>

namespace VelmUpdate {

// A release number of up to three decimal parts ("2" is 2.0.0). Anything else,
// including a suffix such as "-beta", reads as 0.0.0 so it never looks newer.
class Version final
{
public:
    static Version parse(const QString &text);

    int majorNumber = 0;
    int minorNumber = 0;
    int patchNumber = 0;

    friend bool operator==(const Version &a, const Version &b)
    {
        return a.majorNumber == b.majorNumber && a.minorNumber == b.minorNumber && a.patchNumber == b.patchNumber;
    }
    friend bool operator<(const Version &a, const Version &b)
    {
        if (a.majorNumber != b.majorNumber)
            return a.majorNumber < b.majorNumber;
        if (a.minorNumber != b.minorNumber)
            return a.minorNumber < b.minorNumber;
        return a.patchNumber < b.patchNumber;
    }
    friend bool operator<=(const Version &a, const Version &b) { return a < b || a == b; }
};

} // namespace VelmUpdate
