#include "testsupport.h"

#include "services/backuparchive.h"
#include "services/backupservice.h"
#include "storage/database.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtEndian>

namespace {

ZipEntry manifestEntry(const QJsonValue &version = 1)
{
    return {u"manifest.json"_s, jsonBytes(QJsonObject{{u"version"_s, version}})};
}

QJsonObject accountRow(const QString &id, const QString &name, const QString &updatedAt)
{
    return {{u"id"_s, id}, {u"name"_s, name}, {u"account_type"_s, u"checking"_s}, {u"currency"_s, u"USD"_s},
            {u"starting_balance"_s, 0}, {u"sort_order"_s, 0}, {u"is_shared"_s, 0}, {u"version"_s, 4},
            {u"sync_status"_s, u"synced"_s}, {u"server_id"_s, QString(u"srv-"_s + id)},
            {u"created_at"_s, u"2024-01-01T00:00:00Z"_s}, {u"updated_at"_s, updatedAt},
            {u"deleted_at"_s, QJsonValue(QJsonValue::Null)}};
}

QJsonObject transactionRow(const QString &id, const QString &accountId, const QString &categoryId = QString())
{
    return {{u"id"_s, id}, {u"account_id"_s, accountId}, {u"date"_s, u"2024-03-05"_s}, {u"payee"_s, u"Grocer"_s},
            {u"amount"_s, -1234}, {u"category_id"_s, categoryId.isEmpty() ? QJsonValue(QJsonValue::Null) : categoryId},
            {u"created_at"_s, u"2024-03-05T10:00:00Z"_s}, {u"updated_at"_s, u"2024-03-05T10:00:00Z"_s}};
}

ZipEntry rowEntry(const QString &folder, const QJsonObject &row)
{
    return {folder + u'/' + row.value(u"id"_s).toString() + u".json"_s, jsonBytes(row)};
}

const QStringList kDataTables = {u"accounts"_s, u"categories"_s, u"transactions"_s, u"split_lines"_s,
                                 u"recurring_transactions"_s, u"reconciliations"_s};

// Every row of a table with each value as an SQL literal, so type and value
// both take part in comparisons.
QStringList dumpTable(const TestDatabase &db, const QString &table)
{
    QStringList columns;
    {
        QSqlQuery q(db.database->connection());
        q.exec(u"PRAGMA table_info(%1)"_s.arg(table));
        while (q.next())
            columns.append(q.value(1).toString());
    }
    QStringList quoted;
    for (const QString &c : columns)
        quoted.append(u"quote(%1)"_s.arg(c));
    QSqlQuery q(db.database->connection());
    q.exec(u"SELECT %1 FROM %2 ORDER BY id"_s.arg(quoted.join(u", "_s), table));
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < columns.size(); ++i)
            cells.append(columns.at(i) + u'=' + q.value(i).toString());
        rows.append(cells.join(u" | "_s));
    }
    return rows;
}

QMap<QString, QStringList> dumpAll(const TestDatabase &db)
{
    QMap<QString, QStringList> out;
    for (const QString &table : kDataTables)
        out.insert(table, dumpTable(db, table));
    return out;
}

int rowCount(const TestDatabase &db, const QString &table)
{
    return db.scalar(u"SELECT COUNT(*) FROM %1"_s.arg(table)).toInt();
}

