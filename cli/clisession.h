#pragma once

#include "clitable.h"
#include "storage/account.h"
#include "storage/category.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <memory>
#include <optional>

class AppState;
class QCommandLineParser;
class QJsonValue;

// What every command shares: the database opened the way the program opens
// it, lookups of accounts and categories by name or id, and the output
// streams. Failures are printed here and leave their exit code behind.
class CliSession final
{
    Q_DECLARE_TR_FUNCTIONS(CliSession)
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    explicit CliSession(bool json);
    ~CliSession();
    Q_DISABLE_COPY_MOVE(CliSession)

    bool json() const { return m_json; }

    // Opens the database of the data directory, applies the migrations and
    // seeds the default categories, once; nullptr after printing why not.
    // With `signIn` the stored sign-in is restored too (sync needs it).
    AppState *open(bool signIn = false);

    // Prints the message on standard error, remembers the code and returns it.
    int fail(const QString &message, int code = Failure);
    int usageError(const QString &message) { return fail(message, UsageError); }
    int exitCode() const { return m_exitCode; }
    // The command's exit code, turned into a failure when a write was refused
    // because another program held the database.
    int finish(int code);

    // Standard output as given, and with a line feed added.
    void write(const QString &text) const;
    void print(const QString &text) const;
    void printLines(const QStringList &lines) const;
    void printJson(const QJsonValue &value) const;
    void printTable(const CliTable &table) const;
    // The text printTable writes: CSV with every field quoted, or a JSON array.
    static QString tableText(const CliTable &table, bool json);
    static QString jsonText(const QJsonValue &value);

    // Live accounts by id, then by name (exact, then ignoring case). Prints an
    // error for an unknown or ambiguous text.
    std::optional<Account> account(const QString &nameOrId);
    // Live categories by id, then by name or "Parent > Child" (also "Parent:Child").
    std::optional<Category> category(const QString &text);

    // The positional arguments when their number is within bounds (max < 0:
    // no upper bound); otherwise a usage error.
    std::optional<QStringList> arguments(const QCommandLineParser &parser, const QStringList &names, int min,
                                         int max);
    // A yyyy-MM-dd option: an invalid date when absent and not required;
    // nothing after a usage error.
    std::optional<QDate> dateOption(const QCommandLineParser &parser, const QString &name, bool required);
    // A whole number option of at least `minimum`; `fallback` when absent.
    std::optional<int> intOption(const QCommandLineParser &parser, const QString &name, bool required,
                                 int fallback, int minimum);

private:
    std::unique_ptr<AppState> m_state;
    bool m_json;
    bool m_openFailed = false;
    bool m_failed = false;
    QString m_lastFailure;
    int m_exitCode = Success;
};
