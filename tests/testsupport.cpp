#include "testsupport.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/sqlcodec.h"
#include "storage/transactionrepository.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QUuid>
#include <QtEndian>

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

Account insertAccount(AccountRepository *repo, const QString &name, Currency currency, qint64 startingBalance,
                      int sortOrder)
{
    Account a;
    a.id = newId();
    a.name = name;
    a.currency = currency;
    a.starting_balance = startingBalance;
    a.sort_order = sortOrder;
    a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
    if (!repo->insert(a))
        qWarning("insertAccount failed");
    return a;
}

Transaction insertTransaction(TransactionRepository *repo, const QString &accountId, const QDate &date,
                              const QString &payee, qint64 amount, const QString &categoryId, const QString &memo)
{
    // Distinct, increasing creation times keep same-day ordering deterministic.
    static QDateTime clock = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    clock = clock.addSecs(1);
    Transaction t;
    t.id = newId();
    t.account_id = accountId;
    t.date = date;
    t.payee = payee;
    t.memo = memo;
    t.amount = amount;
    t.category_id = categoryId;
    t.created_at = t.updated_at = clock;
    if (!repo->insert(t))
        qWarning("insertTransaction failed");
    return t;
}

RecurringTransaction insertRecurring(RecurringRepository *repo, const QString &accountId, const QString &payee,
                                     qint64 amount, const QDate &nextDue, bool autoPost, bool active)
{
    RecurringTransaction r;
    r.id = newId();
    r.account_id = accountId;
    r.payee = payee;
    r.amount = amount;
    r.frequency = Frequency::Monthly;
    r.start_date = nextDue.addMonths(-2);
    r.next_due_date = nextDue;
    r.auto_post = autoPost;
    r.is_active = active;
    r.created_at = r.updated_at = QDateTime(QDate(2023, 1, 1), QTime(8, 0), Qt::UTC);
    if (!repo->insert(r))
        qWarning("insertRecurring failed");
    return r;
}

QString describe(const Transaction &t)
{
    return u"%1|%2|%3|%4|%5|%6%7"_s.arg(t.date.toString(Qt::ISODate), t.payee)
        .arg(t.amount)
        .arg(t.memo, t.check_number, t.cleared ? u"C"_s : QString(), t.reconciled ? u"R"_s : QString());
}

QVariant queryScalar(Database *database, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(database->connection());
    if (!SqlCodec::exec(q, sql, values) || !q.next())
        return {};
    return q.value(0);
}

TestDatabase::TestDatabase()
{
    database = new Database(&owner);
    m_ready = m_dir.isValid() && database->open(filePath()) && database->runMigrations();
    accounts = new AccountRepository(database, &owner);
    transactions = new TransactionRepository(database, &owner);
    categories = new CategoryRepository(database, &owner);
    preferences = new PreferencesRepository(database, &owner);
    splitLines = new SplitLineRepository(database, &owner);
    recurring = new RecurringRepository(database, &owner);
    reconciliations = new ReconciliationRepository(database, &owner);
}

TestDatabase::~TestDatabase()
{
    // Repositories and the database go with `owner`; the connection closes first.
    delete database;
    database = nullptr;
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &values) const
{
    return queryScalar(database, sql, values);
}

bool TestDatabase::execute(const QString &sql, const QVariantList &values) const
{
    QSqlQuery q(database->connection());
    return SqlCodec::exec(q, sql, values);
}

Account TestDatabase::addAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    return insertAccount(accounts, name, currency, startingBalance, m_sequence++);
}

Category TestDatabase::addCategory(const QString &name, CategoryType type, const QString &parentId)
{
    Category c;
    c.id = newId();
    c.name = name;
    c.category_type = type;
    c.parent_id = parentId;
    c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
    if (!categories->insert(c))
        qWarning("TestDatabase::addCategory failed");
    return c;
}

Transaction TestDatabase::addTransaction(const QString &accountId, const QDate &date, const QString &payee,
                                         qint64 amount, const QString &categoryId)
{
    return insertTransaction(transactions, accountId, date, payee, amount, categoryId);
}

