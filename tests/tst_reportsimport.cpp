// The reports window (tabs, presets, export, charts) and the import window
// (CSV preview, QIF mapping, cancel, summaries), driven through their widgets.
#include "testsupport.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/accountworkflowservice.h"
#include "services/importservice.h"
#include "services/reportpresenter.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "ui/accountformdialog.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/reportchart.h"
#include "ui/screens/reportsscreen.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QPieSeries>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

class TestReportsImport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void reportCells_data();
    void reportCells();
    void chartsFollowTables();
    void presetChangeRunsOnlyTheTabInView();
    void newAccountAppearsAndExport();
    void transactionsTabPagesAsItScrolls();
    void csvCellsCannotRunAsFormulas();
    void csvImportWithPreview();
    void qifImportWithMappingRows();
    void ofxImportWithMappingRows();
    void cancelRollsBackAndRetryCreatesOnce();
    void unusableFilesAreRefused();

private:
    Account addAccount(const QString &name);
    void addTransaction(const QString &accountId, const QString &payee, qint64 amount,
                        const QString &categoryId = {}, const QString &link = {});
    QString maintenanceOf(const QString &parent);
    void seedReports();
    QString writeFile(const QString &name, const QByteArray &bytes);
    int count(const QString &table);
    // Answers the next message box and hands back its text.
    void shoot(QWidget *window, const QString &name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    QDate m_day; // the first of this month: inside "This Month"
};

void TestReportsImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("PENWICK_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    QApplication::setPalette(ThemeManager::lightPalette());
    const QDate today = QDate::currentDate();
    m_day = QDate(today.year(), today.month(), 1);
}

void TestReportsImport::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

Account TestReportsImport::addAccount(const QString &name)
{
    Account a;
    a.id = newId();
    a.name = name;
    a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
    m_state->accountRepository()->insert(a);
    return a;
}

void TestReportsImport::addTransaction(const QString &accountId, const QString &payee, qint64 amount,
                                       const QString &categoryId, const QString &link)
{
    Transaction t;
    t.id = newId();
    t.account_id = accountId;
    t.date = m_day;
    t.payee = payee;
    t.amount = amount;
    t.category_id = categoryId;
    t.transfer_link_id = link;
    t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->transactionRepository()->insert(t));
}

QString TestReportsImport::maintenanceOf(const QString &parent)
{
    QSqlQuery q(m_state->database()->connection());
    q.prepare(u"SELECT c.id FROM categories c JOIN categories p ON p.id = c.parent_id "
              "WHERE c.name = 'Maintenance' AND p.name = ?"_s);
    q.addBindValue(parent);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

int TestReportsImport::count(const QString &table)
{
    QSqlQuery q(m_state->database()->connection());
    return q.exec(u"SELECT COUNT(*) FROM %1 WHERE deleted_at IS NULL"_s.arg(table)) && q.next() ? q.value(0).toInt()
                                                                                             : -1;
}

// Checking: two repairs under different parents, a salary, and a linked
// transfer of 500.00 to Savings, all on the first of this month.
void TestReportsImport::seedReports()
{
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    addTransaction(checking.id, u"Hardware Store"_s, -4000, maintenanceOf(u"Housing"_s));
    addTransaction(checking.id, u"Garage"_s, -6000, maintenanceOf(u"Transportation"_s));
    addTransaction(checking.id, u"Employer"_s, 200000);
    const QString link = newId();
    addTransaction(checking.id, u"To savings"_s, -50000, {}, link);
    addTransaction(savings.id, u"From checking"_s, 50000, {}, link);
}

QString TestReportsImport::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void TestReportsImport::shoot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("PENWICK_SHOT_DIR");
    if (dir.isEmpty())
        return;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
        if (auto *reports = qobject_cast<ReportsScreen *>(window)) {
            for (int tab = 0; tab < 8; ++tab) {
                if (reports->chart(tab))
                    reports->chart(tab)->applyTheme();
            }
        }
        QCoreApplication::processEvents();
        window->grab().save(u"%1/%2-%3.png"_s.arg(dir, name, dark ? u"dark"_s : u"light"_s));
    }
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestReportsImport::reportCells_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("rows");
    const QString month = QDate::currentDate().toString(u"yyyy-MM"_s);
    // Hand-checked: the transfer is no spending and no income; the two
    // "Maintenance" rows stay apart under their parents.
    QTest::newRow("category spending") << 0
        << QStringList{u"Transportation: Maintenance|-$60.00"_s, u"Housing: Maintenance|-$40.00"_s};
    QTest::newRow("payee summary, lowest first") << 1
        << QStringList{u"To savings|-$500.00|1"_s, u"Garage|-$60.00|1"_s, u"Hardware Store|-$40.00|1"_s,
                       u"From checking|$500.00|1"_s, u"Employer|$2,000.00|1"_s};
    QTest::newRow("tax report: no tax-relevant row") << 2 << QStringList();
    QTest::newRow("income vs expenses") << 3
        << QStringList{month + u"|$2,000.00|-$100.00|$1,900.00"_s,
                       u"Total|$2,000.00|-$100.00|$1,900.00"_s};
    QTest::newRow("cash flow keeps the transfer") << 4
        << QStringList{month + u"|$2,500.00|-$600.00|$1,900.00"_s,
                       u"Total|$2,500.00|-$600.00|$1,900.00"_s};
    QTest::newRow("account summary") << 6
        << QStringList{u"Checking|Checking|$0.00|$1,400.00|$1,400.00"_s, u"Savings|Checking|$0.00|$500.00|$500.00"_s};
}