// Rows in every table, with the values that are easy to lose on the way:
// NULLs, extreme amounts, non-ASCII text, soft deletes, server bookkeeping.
bool populate(TestDatabase &db)
{
    const QStringList statements = {
        u"INSERT INTO accounts VALUES ('acc-1', 'Everyday Chequing', 'checking', 'USD', 'First Bank', '1234', "
        "150000, 0, 0, 7, 'synced', 'srv-acc-1', '2023-01-01T08:00:00Z', '2024-02-01T09:30:00Z', NULL)"_s,
        u"INSERT INTO accounts VALUES ('acc-2', 'Old Savings ünïcødé', 'savings', 'JPY', NULL, NULL, "
        "-9223372036854775808, 1, 1, 3, 'conflict', NULL, '2022-05-05T05:05:05Z', '2023-06-06T06:06:06Z', "
        "'2023-06-06T06:06:06Z')"_s,
        u"INSERT INTO categories VALUES ('cat-1', 'Housing', 'expense', NULL, 0, NULL, 'home', '#aa0000', 1, "
        "NULL, 2, 'synced', 'srv-cat-1', '2023-01-01T08:00:00Z', '2023-01-01T08:00:00Z', NULL)"_s,
        u"INSERT INTO categories VALUES ('cat-2', 'Rent', 'expense', 'cat-1', 1, 'rent_line', NULL, NULL, 0, "
        "'acc-1', 1, 'pending', NULL, '2023-01-02T08:00:00Z', '2023-01-02T08:00:00Z', '2024-01-01T00:00:00Z')"_s,
        u"INSERT INTO transactions VALUES ('tx-1', 'acc-1', '2024-01-15', 'Landlord \"Ltd\" & Sons', "
        "'Jan; rent' || char(10, 9, 92, 1, 47) || '🏠', "
        "9223372036854775807, 'cat-2', '1001', 1, 1, NULL, NULL, 1, NULL, 5, 'synced', 'srv-tx-1', "
        "'2024-01-15T12:00:00Z', '2024-01-16T12:00:00Z', NULL)"_s,
        u"INSERT INTO transactions VALUES ('tx-2', 'acc-1', '2024-01-20', 'Transfer', NULL, -5000, NULL, '', 0, "
        "0, 'tx-3', 'acc-2', 0, 'rec-1', 1, 'pending', NULL, '2024-01-20T12:00:00Z', '2024-01-20T12:00:00Z', "
        "'2024-01-21T00:00:00Z')"_s,
        u"INSERT INTO transactions VALUES ('tx-3', 'acc-2', '2024-01-20', 'Transfer', '日本語', 5000, NULL, NULL, "
        "0, 0, 'tx-2', 'acc-1', 0, NULL, 1, 'pending', NULL, '2024-01-20T12:00:00Z', '2024-01-20T12:00:00Z', "
        "NULL)"_s,
        u"INSERT INTO split_lines VALUES ('sp-1', 'tx-1', 'cat-2', 9223372036854775000, 'most', "
        "'2024-01-15T12:00:00Z', '2024-01-15T12:00:00Z')"_s,
        u"INSERT INTO split_lines VALUES ('sp-2', 'tx-1', 'cat-1', 807, NULL, '2024-01-15T12:00:00Z', "
        "'2024-01-15T12:00:00Z')"_s,
        u"INSERT INTO recurring_transactions VALUES ('rec-1', 'acc-1', 'Landlord', 'monthly rent', -150000, "
        "'cat-2', 'monthly', '2024-01-31', NULL, '2024-02-29', 1, 1, NULL, 9, 'synced', 'srv-rec-1', "
        "'2024-01-01T00:00:00Z', '2024-01-31T00:00:00Z', NULL)"_s,
        u"INSERT INTO recurring_transactions VALUES ('rec-2', 'acc-2', 'Move', NULL, 100, NULL, 'weekly', "
        "'2023-01-01', '2023-12-31', '2024-01-06', 0, 0, 'acc-1', 1, 'pending', NULL, "
        "'2023-01-01T00:00:00Z', '2023-01-01T00:00:00Z', '2023-02-01T00:00:00Z')"_s,
        u"INSERT INTO reconciliations VALUES ('recon-1', 'acc-1', '2024-01-31', 140000, 140000, "
        "'2024-02-01T10:00:00Z', 2, 'synced', 'srv-recon-1', '2024-02-01T10:00:00Z', '2024-02-01T10:00:00Z', "
        "NULL)"_s,
    };
    for (const QString &sql : statements) {
        if (!db.execute(sql)) {
            qWarning().noquote() << "populate failed:" << sql;
            return false;
        }
    }
    return true;
}

// What a restore must produce from the populated rows.
void normaliseSyncColumns(TestDatabase &db)
{
    for (const QString &table : kDataTables) {
        if (table != u"split_lines")
            db.execute(u"UPDATE %1 SET sync_status = 'pending', server_id = NULL, version = 1"_s.arg(table));
    }
}

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT
private slots:
    void roundTripEveryTable();
    void importModes_data();
    void importModes();
    void refusedArchives_data();
    void refusedArchives();
    void foreignKeysAndOrder();
    void hostileMembers_data();
    void hostileMembers();
    void oversizedArchives_data();
    void oversizedArchives();
    void moreRowsThanZipCountField();
};