TestApp::TestApp()
    : m_savedDataDir(qgetenv("PENWICK_DATA_DIR"))
{
    qputenv("PENWICK_DATA_DIR", m_dir.path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_ready = m_dir.isValid() && m_state->initialize();
}

TestApp::~TestApp()
{
    m_state.reset();
    qputenv("PENWICK_DATA_DIR", m_savedDataDir);
}

QVariant TestApp::scalar(const QString &sql, const QVariantList &values) const
{
    return queryScalar(m_state->database(), sql, values);
}

Account TestApp::addAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    return insertAccount(m_state->accountRepository(), name, currency, startingBalance, m_sequence++);
}

Transaction TestApp::addTransaction(const QString &accountId, const QDate &date, const QString &payee,
                                    qint64 amount, const QString &categoryId, const QString &memo)
{
    return insertTransaction(m_state->transactionRepository(), accountId, date, payee, amount, categoryId, memo);
}

RecurringTransaction TestApp::addRecurring(const QString &accountId, const QString &payee, qint64 amount,
                                           const QDate &nextDue, bool autoPost, bool active)
{
    return insertRecurring(m_state->recurringRepository(), accountId, payee, amount, nextDue, autoPost, active);
}

QList<Transaction> TestApp::transactionsOf(const QString &accountId) const
{
    return m_state->transactionRepository()->findByAccount(accountId);
}

void answerMessageBox(QMessageBox::StandardButton answer, QString *text)
{
    whenShown<QMessageBox>([answer, text](QMessageBox *box) {
        if (text)
            *text = box->text();
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
}

void chooseMenuEntry(const QString &text)
{
    whenShown<QMenu>(
        [text](QMenu *menu) {
            for (QAction *action : menu->actions()) {
                if (action->text() == text && action->isEnabled()) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            qWarning().noquote() << "no enabled menu entry" << text;
            menu->close();
        },
        true);
}

void replaceText(QWidget *field, const QString &text)
{
    // Offscreen, a completion popup takes the window's activation and the
    // editor would lose its focus; popups are tested on their own.
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setCompleter(nullptr);
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setCompleter(nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

bool failWritesTo(const QSqlDatabase &db, const QString &table, const QString &op, const QString &when)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("CREATE TEMP TRIGGER fail_%1_%2 BEFORE %3 ON main.%1 %4 "
                                 "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")
                      .arg(table, op.toLower(), op, when.isEmpty() ? QString() : QStringLiteral("WHEN ") + when));
}

bool failWritesTo(TestDatabase &db, const QString &table, const QString &op)
{
    return failWritesTo(db.database->connection(), table, op);
}

namespace {

quint32 zipCrc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

template<typename T>
void put(QByteArray &out, T v)
{
    char b[sizeof(T)];
    qToLittleEndian(v, b);
    out.append(b, sizeof(T));
}

} // namespace

QByteArray buildZip(const QList<ZipEntry> &entries)
{
    QByteArray out;
    QByteArray directory;
    for (const ZipEntry &e : entries) {
        const bool deflate = e.deflate && !e.data.isEmpty();
        // qCompress wraps raw deflate data in a size prefix and a zlib header and trailer.
        const QByteArray payload = deflate ? qCompress(e.data, 9).chopped(4).mid(6) : e.data;
        const QByteArray name = e.path.toUtf8();
        const quint32 offset = quint32(out.size());
        // Fields shared by the local header and the directory record, from
        // the flags (UTF-8 names) to the extra field length.
        QByteArray common;
        for (quint16 v : {quint16(0x0800), quint16(deflate ? 8 : 0), quint16(0), quint16(0x21)})
            put(common, v);
        put(common, zipCrc32(e.data));
        put(common, quint32(payload.size()));
        put(common, quint32(e.declaredSize >= 0 ? e.declaredSize : e.data.size()));
        put(common, quint16(name.size()));
        put(common, quint16(0));

        put(out, quint32(0x04034b50));
        put(out, quint16(20));
        out += common + name + payload;

        put(directory, quint32(0x02014b50));
        put(directory, quint32(0x00140014)); // versions made by and needed
        directory += common;
        directory += QByteArray(10, '\0');    // comment, disk, attributes
        put(directory, offset);
        directory += name;
    }
    const quint32 directoryOffset = quint32(out.size());
    out += directory;
    put(out, quint32(0x06054b50));
    put(out, quint32(0));
    put(out, quint16(entries.size()));
    put(out, quint16(entries.size()));
    put(out, quint32(directory.size()));
    put(out, directoryOffset);
    put(out, quint16(0));
    return out;
}

QByteArray jsonBytes(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString writeTestFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}