void TestReportsImport::reportCells()
{
    QFETCH(int, tab);
    QFETCH(QStringList, rows);
    seedReports();
    ReportsScreen screen(m_state.get());
    screen.resize(900, 700);
    screen.show();
    screen.refresh();
    auto *tabs = screen.findChild<QTabWidget *>(u"reportTabs"_s);
    QCOMPARE(screen.runCount(tab), tab == 0 ? 1 : 0); // filled only once shown
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
    QCOMPARE(tabs->currentIndex(), tab);
    const QAbstractItemModel *model = screen.findChild<QTableView *>(u"reportTable%1"_s.arg(tab))->model();
    QStringList shown;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        shown << cells.join(u'|');
    }
    QCOMPARE(shown, rows);
    shoot(&screen, u"reports-tab%1"_s.arg(tab));
}

void TestReportsImport::chartsFollowTables()
{
    seedReports();
    ReportsScreen screen(m_state.get());
    screen.show();
    screen.refresh();
    auto *tabs = screen.findChild<QTabWidget *>(u"reportTabs"_s);

    auto *pie = qobject_cast<QPieSeries *>(screen.chart(0)->chart()->series().value(0));
    QVERIFY(pie);
    QCOMPARE(pie->count(), 2);
    QCOMPARE(pie->slices().at(0)->label(), u"Transportation: Maintenance  -$60.00"_s);
    QCOMPARE(pie->slices().at(1)->value(), 4000.0);

    tabs->setCurrentIndex(3);
    auto *bars = qobject_cast<QBarSeries *>(screen.chart(3)->chart()->series().value(0));
    QVERIFY(bars);
    QCOMPARE(bars->barSets().at(0)->at(0), 200000.0);
    QCOMPARE(bars->barSets().at(1)->at(0), -10000.0);

    tabs->setCurrentIndex(6);
    const QList<QAbstractSeries *> lines = screen.chart(6)->chart()->series();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(qobject_cast<QLineSeries *>(lines.at(0))->points().constLast().y(), 140000.0);
    QCOMPARE(qobject_cast<QLineSeries *>(lines.at(1))->points().constLast().y(), 50000.0);

    // Nothing in the comparison periods: a sentence, not empty axes.
    tabs->setCurrentIndex(5);
    QVERIFY(!screen.chart(5)->isEmptyState());
    shoot(&screen, u"reports-tab5"_s);
    auto *compare = screen.findChild<QComboBox *>(u"comparisonPreset"_s);
    compare->setFocus();
    QTest::keyClick(compare, Qt::Key_Down); // "Last Year vs Year Before"
    QVERIFY(screen.chart(5)->isEmptyState());
    shoot(&screen, u"reports-empty"_s);
    auto *showCharts = screen.findChild<QCheckBox *>(u"showCharts"_s);
    QTest::mouseClick(showCharts, Qt::LeftButton, {}, QPoint(4, showCharts->height() / 2));
    QVERIFY(!screen.chart(0)->isVisible());
}

