#include "ofxreader.h"

#include "app/money.h"
#include "importservice.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cmath>
#include <libofx/libofx.h>

using namespace Qt::StringLiterals;

namespace {

QString text(const char *value)
{
    // libofx hands out UTF-8 when it could convert the file's charset;
    // anything else is read the way QIF and CSV text is.
    return ImportService::decodeImportText(QByteArray(value)).trimmed();
}

// Dates without a time come from libofx at 10:59 UTC, so the UTC date is the
// date the bank wrote, whatever the local time zone.
QDate dateOf(time_t value)
{
    return QDateTime::fromSecsSinceEpoch(qint64(value), Qt::UTC).date();
}

// libofx reads amounts as doubles; a value with more digits than the
// currency has, or beyond what an account may hold, is not guessed at.
std::optional<qint64> minorUnits(double value, int digits)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double scaled = value * std::pow(10.0, digits);
    if (std::fabs(scaled) > double(kMaxAmountMinorUnits))
        return std::nullopt;
    const qint64 minor = std::llround(scaled);
    if (std::fabs(scaled - double(minor)) > 1e-6)
        return std::nullopt;
    return minor;
}

QString amountText(qint64 minor, int digits)
{
    if (digits == 0)
        return QString::number(minor);
    const qint64 magnitude = minor < 0 ? -minor : minor;
    return (minor < 0 ? u"-"_s : QString()) + QString::number(magnitude / 100) + u'.'
        + QString::number(magnitude % 100).rightJustified(2, u'0');
}

struct ReadState
{
    OfxReadResult result;
    QHash<QString, int> byKey; // statement index by libofx account id
    QStringList bankErrors;
    bool sawStatement = false;

    OfxStatement &statement(const QString &key)
    {
        auto it = byKey.constFind(key);
        if (it == byKey.cend()) {
            OfxStatement added;
            added.key = key;
            added.displayName = key;
            result.statements.append(added);
            it = byKey.insert(key, int(result.statements.size()) - 1);
        }
        return result.statements[it.value()];
    }
};

int onAccount(const OfxAccountData data, void *state)
{
    auto *s = static_cast<ReadState *>(state);
    if (!data.account_id_valid)
        return 0;
    OfxStatement &statement = s->statement(text(data.account_id));
    const QString number = data.account_number_valid ? text(data.account_number) : text(data.account_name);
    QString kind = OfxReader::tr("Checking %1");
    if (data.account_type_valid) {
        switch (data.account_type) {
        case OfxAccountData::OFX_CHECKING: break;
        case OfxAccountData::OFX_SAVINGS:
            kind = OfxReader::tr("Savings %1");
            statement.type = AccountType::Savings;
            break;
        case OfxAccountData::OFX_MONEYMRKT:
            kind = OfxReader::tr("Money market %1");
            statement.type = AccountType::Savings;
            break;
        case OfxAccountData::OFX_CREDITLINE:
            kind = OfxReader::tr("Credit line %1");
            statement.type = AccountType::Other;
            break;
        case OfxAccountData::OFX_CMA:
            kind = OfxReader::tr("Cash management %1");
            statement.type = AccountType::Other;
            break;
        case OfxAccountData::OFX_CREDITCARD:
            kind = OfxReader::tr("Credit card %1");
            statement.type = AccountType::CreditCard;
            break;
        case OfxAccountData::OFX_INVESTMENT:
        case OfxAccountData::OFX_401K:
            kind = OfxReader::tr("Investment %1");
            statement.type = AccountType::Investment;
            statement.investment = true;
            break;
        }
    }
    statement.displayName = kind.arg(number);
    if (data.currency_valid && statement.currency.isEmpty())
        statement.currency = text(data.currency).toUpper();
    return 0;
}

int onStatement(const OfxStatementData data, void *state)
{
    auto *s = static_cast<ReadState *>(state);
    if (!data.account_id_valid)
        return 0;
    s->sawStatement = true;
    OfxStatement &statement = s->statement(text(data.account_id));
    // CURDEF is the statement's own currency and wins over the account's.
    if (data.currency_valid)
        statement.currency = text(data.currency).toUpper();
    if (data.ledger_balance_valid) {
        const auto balance = minorUnits(data.ledger_balance, OfxReader::minorDigits(statement.currency));
        const QDate date = data.ledger_balance_date_valid ? dateOf(data.ledger_balance_date) : QDate();
        // Two downloads of one account in one import: the later balance counts.
        if (balance && (!statement.hasLedgerBalance || date >= statement.ledgerDate)) {
            statement.hasLedgerBalance = true;
            statement.ledgerBalance = *balance;
            statement.ledgerDate = date;
        }
    }
    return 0;
}

