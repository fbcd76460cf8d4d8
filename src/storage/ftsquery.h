#pragma once

#include <QString>

// Turns what a person types into a full-text expression that always parses:
// words match as beginnings of words (so results follow the typing), "quoted
// phrases" as phrases, and stray quotes, colons, dashes or brackets as plain
// text rather than as operators that make the whole search fail.
class FtsQuery final
{
public:
    FtsQuery() = delete;
    static QString fromTyped(const QString &typed);
};