void TestReportsImport::presetChangeRunsOnlyTheTabInView()
{
    seedReports();
    ReportsScreen screen(m_state.get());
    screen.show();
    screen.refresh();
    auto *period = screen.findChild<QComboBox *>(u"periodPreset"_s);
    period->setFocus();
    QTest::keyClick(period, Qt::Key_End); // "Custom"
    QCOMPARE(screen.runCount(0), 2);
    QVERIFY(screen.findChild<QDateEdit *>(u"fromDate"_s)->isVisible());
    QTest::keyClick(period, Qt::Key_Home); // "This Month"
    QTest::keyClick(period, Qt::Key_Down); // "Last Month": both dates change, one run
    QCOMPARE(period->currentIndex(), 1);
    QCOMPARE(screen.runCount(0), 4);
    QVERIFY(screen.table(0).isEmpty());
    QCOMPARE(screen.runCount(1), 0);
    QVERIFY(screen.chart(0)->isEmptyState());
}

void TestReportsImport::newAccountAppearsAndExport()
{
    seedReports();
    ReportsScreen screen(m_state.get());
    screen.show();
    screen.refresh();
    auto *account = screen.findChild<QComboBox *>(u"accountFilter"_s);
    QCOMPARE(account->count(), 3);
    Account card;
    card.id = newId();
    card.name = u"Card"_s;
    card.created_at = card.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->accountWorkflowService()->create(card, 0, m_day));
    QTRY_COMPARE(account->count(), 4);
    QVERIFY(account->findText(u"Card"_s) > 0);

    const QString path = m_dir->filePath(u"spending.csv"_s);
    QVERIFY(screen.exportCurrentTabTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"Category\",\"Total\"\n\"Transportation: Maintenance\",\"-$60.00\"\n"
                                        "\"Housing: Maintenance\",\"-$40.00\"\n"));

    QString warning;
    answerMessageBox(QMessageBox::Ok, &warning);
    QVERIFY(!screen.exportCurrentTabTo(m_dir->filePath(u"missing/dir/x.csv"_s)));
    QVERIFY(warning.contains(u"could not be written"_s));
    QVERIFY(screen.exportChartTo(m_dir->filePath(u"chart.png"_s)));
    QVERIFY(!QImage(m_dir->filePath(u"chart.png"_s)).isNull());
    answerMessageBox(QMessageBox::Ok, &warning);
    QVERIFY(!screen.exportChartTo(m_dir->filePath(u"missing/dir/x.png"_s)));
    QVERIFY(warning.startsWith(u"The chart could not be written"_s));
    // The same through the save dialogs.
    for (const QString &name : {u"dialog.csv"_s, u"dialog.png"_s}) {
        whenShown<QFileDialog>([path = m_dir->filePath(name)](QFileDialog *dialog) {
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        });
        name.endsWith(u".csv"_s) ? screen.exportCurrentTab() : screen.exportChart();
        QVERIFY(QFileInfo::exists(m_dir->filePath(name)));
    }
}

