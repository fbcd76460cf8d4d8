#pragma once

#include <QString>

// Turns what a person types into a full-text expression that always parses:
// words match as words, "quoted phrases" as phrases, a trailing * as a
// prefix, and stray quotes, colons, dashes or brackets as plain text rather
// than as operators that make the whole search fail.
class FtsQuery final
{
public:
    FtsQuery() = delete;
    static QString fromTyped(const QString &typed);
};
