#include "clisession.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"

#include <QCommandLineParser>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

void writeTo(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// The entries that `matches` accepts, first by exact text, then ignoring case.
template<typename Record>
QList<Record> pick(const QList<Record> &all, const std::function<QStringList(const Record &)> &names,
                   const QString &text)
{
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        QList<Record> found;
        for (const Record &record : all) {
            const QStringList candidates = names(record);
            for (const QString &name : candidates) {
                if (name.compare(text, cs) == 0) {
                    found.append(record);
                    break;
                }
            }
        }
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace

CliSession::CliSession(bool json)
    : m_json(json)
{
}

CliSession::~CliSession() = default;

int CliSession::finish(int code)
{
    // A write that gave up on the lock is a failure even where the command
    // itself saw nothing wrong.
    if (code == Success && Database::busySeen())
        return fail(Database::busyMessage());
    return code;
}

AppState *CliSession::open()
{
    if (m_state)
        return m_state.get();
    if (m_openFailed)
        return nullptr;
    auto state = std::make_unique<AppState>();
    state->setSignInEnabled(false);
    if (!state->initialize()) {
        m_openFailed = true;
        QString message = tr("Failed to initialize the database at %1").arg(databasePath());
        if (!state->initializeError().isEmpty())
            message += u": "_s + state->initializeError();
        fail(message);
        return nullptr;
    }
    m_state = std::move(state);
    return m_state.get();
}

int CliSession::fail(const QString &message, int code)
{
    // Whatever failed, a lock held by another program is the reason to tell.
    const QString shown = Database::busySeen() ? Database::busyMessage() : message;
    if (m_failed && shown == m_lastFailure)
        return m_exitCode;
    m_failed = true;
    m_lastFailure = shown;
    writeTo(stderr, u"penwick-cli: "_s + shown + u'\n');
    m_exitCode = code;
    return code;
}

void CliSession::write(const QString &text) const
{
    writeTo(stdout, text);
}

void CliSession::print(const QString &text) const
{
    writeTo(stdout, text + u'\n');
}

void CliSession::printLines(const QStringList &lines) const
{
    print(lines.join(u'\n'));
}

void CliSession::printJson(const QJsonValue &value) const
{
    writeTo(stdout, jsonText(value));
}

void CliSession::printTable(const CliTable &table) const
{
    writeTo(stdout, tableText(table, m_json));
}

QString CliSession::jsonText(const QJsonValue &value)
{
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

QString CliSession::tableText(const CliTable &table, bool json)
{
    if (json)
        return jsonText(table.json);
    return ReportService::toCsv(table.headers, table.rows);
}

std::optional<Account> CliSession::account(const QString &nameOrId)
{
    AppState *state = open();
    if (!state)
        return std::nullopt;
    const QList<Account> all = state->accountRepository()->findAll();
    for (const Account &account : all) {
        if (account.id == nameOrId)
            return account;
    }
    const QList<Account> found =
        pick<Account>(all, [](const Account &account) { return QStringList{account.name}; }, nameOrId);
    if (found.size() == 1)
        return found.first();
    if (found.isEmpty())
        fail(tr("Unknown account: %1").arg(nameOrId));
    else
        fail(tr("Account name \"%1\" is ambiguous; use the account id.").arg(nameOrId));
    return std::nullopt;
}

std::optional<Category> CliSession::category(const QString &text)
{
    AppState *state = open();
    if (!state)
        return std::nullopt;
    const QList<Category> all = state->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &category : all)
        names.insert(category.id, category.name);
    for (const Category &category : all) {
        if (category.id == text)
            return category;
    }
    // Child names repeat under different parents, so the parent may be given.
    const auto paths = [&names](const Category &category) {
        QStringList out{category.name};
        const QString parent = names.value(category.parent_id);
        if (!parent.isEmpty()) {
            out << u"%1 > %2"_s.arg(parent, category.name);
            out << u"%1:%2"_s.arg(parent, category.name);
        }
        return out;
    };
    const QList<Category> found = pick<Category>(all, paths, text);
    if (found.size() == 1)
        return found.first();
    if (found.isEmpty())
        fail(tr("Unknown category: %1").arg(text));
    else
        fail(tr("Category name \"%1\" is ambiguous; use \"Parent > Child\" or the category id.").arg(text));
    return std::nullopt;
}

std::optional<QStringList> CliSession::arguments(const QCommandLineParser &parser, const QStringList &names,
                                                 int min, int max)
{
    const QStringList values = parser.positionalArguments();
    if (values.size() < min) {
        usageError(tr("Missing argument: %1").arg(names.value(int(values.size()), names.value(names.size() - 1))));
        return std::nullopt;
    }
    if (max >= 0 && values.size() > max) {
        usageError(tr("Unexpected argument: %1").arg(values.at(max)));
        return std::nullopt;
    }
    return values;
}

std::optional<QDate> CliSession::dateOption(const QCommandLineParser &parser, const QString &name, bool required)
{
    if (!parser.isSet(name)) {
        if (required) {
            usageError(tr("Missing option: --%1").arg(name));
            return std::nullopt;
        }
        return QDate();
    }
    const QString text = parser.value(name).trimmed();
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    if (!date.isValid()) {
        usageError(tr("Invalid date for --%1: \"%2\" (expected yyyy-MM-dd)").arg(name, text));
        return std::nullopt;
    }
    return date;
}

std::optional<int> CliSession::intOption(const QCommandLineParser &parser, const QString &name, bool required,
                                         int fallback, int minimum)
{
    if (!parser.isSet(name)) {
        if (required) {
            usageError(tr("Missing option: --%1").arg(name));
            return std::nullopt;
        }
        return fallback;
    }
    const QString text = parser.value(name).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < minimum) {
        usageError(tr("Invalid number for --%1: \"%2\"").arg(name, text));
        return std::nullopt;
    }
    return value;
}