void TestReportsImport::transactionsTabPagesAsItScrolls()
{
    const Account checking = addAccount(u"Checking"_s);
    QList<Transaction> rows;
    for (int i = 0; i < 1203; ++i) {
        Transaction t;
        t.id = newId();
        t.account_id = checking.id;
        t.date = m_day; // one day: pages split on payee and id
        t.payee = u"Payee %1"_s.arg(i % 5);
        t.amount = -100 - i;
        t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
        rows.append(t);
    }
    QVERIFY(m_state->transactionRepository()->insertMany(rows));
    ReportsScreen screen(m_state.get());
    screen.resize(900, 700);
    screen.show();
    screen.refresh();
    screen.findChild<QTabWidget *>(u"reportTabs"_s)->setCurrentIndex(ReportPresenter::TransactionsTab);
    auto *view = screen.findChild<QTableView *>(u"reportTable%1"_s.arg(ReportPresenter::TransactionsTab));
    QAbstractItemModel *model = view->model();
    QCOMPARE(model->rowCount(), 500);
    while (model->canFetchMore({})) {
        const int before = model->rowCount();
        view->scrollToBottom();
        QTRY_VERIFY(model->rowCount() > before || !model->canFetchMore({}));
    }
    QCOMPARE(model->rowCount(), 1203);
    QSet<QString> amounts; // every row once, none repeated at a page boundary
    for (int r = 0; r < model->rowCount(); ++r)
        amounts.insert(model->index(r, 5).data().toString());
    QCOMPARE(amounts.size(), 1203);

    const QString path = m_dir->filePath(u"transactions.csv"_s);
    QVERIFY(screen.exportCurrentTabTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 1204);
}

void TestReportsImport::csvCellsCannotRunAsFormulas()
{
    const QString csv = ReportService::toCsv(
        {u"A"_s}, {{u"=SUM(A1)"_s}, {u"@cmd"_s}, {u"-2+3"_s}, {u"+1 555"_s}, {u"-$12.50"_s}, {u"+3"_s}, {u"-"_s}});
    QCOMPARE(csv, u"\"A\"\n\"'=SUM(A1)\"\n\"'@cmd\"\n\"'-2+3\"\n\"'+1 555\"\n\"-$12.50\"\n\"+3\"\n\"'-\"\n"_s);
}

void TestReportsImport::csvImportWithPreview()
{
    const Account checking = addAccount(u"Checking"_s);
    const QString path = writeFile(u"bank.csv"_s, "Date,Payee,Amount,Memo\n01/15/24,Coffee,-3.50,x\n"
                                                  "12/31/99,Old,-1.00,y\n");
    ImportScreen screen(m_state.get());
    screen.resize(650, 600);
    screen.show();
    screen.prepare();
    QVERIFY(screen.chooseFiles({path}));
    auto *preview = screen.findChild<QTableWidget *>(u"csvPreview"_s);
    QCOMPARE(preview->rowCount(), 3);
    QCOMPARE(preview->item(1, 1)->text(), u"Coffee"_s);
    auto *memo = screen.findChild<QComboBox *>(u"column3"_s);
    QCOMPARE(memo->itemText(4), u"Col 3: Memo"_s);
    QCOMPARE(screen.findChild<QComboBox *>(u"column2"_s)->currentText(), u"Col 2: Amount"_s);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End);
    screen.findChild<QComboBox *>(u"dateFormat"_s)->setCurrentText(u"MM/dd/yy"_s);
    shoot(&screen, u"import-csv"_s);
    QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);

    QVERIFY(screen.isShowingSummary());
    QCOMPARE(screen.summaryText(), u"Import complete!\n\n2 transaction(s) imported"_s);
    shoot(&screen, u"import-summary"_s);
    const auto rows = m_state->transactionRepository()->findByAccount(checking.id);
    QCOMPARE(rows.size(), 2);
    QSet<QDate> dates{rows.at(0).date, rows.at(1).date};
    QCOMPARE(dates, (QSet<QDate>{QDate(2024, 1, 15), QDate(1999, 12, 31)})); // below 70 is 20xx
    QSignalSpy completed(&screen, &ImportScreen::importCompleted);
    QTest::mouseClick(screen.findChild<QPushButton *>(u"doneButton"_s), Qt::LeftButton);
    QCOMPARE(completed.count(), 1);
    QVERIFY(!screen.isShowingSummary());
    QCOMPARE(screen.findChild<QLabel *>(u"fileLabel"_s)->text(), u"No file selected"_s);
}

