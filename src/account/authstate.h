#pragma once

#include <QObject>

namespace VelmAccount {
Q_NAMESPACE

enum AuthState { Unknown = 0, Unauthenticated = 1, Authenticated = 3 };
Q_ENUM_NS(AuthState)

} // namespace VelmAccount
