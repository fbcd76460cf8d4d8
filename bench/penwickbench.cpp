// Measures the hot paths on generated households of 10,000 and 100,000
// transactions, each beside the floor SQLite itself sets for the same work.
#include "benchdatagenerator.h"

#include "app/appstate.h"
#include "services/backupservice.h"
#include "services/csvcolumnmapping.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/reportpresenter.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/bulkwriter.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "sync/synccodec.h"
#include "sync/synclocalstore.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kSeed = 20261206;

QTemporaryDir *g_root = nullptr;

// With PENWICK_BENCH_CLOCK=cpu the process's CPU time is measured instead of
// the wall clock: on a machine shared with other work it is not stretched by
// the others' load (time spent waiting for the disk is then not counted).
class Stopwatch
{
public:
    Stopwatch() { m_wall.start(); m_cpu = cpuSeconds(); }
    double seconds() const
    {
        static const bool cpu = qEnvironmentVariable("PENWICK_BENCH_CLOCK") == u"cpu"_s;
        return cpu ? cpuSeconds() - m_cpu : double(m_wall.nsecsElapsed()) / 1e9;
    }

private:
    static double cpuSeconds()
    {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

double seconds(const Stopwatch &t)
{
    return t.seconds();
}

// ---- Data directories -------------------------------------------------------

struct Household
{
    QString templateDir; // a populated data directory, never written after creation
    QString checkingId;  // the largest account
    BenchDataset data;
};
std::map<int, Household> g_households;

std::unique_ptr<AppState> openState(const QString &dir)
{
    qputenv("PENWICK_DATA_DIR", dir.toUtf8());
    auto state = std::make_unique<AppState>();
    if (!state->initialize())
        qFatal("cannot open data directory %s", qPrintable(dir));
    return state;
}

QString freshDir()
{
    static int counter = 0;
    const QString dir = g_root->filePath(u"run-%1"_s.arg(++counter));
    QDir().mkpath(dir);
    return dir;
}

QList<QPair<QString, QString>> categoryPairs(AppState *state)
{
    QList<QPair<QString, QString>> out;
    for (const Category &c : state->categoryRepository()->findAll())
        out.append({c.id, c.name});
    return out;
}

// Only one AppState may exist at a time (one default connection); the shared
// read-only state is dropped whenever a benchmark needs its own.
std::unique_ptr<AppState> g_shared;
int g_sharedSize = 0;

void releaseShared()
{
    g_shared.reset();
    g_sharedSize = 0;
}

const Household &household(int n)
{
    auto it = g_households.find(n);
    if (it != g_households.end())
        return it->second;
    releaseShared();
    Household h;
    h.templateDir = g_root->filePath(u"template-%1"_s.arg(n));
    QDir().mkpath(h.templateDir);
    {
        auto state = openState(h.templateDir);
        h.data = BenchDataGenerator(kSeed, n).generate(categoryPairs(state.get()));
        if (!BenchDataGenerator::store(state.get(), h.data))
            qFatal("cannot store generated data");
    }
    h.checkingId = h.data.accounts.first().id;
    return g_households.emplace(n, std::move(h)).first->second;
}

QString copyOf(int n)
{
    const QString dir = freshDir();
    if (!QFile::copy(household(n).templateDir + u"/penwick.db"_s, dir + u"/penwick.db"_s))
        qFatal("cannot copy template");
    return dir;
}

AppState *shared(int n)
{
    if (g_sharedSize != n) {
        const QString dir = copyOf(n);
        releaseShared();
        g_shared = openState(dir);
        g_sharedSize = n;
    }
    return g_shared.get();
}

// ---- The raw SQLite floor -----------------------------------------------------

sqlite3 *handleOf(AppState *state)
{
    const QVariant v = state->database()->connection().driver()->handle();
    return *static_cast<sqlite3 *const *>(v.constData());
}

// Captures the statements one call runs, with their parameters expanded, so
// the floor runs exactly the same SQL.
std::vector<std::string> *g_captured = nullptr;

int traceStatement(unsigned, void *, void *p, void *)
{
    if (!g_captured)
        return 0;
    char *sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(p));
    if (sql) {
        const std::string text(sql);
        if (text.rfind("PRAGMA", 0) != 0 && text.rfind("BEGIN", 0) != 0 && text.rfind("COMMIT", 0) != 0)
            g_captured->push_back(text);
        sqlite3_free(sql);
    }
    return 0;
}

template<typename F>
std::vector<std::string> captureStatements(AppState *state, F &&call)
{
    std::vector<std::string> out;
    sqlite3 *h = handleOf(state);
    g_captured = &out;
    sqlite3_trace_v2(h, SQLITE_TRACE_STMT, traceStatement, nullptr);
    call();
    sqlite3_trace_v2(h, 0, nullptr, nullptr);
    g_captured = nullptr;
    return out;
}

// A plain row: what the floor reads each result into.
struct PlainRow
{
    std::vector<std::string> texts;
    std::vector<long long> numbers;
};

std::size_t runRaw(sqlite3 *db, const std::vector<std::string> &statements)
{
    std::vector<PlainRow> rows;
    for (const std::string &sql : statements) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("raw prepare failed: %s", sqlite3_errmsg(db));
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            PlainRow &row = rows.emplace_back();
            const int columns = sqlite3_column_count(stmt);
            for (int c = 0; c < columns; ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER) {
                    row.numbers.push_back(sqlite3_column_int64(stmt, c));
                } else {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, c));
                    row.texts.emplace_back(text ? text : "");
                }
            }
        }
        sqlite3_finalize(stmt);
    }
    return rows.size();
}

