#pragma once

#include <QString>

// Outcome of a change made by a service: ok, or the text to show the person.
// A failed change has been rolled back whole.
struct WriteResult
{
    bool ok = true;
    QString error;

    static WriteResult failure(const QString &text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};