void TestBackupService::roundTripEveryTable()
{
    QByteArray zip;
    QMap<QString, QStringList> expected;
    {
        TestDatabase source;
        QVERIFY(populate(source));
        zip = BackupService(source.database).exportBackup();
        normaliseSyncColumns(source);
        expected = dumpAll(source);
    }
    TestDatabase target;
    BackupService service(target.database);
    const BackupImportResult result = service.importBackup(zip, BackupImportMode::Replace);
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(u'\n')));
    QCOMPARE(result.importedTotal(), 12);
    QCOMPARE(result.skippedTotal(), 0);

    const QMap<QString, QStringList> actual = dumpAll(target);
    for (const QString &table : kDataTables)
        QCOMPARE(actual.value(table), expected.value(table));
    // Restoring the same backup again skips every row and changes nothing.
    const BackupImportResult again = service.importBackup(zip, BackupImportMode::SkipExisting);
    QCOMPARE(again.importedTotal(), 0);
    QCOMPARE(again.skippedTotal(), 12);
    QCOMPARE(dumpAll(target), actual);
    // The soft-deleted account stays deleted, and restored rows are searchable.
    QCOMPARE(target.scalar(u"SELECT deleted_at FROM accounts WHERE id = 'acc-2'"_s).toString(),
             u"2023-06-06T06:06:06Z"_s);
    QCOMPARE(target.scalar(u"SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Landlord'"_s).toInt(),
             1);
}

void TestBackupService::importModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("backupUpdatedAt");
    QTest::addColumn<bool>("overwritten");

    const QString local = u"2024-05-01T10:00:00Z"_s;
    const QString later = u"2024-05-01T10:00:01Z"_s;
    const QString earlier = u"2024-04-30T23:59:59Z"_s;
    const int skip = int(BackupImportMode::SkipExisting);
    const int replace = int(BackupImportMode::Replace);
    const int newer = int(BackupImportMode::KeepNewer);
    QTest::newRow("skip existing, backup newer") << skip << later << false;
    QTest::newRow("replace, backup equal") << replace << local << true;
    QTest::newRow("keep newer, backup later by a second") << newer << later << true;
}

void TestBackupService::importModes()
{
    QFETCH(int, mode);
    QFETCH(QString, backupUpdatedAt);
    QFETCH(bool, overwritten);

    TestDatabase db;
    QVERIFY(db.execute(u"INSERT INTO accounts (id, name, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES ('acc-1', 'Local name', 3, 'synced', 'srv-9', '2024-01-01T00:00:00Z', "
                       "'2024-05-01T10:00:00Z')"_s));
    const ZipEntry existing = rowEntry(u"accounts"_s, accountRow(u"acc-1"_s, u"Backup name"_s, backupUpdatedAt));
    const ZipEntry fresh = rowEntry(u"accounts"_s, accountRow(u"acc-new"_s, u"New"_s, u"2020-01-01T00:00:00Z"_s));
    const QByteArray zip = buildZip({existing, fresh, manifestEntry()});

    BackupService service(db.database);
    const BackupImportResult result = service.importBackup(zip, BackupImportMode(mode));
    QCOMPARE(result.accountsImported, overwritten ? 2 : 1);
    QCOMPARE(db.scalar(u"SELECT name FROM accounts WHERE id = 'acc-1'"_s).toString(),
             overwritten ? u"Backup name"_s : u"Local name"_s);

    // Written rows are new to the server; a row left alone keeps its state.
    const QString syncState = u"SELECT sync_status || '/' || IFNULL(server_id, 'NULL') || '/' || version "
                              "FROM accounts WHERE id = ?"_s;
    QCOMPARE(db.scalar(syncState, {u"acc-new"_s}).toString(), u"pending/NULL/1"_s);
    QCOMPARE(db.scalar(syncState, {u"acc-1"_s}).toString(), overwritten ? u"pending/NULL/1"_s : u"synced/srv-9/3"_s);
}