void TestReportsImport::qifImportWithMappingRows()
{
    addAccount(u"CHECKING"_s);
    const QString checking = writeFile(u"checking.qif"_s,
        "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD01/10/2024\nT-200.00\nPTo savings\nL[Savings]\n^\n"
        "D01/11/2024\nT-5.00\nPKiosk\n^\n");
    const QString savings = writeFile(u"savings.qif"_s,
        "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD01/10/2024\nT200.00\nPFrom checking\nL[Checking]\n^\n"
        "!Account\nNVisa\nTCCard\n^\n!Type:CCard\nD01/12/2024\nT-9.00\nPBooks\n^\n");
    ImportScreen screen(m_state.get());
    screen.resize(650, 600);
    screen.show();
    screen.prepare();
    QVERIFY(screen.chooseFiles({checking, savings}));
    QCOMPARE(screen.findChild<QLabel *>(u"fileLabel"_s)->text(), u"2 file(s) selected"_s);
    QCOMPARE(screen.mappingSelector(0)->currentText(), u"CHECKING"_s); // existing, ignoring case
    QCOMPARE(screen.mappingSelector(1)->currentData().toString(), u"__create__"_s);
    QComboBox *visa = screen.mappingSelector(2);
    visa->setFocus();
    QTest::keyClick(visa, Qt::Key_Down); // "Skip these transactions"
    shoot(&screen, u"import-qif"_s);
    QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);

    QCOMPARE(screen.summaryText(), u"Import complete!\n\n3 transaction(s) imported\n1 transfer(s) linked across "
                                   "accounts\n1 record(s) skipped (unmapped source account)"_s);
    QCOMPARE(count(u"accounts"_s), 2);
    QSqlQuery linked(m_state->database()->connection());
    QVERIFY(linked.exec(u"SELECT COUNT(*) FROM transactions WHERE transfer_link_id <> ''"_s) && linked.next());
    QCOMPARE(linked.value(0).toInt(), 2);
}

void TestReportsImport::ofxImportWithMappingRows()
{
    addAccount(u"savings 555000222"_s);
    ImportScreen screen(m_state.get());
    screen.show();
    screen.prepare();
    screen.findChild<QRadioButton *>(u"ofxFormat"_s)->setChecked(true);
    whenShown<QFileDialog>([](QFileDialog *dialog) {
        dialog->selectFile(QStringLiteral(PENWICK_TEST_DATA) + u"/ofx/two-accounts.qfx"_s);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(screen.findChild<QPushButton *>(u"browseButton"_s), Qt::LeftButton);
    QCOMPARE(screen.mappingSelector(0)->currentText(), u"— Create new account \"Checking 555000111\" —"_s);
    QCOMPARE(screen.mappingSelector(1)->currentText(), u"savings 555000222"_s);
    QVERIFY(!screen.mappingSelector(2)); // the brokerage account is not offered
    QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);
    QVERIFY2(screen.summaryText().startsWith(u"Import complete!\n\n3 transaction(s) imported\n1 record(s) skipped "
                                             "(investment account)\nChecking 555000111: statement balance $891.75"_s),
             qPrintable(screen.summaryText()));
    QCOMPARE(count(u"accounts"_s), 2);
}

void TestReportsImport::cancelRollsBackAndRetryCreatesOnce()
{
    QByteArray qif = "!Account\nNBrokerage Cash\nTBank\n^\n!Type:Bank\n";
    for (int i = 0; i < 350; ++i)
        qif += "D01/" + QByteArray::number(i % 28 + 1) + "/2024\nT-" + QByteArray::number(i + 1) + ".00\nPShop "
               + QByteArray::number(i) + "\n^\n";
    const QString path = writeFile(u"big.qif"_s, qif);
    ImportScreen screen(m_state.get());
    screen.show();
    screen.prepare();
    QVERIFY(screen.chooseFiles({path}));
    // Press Cancel in the progress dialog once a hundred records are in.
    const auto pressCancel = connect(m_state->importService(), &ImportService::importProgress, this,
                                     [&screen](int current) {
        QProgressDialog *dialog = screen.progressDialog();
        if (current >= 100 && dialog) {
            dialog->show();
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        }
    });
    QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);
    disconnect(pressCancel);
    QCOMPARE(screen.summaryText(), u"Import cancelled.\n\nThe import was cancelled and all changes were rolled "
                                   "back. No transactions were added."_s);
    QCOMPARE(count(u"accounts"_s), 0);
    QCOMPARE(count(u"transactions"_s), 0);

    QTest::mouseClick(screen.findChild<QPushButton *>(u"doneButton"_s), Qt::LeftButton);
    QVERIFY(screen.chooseFiles({path}));
    QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);
    QCOMPARE(screen.summaryText(), u"Import complete!\n\n350 transaction(s) imported"_s);
    QCOMPARE(count(u"accounts"_s), 1);
}