// ---- Results table ----------------------------------------------------------

// Which floor each operation is compared with; empty = no floor.
std::map<std::string, std::string> g_floorOf;
// Bulk writes are also shown against the old per-row floor, for reference.
const std::string kOldBulkFloor = "RawInsert_Floor";
const std::string kBulkFloor = "BulkInsert_Floor";

class TableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name == "median")
                m_medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printTable(const std::vector<int> &sizes) const
    {
        std::printf("\n%-34s %10s %12s %12s %7s %13s %9s\n", "operation", "N", "median ms", "floor ms", "ratio",
                    "old floor ms", "old ratio");
        for (const auto &[name, floorName] : g_floorOf) {
            if (name.size() > 6 && name.compare(name.size() - 6, 6, "_Floor") == 0 && name != kOldBulkFloor
                && name != kBulkFloor)
                continue; // shown in the floor column of its operation
            for (int n : sizes) {
                const std::string key = name + "/" + std::to_string(n);
                const auto it = m_medians.find(key);
                if (it == m_medians.end())
                    continue;
                const double ms = it->second; // reported in milliseconds
                if (floorName.empty()) {
                    std::printf("%-34s %10d %12.1f %12s %7s\n", name.c_str(), n, ms, "-", "-");
                    continue;
                }
                const auto floorIt = m_medians.find(floorName + "/" + std::to_string(n));
                const double floorMs = floorIt == m_medians.end() ? 0 : floorIt->second;
                if (floorName != kBulkFloor) {
                    std::printf("%-34s %10d %12.1f %12.1f %7.2f\n", name.c_str(), n, ms, floorMs,
                                floorMs > 0 ? ms / floorMs : 0.0);
                    continue;
                }
                const auto oldIt = m_medians.find(kOldBulkFloor + "/" + std::to_string(n));
                const double oldMs = oldIt == m_medians.end() ? 0 : oldIt->second;
                std::printf("%-34s %10d %12.1f %12.1f %7.2f %13.1f %9.2f\n", name.c_str(), n, ms, floorMs,
                            floorMs > 0 ? ms / floorMs : 0.0, oldMs, oldMs > 0 ? ms / oldMs : 0.0);
            }
        }
    }

private:
    std::map<std::string, double> m_medians;
};

// ---- Benchmarks ---------------------------------------------------------------

// Times `work` once per iteration; `prepare` runs untimed before it.
template<typename Prepare, typename Work>
void timed(benchmark::State &state, Prepare &&prepare, Work &&work)
{
    for (auto _ : state) {
        prepare();
        Stopwatch t;
        work();
        state.SetIterationTime(seconds(t));
    }
}