void TestBackupService::refusedArchives_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("error");

    const ZipEntry row = rowEntry(u"accounts"_s, accountRow(u"acc-1"_s, u"A"_s, u"2024-01-01T00:00:00Z"_s));
    QTest::newRow("version 2") << buildZip({row, manifestEntry(2)}) << u"Unsupported backup version: 2"_s;
    QTest::newRow("manifest not JSON") << buildZip({row, {u"manifest.json"_s, "version=1"}})
                                       << u"Unsupported backup version: 0"_s;
    QTest::newRow("no manifest") << buildZip({row}) << u"Invalid backup: missing manifest.json"_s;
    QByteArray truncated = buildZip({row, manifestEntry()});
    truncated.chop(30);
    QTest::newRow("truncated zip") << truncated << u"Failed to open ZIP archive"_s;
    QByteArray badDirectory = buildZip({row, manifestEntry()});
    qToLittleEndian<quint32>(0x7fffffff, badDirectory.data() + badDirectory.size() - 6); // directory offset
    QTest::newRow("directory outside the file") << badDirectory << u"Failed to open ZIP archive"_s;

    // Stored members, so a test can change the bytes the checksum covers.
    const QList<ZipEntry> rows{{row.path, row.data, false},
                               {u"transactions/tx-1.json"_s, jsonBytes(transactionRow(u"tx-1"_s, u"acc-1"_s)), false}};
    const auto withManifest = [&rows](const QList<ZipEntry> &more, int count = 1) {
        return buildZip(rows + more + QList<ZipEntry>{{u"manifest.json"_s,
                                                       jsonBytes({{u"version"_s, 1}, {u"transactionCount"_s, count}}), false}});
    };
    QByteArray flipped = withManifest({});
    flipped.replace("-1234", "-9234");
    QTest::newRow("flipped byte") << flipped << u"checksum mismatch"_s;
    // The directory says "stored"; the local header says "deflated".
    QByteArray method = withManifest({});
    const qsizetype local = method.indexOf("PK\x03\x04", method.indexOf("transactions/") - 40);
    qToLittleEndian<quint16>(8, method.data() + local + 8);
    QTest::newRow("local method differs") << method << u"local header does not match"_s;
    QTest::newRow("rows missing") << withManifest({}, 2) << u"transactions"_s;
    QTest::newRow("two manifests") << withManifest({manifestEntry()}) << u"more than once"_s;
    QTest::newRow("parent folder") << withManifest({{u"accounts/../x.json"_s, row.data}}) << u"unsafe entry name"_s;
    QTest::newRow("absolute name") << withManifest({{u"/accounts/x.json"_s, row.data}}) << u"unsafe entry name"_s;
}

void TestBackupService::refusedArchives()
{
    QFETCH(QByteArray, zip);
    QFETCH(QString, error);
    TestDatabase db;
    const BackupImportResult result = BackupService(db.database).importBackup(zip, BackupImportMode::Replace);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().contains(error), qPrintable(result.errors.first()));
    QCOMPARE(result.importedTotal() + result.skippedTotal(), 0);
    QCOMPARE(rowCount(db, u"accounts"_s), 0);
}

void TestBackupService::foreignKeysAndOrder()
{
    TestDatabase db;
    const QString stamp = u"2024-01-01T00:00:00Z"_s;
    const auto row = [stamp](const QString &id, const QString &parent) {
        return QJsonObject{{u"id"_s, id}, {u"name"_s, id}, {u"created_at"_s, stamp}, {u"updated_at"_s, stamp},
                           {u"parent_id"_s, parent.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(parent)}};
    };
    const QJsonObject split{{u"id"_s, u"sp-good"_s}, {u"transaction_id"_s, u"tx-good"_s},
                            {u"category_id"_s, u"cat-1"_s}, {u"amount"_s, 5}, {u"created_at"_s, stamp},
                            {u"updated_at"_s, stamp}};
    QJsonObject orphanSplit = split;
    orphanSplit.insert(u"id"_s, u"sp-orphan"_s);
    orphanSplit.insert(u"transaction_id"_s, u"tx-missing"_s);
    // Children come first in the file, even through a chain of categories;
    // rows whose references are missing are skipped, the rest restored.
    const QByteArray zip = buildZip({
        rowEntry(u"split_lines"_s, orphanSplit), rowEntry(u"split_lines"_s, split),
        rowEntry(u"transactions"_s, transactionRow(u"tx-good"_s, u"acc-1"_s, u"cat-1"_s)),
        rowEntry(u"transactions"_s, transactionRow(u"tx-no-account"_s, u"acc-missing"_s)),
        rowEntry(u"transactions"_s, transactionRow(u"tx-no-category"_s, u"acc-1"_s, u"cat-missing"_s)),
        rowEntry(u"categories"_s, row(u"cat-grandchild"_s, u"cat-child"_s)),
        rowEntry(u"categories"_s, row(u"cat-child"_s, u"cat-1"_s)),
        rowEntry(u"categories"_s, row(u"cat-orphan"_s, u"cat-missing"_s)),
        rowEntry(u"categories"_s, row(u"cat-1"_s, QString())),
        rowEntry(u"accounts"_s, accountRow(u"acc-1"_s, u"A"_s, u"2024-01-01T00:00:00Z"_s)),
        manifestEntry(),
    });
    const BackupImportResult result = BackupService(db.database).importBackup(zip, BackupImportMode::Replace);
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(result.importedTotal(), 1 + 3 + 1 + 1);
    QCOMPARE(result.skippedTotal(), 1 + 2 + 1);
    QCOMPARE(db.scalar(u"SELECT group_concat(id) FROM (SELECT id FROM categories ORDER BY id)"_s).toString(),
             u"cat-1,cat-child,cat-grandchild"_s);
    QCOMPARE(db.scalar(u"SELECT group_concat(id) FROM transactions"_s).toString(), u"tx-good"_s);
    QCOMPARE(db.scalar(u"SELECT group_concat(id || amount) FROM split_lines"_s).toString(), u"sp-good5"_s);
}

