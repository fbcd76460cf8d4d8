#pragma once

#include <QString>

#include <functional>

namespace VelmUpdate {

// How an interactive update operation reports progress; absent members are
// simply not called.
struct UpdateUiCallbacks
{
    std::function<void(const QString &text)> progress;
    std::function<void()> done;
    std::function<void(const QString &text, int timeoutMs)> message;
};

} // namespace VelmUpdate