void BM_StartupFresh(benchmark::State &state)
{
    releaseShared();
    QString dir;
    timed(state, [&] { dir = freshDir(); }, [&] { openState(dir); });
}

void BM_StartupExisting(benchmark::State &state)
{
    const int n = int(state.range(0));
    household(n);
    releaseShared();
    QString dir;
    timed(state, [&] { dir = copyOf(n); }, [&] { openState(dir); });
}

void BM_RegisterRead(benchmark::State &state)
{
    const int n = int(state.range(0));
    AppState *s = shared(n);
    const QString account = household(n).checkingId;
    s = shared(n);
    timed(state, [] {}, [&] { benchmark::DoNotOptimize(s->transactionRepository()->registerRows(account)); });
}

// The floor of a read-only operation: the statements it runs, raw.
template<typename F>
void rawFloor(benchmark::State &state, F &&call)
{
    const int n = int(state.range(0));
    AppState *s = shared(n);
    const auto statements = captureStatements(s, call);
    sqlite3 *db = handleOf(s);
    timed(state, [] {}, [&] { benchmark::DoNotOptimize(runRaw(db, statements)); });
}

void BM_RegisterRead_Floor(benchmark::State &state)
{
    const int n = int(state.range(0));
    AppState *s = shared(n);
    rawFloor(state, [&] { s->transactionRepository()->registerRows(household(n).checkingId); });
}

void BM_SidebarBalances(benchmark::State &state)
{
    AppState *s = shared(int(state.range(0)));
    timed(state, [] {}, [&] { benchmark::DoNotOptimize(s->transactionRepository()->accountBalances()); });
}

void BM_SidebarBalances_Floor(benchmark::State &state)
{
    AppState *s = shared(int(state.range(0)));
    rawFloor(state, [&] { s->transactionRepository()->accountBalances(); });
}

struct SearchCase
{
    const char *name;
    QString text;
    bool clearedOnly;
};

const SearchCase kSearches[] = {
    {"Search_Word", u"costco"_s, false},
    {"Search_Prefix", u"star*"_s, false},
    {"Search_Phrase", u"\"whole foods\""_s, false},
    {"Search_EmptyFiltered", QString(), true},
};

TransactionSearchFilter filterFor(const SearchCase &c)
{
    TransactionSearchFilter f;
    if (c.clearedOnly)
        f.cleared = true;
    f.date_from = QDate(2020, 1, 1);
    return f;
}

void BM_Search(benchmark::State &state, const SearchCase *c)
{
    AppState *s = shared(int(state.range(0)));
    const auto filter = filterFor(*c);
    timed(state, [] {}, [&] { benchmark::DoNotOptimize(s->transactionRepository()->search(c->text, filter)); });
}

void BM_Search_Floor(benchmark::State &state, const SearchCase *c)
{
    AppState *s = shared(int(state.range(0)));
    const auto filter = filterFor(*c);
    rawFloor(state, [&] { s->transactionRepository()->search(c->text, filter); });
}

using ReportCall = void (*)(ReportService *);
const ReportFilter kAllTime{QDate(1900, 1, 1), QDate(2100, 12, 31), QString()};

const std::pair<const char *, ReportCall> kReports[] = {
    {"Report_CategorySpending", [](ReportService *r) { r->categorySpending(kAllTime); }},
    {"Report_PayeeSummary", [](ReportService *r) { r->payeeSummary(kAllTime); }},
    {"Report_Tax", [](ReportService *r) { r->taxReport(kAllTime.from, kAllTime.to); }},
    {"Report_IncomeVsExpenses", [](ReportService *r) { r->incomeVsExpenses(kAllTime); }},
    {"Report_CashFlow", [](ReportService *r) { r->cashFlow(kAllTime); }},
    {"Report_YearOverYear", [](ReportService *r) {
         r->yearOverYear(QDate(2019, 1, 1), QDate(2021, 12, 31), QDate(2022, 1, 1), QDate(2024, 12, 31), QString());
     }},
    {"Report_AccountSummary", [](ReportService *r) { r->accountSummary(); }},
    {"Report_Transactions", [](ReportService *r) { r->transactionList(kAllTime); }},
    // What the Transactions tab reads before it shows: its first page.
    {"Report_TransactionsTab", [](ReportService *r) {
         const bool mixed = r->transactionListCurrencies(kAllTime).size() > 1;
         ReportPresenter().transactionCells(r->transactionListPage(kAllTime, nullptr, 500), mixed);
     }},
    // What the reports window runs when a period preset changes: only the
    // tab in view, with its chart (Category Spending opens first).
    {"Report_PresetChange", [](ReportService *r) {
         const ReportFilter lastYear{QDate(2023, 1, 1), QDate(2023, 12, 31), QString()};
         ReportPresenter().categorySpending(r->categorySpending(lastYear));
     }},
    {"Report_AccountBalances", [](ReportService *r) { r->accountBalances(QDate(2019, 1, 1), QDate(2024, 12, 31)); }},
};