void TestBackupService::hostileMembers_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("existing"); // update path instead of insert path

    const QList<QPair<const char *, QString>> names = {
        {"statement injection", u"id) VALUES ('x'); DROP TABLE accounts; --"_s},
        {"unknown column", u"nickname"_s},
        {"column of another table", u"payee"_s},
    };
    for (const auto &[label, member] : names) {
        QTest::addRow("%s, insert", label) << member << QJsonValue(u"x"_s) << false;
        QTest::addRow("%s, update", label) << member << QJsonValue(u"x"_s) << true;
    }
    QTest::newRow("array value") << u"institution"_s << QJsonValue(QJsonArray{1, 2}) << false;
}

void TestBackupService::hostileMembers()
{
    QFETCH(QString, member);
    QFETCH(QJsonValue, value);
    QFETCH(bool, existing);

    TestDatabase db;
    QVERIFY(db.execute(u"INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                       "('acc-1', 'Untouched', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"_s));
    const QString id = existing ? u"acc-1"_s : u"acc-2"_s;
    QJsonObject hostile = accountRow(id, u"pwned"_s, u"2030-01-01T00:00:00Z"_s);
    hostile.insert(member, value);
    // A hostile id is only ever a bound value.
    const QJsonObject oddId = accountRow(u"x'); DROP TABLE accounts; --"_s, u"Odd"_s, u"2024-01-01T00:00:00Z"_s);
    const QByteArray zip = buildZip({{u"accounts/h.json"_s, jsonBytes(hostile)}, rowEntry(u"accounts"_s, oddId),
                                     {u"accounts/broken.json"_s, "{not json"}, manifestEntry()});

    const BackupImportResult result = BackupService(db.database).importBackup(zip, BackupImportMode::Replace);
    QCOMPARE(result.accountsSkipped, 1);
    QCOMPARE(result.errors, QStringList{u"accounts/broken.json: invalid JSON"_s});
    QCOMPARE(db.scalar(u"SELECT group_concat(name, ',') FROM (SELECT name FROM accounts ORDER BY name)"_s).toString(),
             u"Odd,Untouched"_s);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM accounts WHERE name = 'pwned' OR institution IS NOT NULL"_s).toInt(),
             0);
}

void TestBackupService::oversizedArchives_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("error");      // prefix of the only error
    QTest::addColumn<int>("accounts");       // rows restored

    const ZipEntry good = rowEntry(u"accounts"_s, accountRow(u"acc-1"_s, u"A"_s, u"2024-01-01T00:00:00Z"_s));
    const QByteArray padded = jsonBytes(accountRow(u"acc-2"_s, u"B"_s, u"2024-01-01T00:00:00Z"_s));

    // Honest bomb: 100 MiB of white space after a valid row deflates to ~100 KiB.
    ZipEntry bomb{u"accounts/bomb.json"_s, padded + QByteArray(100 * 1024 * 1024, ' ')};
    QTest::newRow("highly compressible entry") << buildZip({good, bomb, manifestEntry()})
                                               << u"Backup refused: accounts/bomb.json"_s << 0;

    ZipEntry declaredHuge{u"accounts/huge.json"_s, padded, true, 0xC0000000LL};
    QTest::newRow("entry declaring 3 GiB") << buildZip({good, declaredHuge, manifestEntry()})
                                           << u"Backup refused: accounts/huge.json"_s << 0;

    ZipEntry storedHuge{u"accounts/stored.json"_s, padded, false, 0xFFFFFFFFLL};

    ZipEntry hugeManifest = manifestEntry();
    hugeManifest.declaredSize = 0x80000000LL;
    QTest::newRow("manifest declaring 2 GiB") << buildZip({good, hugeManifest})
                                              << u"Backup refused: manifest.json"_s << 0;

    // Each entry is acceptable; together they claim more than the total limit.
    QList<ZipEntry> many{good};
    for (int i = 0; i < 40; ++i)
        many.append({u"transactions/t%1.json"_s.arg(i), "{}", true, 60LL * 1024 * 1024});
    many.append(manifestEntry());
    QTest::newRow("total of many entries") << buildZip(many) << u"Backup refused: its contents"_s << 0;

    // A header that understates the size: caught by what deflate could
    // produce from the stored bytes before anything is inflated...
    QByteArray noise(200 * 1024, Qt::Uninitialized);
    QRandomGenerator rng(7);
    for (char &c : noise)
        c = char(rng.bounded(256));
    ZipEntry understatedNoise{u"accounts/noise.json"_s, noise, true, 100};
    QTest::newRow("understated incompressible entry") << buildZip({good, understatedNoise, manifestEntry()})
                                                      << u"Backup refused: accounts/noise.json"_s << 0;

    // ...or, within that bound, while inflating: the whole archive is refused.
    ZipEntry understated{u"accounts/liar.json"_s, padded + QByteArray(20 * 1024 * 1024, ' '), true, padded.size()};
    QTest::newRow("understated compressible entry") << buildZip({good, understated, manifestEntry()})
                                                    << u"Backup refused: accounts/liar.json"_s << 0;

    // Entries a restore never reads do not count.
    ZipEntry unrelated{u"notes/huge.bin"_s, "x", true, 0xF0000000LL};
    QTest::newRow("unrelated huge entry") << buildZip({good, unrelated, manifestEntry()}) << QString() << 1;
}

void TestBackupService::oversizedArchives()
{
    QFETCH(QByteArray, zip);
    QFETCH(QString, error);
    QFETCH(int, accounts);

    TestDatabase db;
    QVERIFY(zip.size() < 1024 * 1024);
    const BackupImportResult result = BackupService(db.database).importBackup(zip, BackupImportMode::Replace);
    if (error.isEmpty()) {
        QVERIFY(result.errors.isEmpty());
    } else {
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith(error), qPrintable(result.errors.first()));
    }
    QCOMPARE(result.accountsImported, accounts);
    QCOMPARE(rowCount(db, u"accounts"_s), accounts);
}