void TestReportsImport::unusableFilesAreRefused()
{
    ImportScreen screen(m_state.get());
    screen.show();
    screen.prepare();
    const QString csv = writeFile(u"a.csv"_s, "Date,Payee,Amount\n01/15/2024,Coffee,-3.50\n");
    const QList<QPair<QStringList, QString>> refusals{
        {{writeFile(u"notes.txt"_s, "hello")}, u"notes.txt is not a QIF, OFX or CSV file."_s},
        {{m_dir->filePath(u"gone.csv"_s)}, u"The file gone.csv cannot be read."_s},
        {{writeFile(u"empty.qif"_s, "just words\n")}, u"No transactions were found"_s},
        {{csv, csv}, u"Choose one CSV file at a time."_s},
        {{writeFile(u"open.csv"_s, "Date,\"Payee\n")}, u"open.csv holds no CSV rows that can be read."_s},
        {{QStringLiteral(PENWICK_TEST_DATA) + u"/ofx/truncated.ofx"_s}, u"truncated.ofx is incomplete"_s},
    };
    QString warning;
    for (const auto &[files, expected] : refusals) {
        answerMessageBox(QMessageBox::Ok, &warning);
        QVERIFY(!screen.chooseFiles(files));
        QVERIFY2(warning.startsWith(expected), qPrintable(warning));
    }
    QCOMPARE(screen.findChild<QLabel *>(u"fileLabel"_s)->text(), u"No file selected"_s);

    // The new account cannot be stored: the failed summary, and nothing kept.
    QVERIFY(failWritesTo(m_state->database()->connection(), u"accounts"_s, u"INSERT"_s));
    QVERIFY(screen.chooseFiles({writeFile(u"two.qif"_s, "!Account\nNCash\nTBank\n^\n!Type:Bank\nD01/10/2024\n"
                                                        "T-2.00\nPShop\n^\nD01/11/2024\nT-5.00\nPKiosk\n^\n")}));
    QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);
    QVERIFY2(screen.summaryText().startsWith(u"Import failed.\n\n"_s), qPrintable(screen.summaryText()));
    QCOMPARE(count(u"transactions"_s), 0);
    QCOMPARE(count(u"accounts"_s), 0);

    // A CSV file without an account to go to: one is made first, or nothing is imported.
    QTest::mouseClick(screen.findChild<QPushButton *>(u"doneButton"_s), Qt::LeftButton);
    QVERIFY(screen.chooseFiles({writeFile(u"card.csv"_s, "Date,Payee,Amount\n01/15/2024,Coffee,-3.50\n")}));
    for (const bool accountStored : {false, true}) {
        warning.clear();
        if (accountStored)
            QVERIFY(QSqlQuery(m_state->database()->connection()).exec(u"DROP TRIGGER fail_accounts_INSERT"_s));
        answerMessageBox(QMessageBox::Yes);
        whenShown<AccountFormDialog>([&warning, accountStored](AccountFormDialog *dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit *>(u"nameEdit"_s), u"Card"_s);
            if (!accountStored)
                answerMessageBox(QMessageBox::Ok, &warning);
            dialog->accept();
        });
        QTest::mouseClick(screen.findChild<QPushButton *>(u"importButton"_s), Qt::LeftButton);
        QCOMPARE(count(u"accounts"_s), int(accountStored));
        QCOMPARE(count(u"transactions"_s), int(accountStored));
        QCOMPARE(warning.isEmpty(), accountStored);
    }
}

PENWICK_TEST_MAIN(TestReportsImport)
#include "tst_reportsimport.moc"
