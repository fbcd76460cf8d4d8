#include "searchscreen.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "searchresultmodel.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/ftsquery.h"
#include "storage/transactionrepository.h"
#include "ui/dateinput.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kResultLimit = 200;
}

SearchScreen::SearchScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new SearchResultModel(this))
{
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(u"searchField"_s);
    m_searchField->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_searchField->setClearButtonEnabled(true);
    m_debounce = new QTimer(this);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(300);

    m_accountFilter = new QComboBox(this);
    m_accountFilter->setObjectName(u"accountFilter"_s);
    m_categoryFilter = new QComboBox(this);
    m_categoryFilter->setObjectName(u"categoryFilter"_s);
    const QDate today = QDate::currentDate();
    auto makeDate = [this](const QDate &date, const char *name) {
        auto *edit = new QDateEdit(date, this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(DateInput::displayFormat());
        edit->calendarWidget()->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(weekStartDay()));
        edit->setEnabled(false);
        return edit;
    };
    m_fromDate = makeDate(today.addMonths(-1), "fromDate");
    m_toDate = makeDate(today, "toDate");
    m_dateRange = new QCheckBox(tr("Date range:"), this);
    m_dateRange->setObjectName(u"dateRange"_s);
    m_clearedOnly = new QCheckBox(tr("Cleared only"), this);
    m_clearedOnly->setObjectName(u"clearedOnly"_s);

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Account:"), this));
    filters->addWidget(m_accountFilter);
    filters->addWidget(new QLabel(tr("Category:"), this));
    filters->addWidget(m_categoryFilter);
    filters->addWidget(m_dateRange);
    filters->addWidget(m_fromDate);
    filters->addWidget(new QLabel(tr("to"), this));
    filters->addWidget(m_toDate);
    filters->addWidget(m_clearedOnly);
    filters->addStretch(1);

    m_view = new QTableView(this);
    m_view->setObjectName(u"resultView"_s);
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView *header = m_view->horizontalHeader();
    header->setSectionResizeMode(SearchResultModel::PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(SearchResultModel::CategoryColumn, QHeaderView::Stretch);
    m_view->setColumnWidth(SearchResultModel::DateColumn, 95);
    m_view->setColumnWidth(SearchResultModel::AccountColumn, 130);
    m_view->setColumnWidth(SearchResultModel::ClearedColumn, 35);
    m_view->installEventFilter(this);

    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(u"countLabel"_s);
    m_countLabel->setStyleSheet(u"color: #6E8A7E;"_s);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_searchField);
    layout->addLayout(filters);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_countLabel);

    connect(m_searchField, &QLineEdit::textChanged, m_debounce, qOverload<>(&QTimer::start));
    connect(m_debounce, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_accountFilter, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_categoryFilter, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool on) {
        m_fromDate->setEnabled(on);
        m_toDate->setEnabled(on);
        performSearch();
    });
    for (QDateEdit *edit : {m_fromDate, m_toDate}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_dateRange->isChecked())
                performSearch();
        });
    }
    connect(m_clearedOnly, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            openRow(index.row());
    });
}

void SearchScreen::populateFilters()
{
    const QSignalBlocker accountsQuiet(m_accountFilter);
    const QSignalBlocker categoriesQuiet(m_categoryFilter);
    m_accountFilter->clear();
    m_accountFilter->addItem(tr("All Accounts"), QString());
    for (const Account &a : m_state->accountRepository()->findAll())
        m_accountFilter->addItem(a.name, a.id);
    m_categoryFilter->clear();
    m_categoryFilter->addItem(tr("All Categories"), QString());
    for (const Category &c : m_state->categoryRepository()->findAll())
        m_categoryFilter->addItem(c.name, c.id);
    // One search for the refreshed filters rather than one per combo box.
    performSearch();
}

void SearchScreen::focusSearch()
{
    m_searchField->setFocus(Qt::OtherFocusReason);
    m_searchField->selectAll();
}

void SearchScreen::performSearch()
{
    m_debounce->stop();
    ++m_searchCount;
    TransactionSearchFilter filter;
    filter.account_id = m_accountFilter->currentData().toString();
    filter.category_id = m_categoryFilter->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.date_from = m_fromDate->date();
        filter.date_to = m_toDate->date();
    }
    if (m_clearedOnly->isChecked())
        filter.cleared = true;
    const QList<RegisterRow> rows =
        m_state->transactionRepository()->search(FtsQuery::fromTyped(m_searchField->text()), filter);
    QHash<QString, SearchResultModel::AccountInfo> accounts;
    for (const Account &a : m_state->accountRepository()->findAll())
        accounts.insert(a.id, {a.name, a.currency});
    m_model->setRows(rows, accounts);
    if (rows.size() >= kResultLimit)
        m_countLabel->setText(tr("Showing the newest %n matches", nullptr, kResultLimit));
    else
        m_countLabel->setText(tr("%n match(es)", nullptr, static_cast<int>(rows.size())));
}

void SearchScreen::openRow(int row)
{
    const QString id = m_model->transactionId(row);
    if (!id.isEmpty())
        emit editTransactionRequested(id);
}

bool SearchScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_view->currentIndex().isValid()) {
            openRow(m_view->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