void TestBackupService::moreRowsThanZipCountField()
{
    // The classic directory counts entries in 16 bits and wraps past 65535:
    // the row after the wrap must still be found, with and without the ZIP64
    // records export adds. Tiny entries keep this cheap.
    QList<ZipEntry> entries;
    entries.reserve(65'600);
    for (int i = 0; i < 65'598; ++i)
        entries.append({u"notes/%1.txt"_s.arg(i), QByteArray(), false});
    entries.append(rowEntry(u"accounts"_s, accountRow(u"acc-last"_s, u"Last"_s, u"2024-01-01T00:00:00Z"_s)));
    entries.append(manifestEntry());
    QByteArray zip = buildZip(entries);
    QCOMPARE(BackupArchive(zip).entries().size(), 65'600);

    BackupArchive::addZip64End(zip);
    const qint64 end = zip.size() - 22;
    QCOMPARE(qFromLittleEndian<quint16>(zip.constData() + end + 10), quint16(0xFFFF));
    const quint64 zip64End = qFromLittleEndian<quint64>(zip.constData() + end - 12);
    QCOMPARE(qFromLittleEndian<quint64>(zip.constData() + zip64End + 32), quint64(65'600));

    TestDatabase db;
    const BackupImportResult result = BackupService(db.database).importBackup(zip, BackupImportMode::Replace);
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(result.accountsImported, 1);
    QCOMPARE(db.scalar(u"SELECT name FROM accounts"_s).toString(), u"Last"_s);

    // Below the limit the classic record is enough and stays untouched.
    TestDatabase small;
    small.addAccount(u"Main"_s);
    QByteArray few = BackupService(small.database).exportBackup();
    const QByteArray before = few;
    BackupArchive::addZip64End(few);
    QCOMPARE(few, before);
}

PENWICK_TEST_MAIN(TestBackupService)
#include "tst_backupservice.moc"