void BM_Report(benchmark::State &state, ReportCall call)
{
    AppState *s = shared(int(state.range(0)));
    timed(state, [] {}, [&] { call(s->reportService()); });
}

void BM_Report_Floor(benchmark::State &state, ReportCall call)
{
    AppState *s = shared(int(state.range(0)));
    rawFloor(state, [&] { call(s->reportService()); });
}

// How the floor writes the full-text index.
enum class FloorIndex {
    PerRowTrigger, // the insert trigger fires for every row (the old floor)
    OneStatement,  // trigger set aside, one INSERT ... SELECT into the index
};

// The same transactions into a fresh database with the same schema and
// connection settings, one prepared statement, one transaction, the index
// complete and queryable at the end.
void rawInsertFloor(benchmark::State &state, FloorIndex index)
{
    const int n = int(state.range(0));
    const BenchDataset &data = household(n).data;
    releaseShared();
    for (auto _ : state) {
        QString dir = freshDir();
        {
            auto fresh = openState(dir); // migrated schema, then closed
            Account target = data.accounts.first();
            fresh->accountRepository()->insert(target);
        }
        sqlite3 *db = nullptr;
        sqlite3_open((dir + u"/penwick.db"_s).toUtf8().constData(), &db);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON; PRAGMA temp_store=MEMORY", nullptr,
                     nullptr, nullptr);
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                           "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
                           "recurring_id, version, sync_status, server_id, created_at, updated_at) VALUES "
                           "(?, ?, ?, ?, ?, ?, NULL, ?, ?, 0, '', '', 0, '', 1, 'pending', '', ?, ?)",
                           -1, &stmt, nullptr);
        const QByteArray account = data.accounts.first().id.toUtf8();
        // Texts are encoded before the clock starts, as an importer holds them.
        struct Encoded
        {
            QByteArray id, date, payee, memo, check, created;
            qint64 amount;
            bool cleared;
        };
        std::vector<Encoded> rows;
        rows.reserve(std::size_t(data.transactions.size()));
        for (const Transaction &t : data.transactions) {
            rows.push_back({QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8(),
                            t.date.toString(Qt::ISODate).toUtf8(), t.payee.toUtf8(), t.memo.toUtf8(),
                            t.check_number.toUtf8(), t.created_at.toString(Qt::ISODate).toUtf8(), t.amount,
                            t.cleared});
        }
        Stopwatch timer;
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        if (index == FloorIndex::OneStatement)
            sqlite3_exec(db, "PRAGMA cache_size = -65536; DROP TRIGGER transactions_ai", nullptr, nullptr, nullptr);
        for (const Encoded &r : rows) {
            sqlite3_bind_text(stmt, 1, r.id.constData(), int(r.id.size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 2, account.constData(), int(account.size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 3, r.date.constData(), int(r.date.size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 4, r.payee.constData(), int(r.payee.size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 5, r.memo.constData(), int(r.memo.size()), SQLITE_STATIC);
            sqlite3_bind_int64(stmt, 6, r.amount);
            sqlite3_bind_text(stmt, 7, r.check.constData(), int(r.check.size()), SQLITE_STATIC);
            sqlite3_bind_int(stmt, 8, r.cleared ? 1 : 0);
            sqlite3_bind_text(stmt, 9, r.created.constData(), int(r.created.size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 10, r.created.constData(), int(r.created.size()), SQLITE_STATIC);
            if (sqlite3_step(stmt) != SQLITE_DONE)
                qFatal("raw insert failed: %s", sqlite3_errmsg(db));
            sqlite3_reset(stmt);
        }
        if (index == FloorIndex::OneStatement) {
            char *error = nullptr;
            if (sqlite3_exec(db,
                             "INSERT INTO transactions_fts(rowid, payee, memo, check_number) "
                             "SELECT rowid, payee, memo, check_number FROM transactions; "
                             "CREATE TRIGGER transactions_ai AFTER INSERT ON transactions BEGIN "
                             "INSERT INTO transactions_fts(rowid, payee, memo, check_number) "
                             "VALUES (new.rowid, new.payee, new.memo, new.check_number); END",
                             nullptr, nullptr, &error) != SQLITE_OK)
                qFatal("floor index failed: %s", error);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.SetIterationTime(seconds(timer));
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }
}

void BM_RawInsert_Floor(benchmark::State &state)
{
    rawInsertFloor(state, FloorIndex::PerRowTrigger);
}

void BM_BulkInsert_Floor(benchmark::State &state)
{
    rawInsertFloor(state, FloorIndex::OneStatement);
}

// The storage-level batch every bulk path writes through, on the dataset's
// records (what applying a page of pulled rows amounts to).
void BM_BulkWriterInsert(benchmark::State &state)
{
    const int n = int(state.range(0));
    const BenchDataset &data = household(n).data;
    releaseShared();
    for (auto _ : state) {
        auto s = openState(freshDir());
        Account target = data.accounts.first();
        s->accountRepository()->insert(target);
        QList<Transaction> rows = data.transactions;
        for (Transaction &t : rows) {
            t.account_id = target.id;
            t.category_id.clear();
            t.transfer_link_id.clear();
            t.transfer_dest_account_id.clear();
        }
        QSqlDatabase db = s->database()->connection();
        Stopwatch t;
        if (!Database::beginWrite(db))
            qFatal("cannot begin");
        BulkWriter writer(db);
        bool ok = writer.begin();
        for (const Transaction &row : std::as_const(rows))
            ok = ok && writer.insertTransaction(row);
        if (!ok || !writer.finish() || !db.commit())
            qFatal("bulk writer failed: %s", qPrintable(writer.errorText()));
        state.SetIterationTime(seconds(t));
    }
}

// A first pull: the dataset's rows (one account, no categories) as one page
// the server sent, applied to a fresh database. Building the page is not timed.
void BM_SyncPullApply(benchmark::State &state)
{
    const int n = int(state.range(0));
    const BenchDataset &data = household(n).data;
    releaseShared();
    Account target = data.accounts.first();
    QJsonArray rows;
    qint64 serverNumber = 0;
    for (Transaction t : data.transactions) {
        t.account_id = target.id;
        t.category_id.clear();
        t.transfer_link_id.clear();
        t.transfer_dest_account_id.clear();
        QJsonObject row = SyncCodec::change(t).value(u"payload"_s).toObject();
        row.insert(u"id"_s, u"srv-%1"_s.arg(++serverNumber));
        rows.append(row);
    }
    target.server_id = u"srv-account"_s;
    target.sync_status = SyncStatus::Synced;
    const QJsonObject page{{u"transactions"_s, rows}, {u"server_time"_s, u"2025-01-01T00:00:00Z"_s}};
    for (auto _ : state) {
        auto s = openState(freshDir());
        s->accountRepository()->insert(target);
        SyncLocalStore store(s->accountRepository(), s->transactionRepository(), s->categoryRepository(),
                             s->recurringRepository(), s->reconciliationRepository(), s->preferencesRepository());
        Stopwatch t;
        const SyncLocalStore::PageOutcome outcome = store.applyPage(page);
        state.SetIterationTime(seconds(t));
        if (!outcome.ok || outcome.written != n)
            qFatal("pull apply failed (%d written): %s", outcome.written, qPrintable(outcome.error));
    }
}

QString importFile(int n, const char *suffix)
{
    const QString path = g_root->filePath(u"import-%1.%2"_s.arg(n).arg(QLatin1StringView(suffix)));
    if (!QFile::exists(path)) {
        const BenchDataset &data = household(n).data;
        const bool ok = qstrcmp(suffix, "qif") == 0 ? BenchDataGenerator::writeQif(data, path)
            : qstrcmp(suffix, "ofx") == 0           ? BenchDataGenerator::writeOfx(data, path)
                                                    : BenchDataGenerator::writeCsv(data, QString(), path);
        if (!ok)
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

void BM_QifImport(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString path = importFile(n, "qif");
    releaseShared();
    for (auto _ : state) {
        auto s = openState(freshDir());
        ImportService *import = s->importService();
        const QifAnalysis analysis = import->analyzeQifFiles({path});
        QHash<QString, QString> mapping;
        for (const QifSourceAccount &source : analysis.accounts) {
            Account a;
            a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            a.name = source.displayName;
            a.account_type = source.suggestedType;
            a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
            s->accountRepository()->insert(a);
            mapping.insert(source.key, a.id);
        }
        Stopwatch t;
        const ImportResult result = import->importQif({path}, mapping);
        state.SetIterationTime(seconds(t));
        if (result.failed || result.imported + result.duplicates < n * 9 / 10)
            qFatal("QIF import did not import the file (%d imported)", result.imported);
    }
}

// The QIF case's rows as a bank download; the analysis, like the QIF one,
// is outside the timed part.
void BM_OfxImport(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString path = importFile(n, "ofx");
    releaseShared();
    for (auto _ : state) {
        auto s = openState(freshDir());
        ImportService *import = s->importService();
        const QifAnalysis analysis = import->analyzeOfxFiles({path});
        if (!analysis.error.isEmpty())
            qFatal("OFX analysis failed: %s", qPrintable(analysis.error));
        QHash<QString, QString> mapping;
        for (const QifSourceAccount &source : analysis.accounts) {
            Account a;
            a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            a.name = source.displayName;
            a.account_type = source.suggestedType;
            a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
            s->accountRepository()->insert(a);
            mapping.insert(source.key, a.id);
        }
        Stopwatch t;
        const ImportResult result = import->importOfx({path}, mapping);
        state.SetIterationTime(seconds(t));
        if (result.failed || result.imported + result.duplicates < n * 9 / 10)
            qFatal("OFX import did not import the file (%d imported)", result.imported);
    }
}

void BM_CsvImport(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString path = importFile(n, "csv");
    releaseShared();
    for (auto _ : state) {
        auto s = openState(freshDir());
        Account a;
        a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        a.name = u"CSV target"_s;
        a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
        s->accountRepository()->insert(a);
        CsvColumnMapping mapping;
        mapping.memoColumn = 3;
        Stopwatch t;
        const ImportResult result = s->importService()->importCsv(path, a.id, mapping);
        state.SetIterationTime(seconds(t));
        if (result.failed || result.imported + result.duplicates < n * 9 / 10)
            qFatal("CSV import did not import the file (%d imported)", result.imported);
    }
}

QByteArray g_backup;
int g_backupSize = 0;

void BM_BackupExport(benchmark::State &state)
{
    const int n = int(state.range(0));
    AppState *s = shared(n);
    timed(state, [] {}, [&] { g_backup = s->backupService()->exportBackup(); });
    g_backupSize = n;
}

void BM_BackupImport(benchmark::State &state)
{
    const int n = int(state.range(0));
    if (g_backupSize != n) {
        g_backup = shared(n)->backupService()->exportBackup();
        g_backupSize = n;
    }
    releaseShared();
    for (auto _ : state) {
        auto s = openState(freshDir());
        Stopwatch t;
        const BackupImportResult result = s->backupService()->importBackup(g_backup, BackupImportMode::Replace);
        state.SetIterationTime(seconds(t));
        if (!result.errors.isEmpty())
            qFatal("backup import failed: %s", qPrintable(result.errors.join(u"; "_s)));
    }
}

// Daily entries 400 days behind: the catch-up posts up to its cap and
// quarantines what is left, on top of the household's history.
void BM_RecurringCatchUp(benchmark::State &state)
{
    const int n = int(state.range(0));
    household(n);
    releaseShared();
    for (auto _ : state) {
        auto s = openState(copyOf(n));
        const QString account = household(n).checkingId;
        for (int i = 0; i < 3; ++i) {
            RecurringTransaction r;
            r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            r.account_id = account;
            r.payee = u"Daily %1"_s.arg(i);
            r.amount = -100 * (i + 1);
            r.frequency = Frequency::Daily;
            r.start_date = r.next_due_date = QDate::currentDate().addDays(-400);
            r.auto_post = true;
            r.created_at = r.updated_at = QDateTime::currentDateTimeUtc();
            s->recurringRepository()->insert(r);
        }
        Stopwatch t;
        benchmark::DoNotOptimize(s->recurringService()->processAutoPost());
        state.SetIterationTime(seconds(t));
    }
}

void registerAll(const std::vector<int> &sizes, int repetitions)
{
    auto add = [&](const std::string &name, auto fn, const std::string &floor) {
        auto *b = benchmark::RegisterBenchmark(name.c_str(), fn);
        for (int n : sizes)
            b->Arg(n);
        b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions)
            ->ReportAggregatesOnly(true);
        g_floorOf[name] = floor;
    };
    // Read-only work on one shared copy first, then work that needs its own database.
    add("RegisterRead", BM_RegisterRead, "RegisterRead_Floor");
    add("RegisterRead_Floor", BM_RegisterRead_Floor, "");
    add("SidebarBalances", BM_SidebarBalances, "SidebarBalances_Floor");
    add("SidebarBalances_Floor", BM_SidebarBalances_Floor, "");
    for (const SearchCase &c : kSearches) {
        add(c.name, [&c](benchmark::State &s) { BM_Search(s, &c); }, std::string(c.name) + "_Floor");
        add(std::string(c.name) + "_Floor", [&c](benchmark::State &s) { BM_Search_Floor(s, &c); }, "");
    }
    for (const auto &[name, call] : kReports) {
        ReportCall fn = call;
        add(name, [fn](benchmark::State &s) { BM_Report(s, fn); }, std::string(name) + "_Floor");
        add(std::string(name) + "_Floor", [fn](benchmark::State &s) { BM_Report_Floor(s, fn); }, "");
    }
    add("BackupExport", BM_BackupExport, "");
    add("StartupFresh", BM_StartupFresh, "");
    add("StartupExisting", BM_StartupExisting, "");
    add(kOldBulkFloor, BM_RawInsert_Floor, "");
    add(kBulkFloor, BM_BulkInsert_Floor, "");
    add("QifImport", BM_QifImport, kBulkFloor);
    add("OfxImport", BM_OfxImport, kBulkFloor);
    add("CsvImport", BM_CsvImport, kBulkFloor);
    add("BackupImport", BM_BackupImport, kBulkFloor);
    add("BulkWriterInsert", BM_BulkWriterInsert, kBulkFloor);
    add("SyncPullApply", BM_SyncPullApply, kBulkFloor);
    add("RecurringCatchUp", BM_RecurringCatchUp, "");
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    QTemporaryDir root;
    g_root = &root;

    // PENWICK_BENCH_SIZES=10000,100000 (the default) picks the household sizes.
    std::vector<int> sizes;
    const QString wanted = qEnvironmentVariable("PENWICK_BENCH_SIZES", u"10000,100000"_s);
    for (const QString &s : wanted.split(u',', Qt::SkipEmptyParts))
        sizes.push_back(s.toInt());
    // PENWICK_BENCH_REPETITIONS=1 makes a quick smoke run (ctest uses it).
    const int repetitions = qMax(1, qEnvironmentVariableIntValue("PENWICK_BENCH_REPETITIONS"));
    registerAll(sizes, qEnvironmentVariableIsSet("PENWICK_BENCH_REPETITIONS") ? repetitions : 5);

    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable(sizes);
    releaseShared();
    benchmark::Shutdown();
    return 0;
}