int onTransaction(const OfxTransactionData data, void *state)
{
    auto *s = static_cast<ReadState *>(state);
    QifParseResult &parsed = s->result.parsed;
    if (!data.account_id_valid) {
        ++parsed.unparseable;
        return 0;
    }
    OfxStatement &statement = s->statement(text(data.account_id));
    if (statement.investment || data.invtransactiontype_valid) {
        ++s->result.investmentRecords;
        return 0;
    }
    // A <CURRENCY> aggregate means the amount is not in the statement's
    // currency; <ORIGCURRENCY> only names where an already converted amount
    // came from.
    if (data.amounts_are_foreign_currency_valid && !data.amounts_are_foreign_currency) {
        qWarning().noquote() << "OFX import: skipped a transaction in another currency, FITID"
                             << text(data.fi_id);
        ++parsed.unparseable;
        return 0;
    }
    const int digits = OfxReader::minorDigits(statement.currency);
    std::optional<qint64> amount;
    if (data.amount_valid)
        amount = minorUnits(data.amount, digits);
    // libofx reports a transaction without <DTPOSTED> as posted at the epoch.
    const QDate date = data.date_posted_valid && data.date_posted != 0 ? dateOf(data.date_posted) : QDate();
    if (!amount || !date.isValid()) {
        ++parsed.unparseable;
        return 0;
    }
    QifRecord record;
    record.date = date;
    record.amount = *amount;
    record.amountText = amountText(*amount, digits);
    record.payee = data.name_valid ? text(data.name) : QString();
    record.memo = data.memo_valid ? text(data.memo) : QString();
    if (record.payee.isEmpty())
        std::swap(record.payee, record.memo);
    record.number = data.check_number_valid ? text(data.check_number) : QString();
    record.fitId = data.fi_id_valid ? text(data.fi_id) : QString();
    record.sourceAccount = statement.key;
    ++statement.records;
    parsed.records.append(std::move(record));
    return 0;
}

int onStatus(const OfxStatusData data, void *state)
{
    auto *s = static_cast<ReadState *>(state);
    if (data.severity_valid && data.severity == OfxStatusData::ERROR) {
        QString message = data.server_message_valid ? text(data.server_message) : QString();
        if (message.isEmpty() && data.code_valid && data.description)
            message = text(data.description);
        s->bankErrors.append(message.isEmpty() && data.code_valid ? QString::number(data.code) : message);
    }
    return 0;
}

// libofx prints its parser's complaints itself; the person gets ours.
void silenceLibofx()
{
    ofx_PARSER_msg = 0;
    ofx_DEBUG_msg = 0;
    ofx_DEBUG1_msg = 0;
    ofx_DEBUG2_msg = 0;
    ofx_DEBUG3_msg = 0;
    ofx_DEBUG4_msg = 0;
    ofx_DEBUG5_msg = 0;
    ofx_STATUS_msg = 0;
    ofx_INFO_msg = 0;
    ofx_WARNING_msg = 0;
    ofx_ERROR_msg = 0;
}

} // namespace

int OfxReader::minorDigits(const QString &currencyCode)
{
    return currencyCode.compare(u"JPY"_s, Qt::CaseInsensitive) == 0 ? 0 : 2;
}

OfxReadResult OfxReader::read(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    OfxReadResult failed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.error = tr("Cannot read file: %1").arg(path);
        return failed;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    // libofx reads what it can of a file cut short and reports it like a
    // complete one, so the closing tag has to be there.
    const QByteArray upper = bytes.toUpper();
    if (!upper.contains("<OFX>")) {
        failed.error = tr("%1 is not an OFX or QFX file.").arg(name);
        return failed;
    }
    if (!upper.contains("</OFX>")) {
        failed.error = tr("%1 is incomplete: it ends before its OFX data does. Download it again.").arg(name);
        return failed;
    }

    ReadState state;
    silenceLibofx();
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_account_cb(context, onAccount, &state);
    ofx_set_statement_cb(context, onStatement, &state);
    ofx_set_transaction_cb(context, onTransaction, &state);
    ofx_set_status_cb(context, onStatus, &state);
    const int status = libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);

    if (status < 0 || (!state.sawStatement && state.result.statements.isEmpty())) {
        if (!state.bankErrors.isEmpty()) {
            failed.error = tr("The bank reported an error in %1: %2").arg(name, state.bankErrors.join(u"; "_s));
        } else {
            failed.error = tr("%1 holds no bank or credit-card statement that can be read.").arg(name);
        }
        return failed;
    }
    return std::move(state.result);
}
