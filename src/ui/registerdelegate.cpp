#include "registerdelegate.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "registercombobox.h"
#include "registerlineedit.h"
#include "registermodel.h"
#include "smartdateedit.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "tabcompleter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QSet>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QColor kMemoColour(0x6E, 0x8A, 0x7E);
constexpr int kLineHeight = 36;
constexpr char kCategoryIdProperty[] = "_velmCategoryId";

QString payeeMemoName() { return u"PayeeMemoEditor"_s; }

bool isPayeeMemoEditor(const QWidget *editor)
{
    return editor && editor->objectName() == payeeMemoName();
}

QFont memoFont(QFont font)
{
    font.setItalic(true);
    const qreal size = font.pointSizeF();
    if (size > 0)
        font.setPointSizeF(qMax<qreal>(7.0, size - 1));
    return font;
}

// The widget the view knows as the editor: the child of the view's viewport.
QWidget *topEditor(QObject *watched)
{
    auto *w = qobject_cast<QWidget *>(watched);
    while (w && w->parentWidget()) {
        if (qobject_cast<QAbstractItemView *>(w->parentWidget()->parentWidget()))
            return w;
        w = w->parentWidget();
    }
    return nullptr;
}

bool completionPopupOpen(QObject *watched)
{
    const QWidget *focus = QApplication::focusWidget();
    for (QObject *o : {watched, static_cast<QObject *>(const_cast<QWidget *>(focus))}) {
        if (auto *line = qobject_cast<QLineEdit *>(o)) {
            if (line->completer() && line->completer()->popup() && line->completer()->popup()->isVisible())
                return true;
        } else if (auto *combo = qobject_cast<QComboBox *>(o)) {
            if (combo->completer() && combo->completer()->popup() && combo->completer()->popup()->isVisible())
                return true;
        }
    }
    return false;
}

bool isEntryRow(const RegisterModel *model, const QModelIndex &index)
{
    return model && model->editRow() < 0 && index.row() == model->entryRow();
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState *state, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_state(state)
{
}

QStringList RegisterDelegate::payeeCompletions() const
{
    QStringList list = m_state->transactionRepository()->distinctPayees(false);
    const QSet<QString> known(list.cbegin(), list.cend());
    for (const Account &account : m_state->accountRepository()->findAll()) {
        if (account.id == m_accountId)
            continue;
        const QString transfer = u"[Transfer] %1"_s.arg(account.name);
        if (!known.contains(transfer))
            list.append(transfer);
    }
    return list;
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    Q_UNUSED(option)
    auto *model = qobject_cast<const RegisterModel *>(index.model());
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn: {
        auto *date = new SmartDateEdit(parent);
        if (m_today) {
            date->setTodayFunction(m_today);
            date->setDate(m_today());
        }
        editor = date;
        break;
    }
    case RegisterModel::PayeeColumn: {
        auto *payee = new RegisterLineEdit(parent);
        payee->setObjectName(u"payeeEdit"_s);
        auto *completer = new TabCompleter(payeeCompletions(), payee);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        payee->setCompleter(completer);
        editor = payee;
        if (m_twoLine) {
            auto *box = new QWidget(parent);
            box->setObjectName(payeeMemoName());
            box->setAutoFillBackground(true);
            auto *layout = new QVBoxLayout(box);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(0);
            payee->setParent(box);
            auto *memoEdit = new RegisterLineEdit(box);
            memoEdit->setObjectName(u"memoEdit"_s);
            memoEdit->setFont(memoFont(memoEdit->font()));
            memoEdit->setPlaceholderText(tr("Memo"));
            memoEdit->setFocusPolicy(Qt::ClickFocus);
            layout->addWidget(payee);
            layout->addWidget(memoEdit);
            box->setFocusProxy(payee);
            payee->installEventFilter(const_cast<RegisterDelegate *>(this));
            memoEdit->installEventFilter(const_cast<RegisterDelegate *>(this));
            editor = box;
        }
        payee->setFocusPolicy(Qt::ClickFocus);
        if (isEntryRow(model, index)) {
            auto *target = const_cast<QAbstractItemModel *>(index.model());
            QWidget *box = editor;
            connect(completer, qOverload<const QString &>(&QCompleter::activated), box,
                    [this, target, box](const QString &text) { autofillPayee(target, text, box); });
        }
        break;
    }
    case RegisterModel::CategoryColumn: {
        auto *combo = new RegisterComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItem(QString(), QString());
        const QList<Category> categories = m_state->categoryRepository()->findAll();
        QHash<QString, QString> names;
        for (const Category &c : categories)
            names.insert(c.id, c.name);
        for (const Category &c : categories) {
            const QString parentName = c.parent_id.isEmpty() ? QString() : names.value(c.parent_id);
            combo->addItem(parentName.isEmpty() ? c.name : u"%1 > %2"_s.arg(parentName, c.name), c.id);
        }
        auto *completer = new TabCompleter(combo);
        completer->setModel(combo->model());
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        combo->setCompleter(completer);
        connect(completer, qOverload<const QString &>(&QCompleter::activated), combo, [combo](const QString &text) {
            const int item = combo->findText(text, Qt::MatchExactly);
            if (item >= 0)
                combo->setCurrentIndex(item);
        });
        connect(combo, &QComboBox::currentIndexChanged, combo, [combo](int item) {
            combo->setProperty(kCategoryIdProperty, combo->itemData(item));
        });
        editor = combo;
        break;
    }
    case RegisterModel::MemoColumn:
    case RegisterModel::CheckNumberColumn:
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::ClearedColumn: {
        auto *line = new RegisterLineEdit(parent);
        if (index.column() == RegisterModel::PaymentColumn || index.column() == RegisterModel::DepositColumn)
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == RegisterModel::ClearedColumn) {
            line->setMaxLength(1);
            line->setAlignment(Qt::AlignCenter);
        }
        editor = line;
        break;
    }
    default:
        return nullptr;
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    return editor;
}

QWidget *RegisterDelegate::payeeLine(QWidget *editor)
{
    if (isPayeeMemoEditor(editor))
        return editor->findChild<QWidget *>(u"payeeEdit"_s);
    return editor;
}

QWidget *RegisterDelegate::memoLine(QWidget *editor)
{
    return isPayeeMemoEditor(editor) ? editor->findChild<QWidget *>(u"memoEdit"_s) : nullptr;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate value = DateInput::fromText(text, m_today ? m_today() : QDate::currentDate());
        if (value.isValid())
            date->setDate(value);
        else if (!text.isEmpty())
            date->setText(text); // a refused date comes back as typed, to be mended
    } else if (isPayeeMemoEditor(editor)) {
        if (auto *payee = qobject_cast<QLineEdit *>(payeeLine(editor)))
            payee->setText(text);
        if (auto *memo = qobject_cast<QLineEdit *>(memoLine(editor)))
            memo->setText(index.sibling(index.row(), RegisterModel::MemoColumn).data(Qt::EditRole).toString());
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int item = combo->findText(text, Qt::MatchExactly);
        if (item >= 0) {
            combo->setCurrentIndex(item);
        } else {
            combo->setEditText(text);
            auto *model = qobject_cast<const RegisterModel *>(index.model());
            combo->setProperty(kCategoryIdProperty, model ? model->entryBuffer().categoryId : QString());
        }
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(text);
    }
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        // Text that is no date is kept as typed, so the commit can refuse it
        // instead of storing another day.
        const QDate typed = DateInput::fromText(date->text(), m_today ? m_today() : QDate::currentDate());
        model->setData(index, typed.isValid() ? DateInput::toText(typed) : date->text().trimmed());
    } else if (isPayeeMemoEditor(editor)) {
        const auto *payee = qobject_cast<QLineEdit *>(payeeLine(editor));
        const auto *memo = qobject_cast<QLineEdit *>(memoLine(editor));
        if (memo)
            model->setData(index.sibling(index.row(), RegisterModel::MemoColumn), memo->text());
        if (payee) {
            model->setData(index, payee->text());
            if (isEntryRow(registerModel, index))
                autofillPayee(model, payee->text().trimmed(), editor);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const QString text = combo->currentText();
        QString id;
        const int item = combo->findText(text, Qt::MatchExactly);
        if (item >= 0)
            id = combo->itemData(item).toString();
        else if (registerModel && text == registerModel->entryBuffer().categoryText)
            id = combo->property(kCategoryIdProperty).toString(); // untouched text keeps its category
        model->setData(index, text);
        if (registerModel) {
            RegisterEntryBuffer buffer = registerModel->entryBuffer();
            buffer.categoryId = id;
            registerModel->setEntryBuffer(buffer);
        }
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text());
        if (index.column() == RegisterModel::PayeeColumn && isEntryRow(registerModel, index))
            autofillPayee(model, line->text().trimmed(), editor);
    }
}

void RegisterDelegate::autofillPayee(QAbstractItemModel *model, const QString &payee, QWidget *editor) const
{
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (!registerModel || registerModel->editRow() >= 0 || payee.isEmpty() || m_accountId.isEmpty())
        return;
    // A transfer is stored under "Transfer to …": its last one fills the row.
    static const QString transferPrefix = u"[Transfer] "_s;
    const QString stored = payee.startsWith(transferPrefix) ? u"Transfer to %1"_s.arg(payee.mid(transferPrefix.size()))
                                                            : payee;
    const auto last = m_state->transactionRepository()->findLastByPayee(stored, m_accountId);
    if (!last)
        return;
    RegisterEntryBuffer buffer = registerModel->entryBuffer();
    const Currency currency = registerModel->currency();
    if (last->amount < 0) {
        buffer.payment = formatAmount(-last->amount, currency);
        buffer.deposit.clear();
    } else {
        buffer.deposit = formatAmount(last->amount, currency);
        buffer.payment.clear();
    }
    if (!last->category_id.isEmpty()) {
        if (const auto category = m_state->categoryRepository()->findById(last->category_id)) {
            buffer.categoryText = category->name;
            buffer.categoryId = category->id;
        }
    }
    if (!last->memo.isEmpty()) {
        buffer.memo = last->memo;
        if (auto *memo = qobject_cast<QLineEdit *>(memoLine(editor)))
            memo->setText(last->memo);
    }
    registerModel->setEntryBuffer(buffer);
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    Q_UNUSED(index)
    QRect rect = option.rect;
    if (m_twoLine && !isPayeeMemoEditor(editor))
        rect.setHeight(qMin(rect.height(), kLineHeight));
    editor->setGeometry(rect);
}

bool RegisterDelegate::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *editor = topEditor(watched);
    // Focus moving between the lines of the two-line editor is not an end of editing.
    if (editor && watched != editor && event->type() != QEvent::KeyPress)
        return false;
    if (event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!editor || completionPopupOpen(watched))
        return QStyledItemDelegate::eventFilter(watched, event);

    const bool control = key->modifiers().testFlag(Qt::ControlModifier);
    const int code = key->key();
    const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
    const bool registerShortcut = control && (code == Qt::Key_D || code == Qt::Key_M || code == Qt::Key_I || code == Qt::Key_N);
    if (enter || registerShortcut) {
        emit editorKeyPressed(key);
        return true;
    }

    const bool backwards = code == Qt::Key_Backtab || (code == Qt::Key_Tab && key->modifiers().testFlag(Qt::ShiftModifier));
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab) {
        // Inside the two-line cell Tab walks payee -> memo before leaving it.
        QWidget *payee = payeeLine(editor);
        QWidget *memo = memoLine(editor);
        if (memo && !backwards && watched == payee) {
            memo->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (memo && backwards && watched == memo) {
            payee->setFocus(Qt::BacktabFocusReason);
            return true;
        }
        emit commitData(editor);
        emit closeEditor(editor, backwards ? EditPreviousItem : EditNextItem);
        return true;
    }
    if (code == Qt::Key_Escape && watched != editor) {
        emit closeEditor(editor, RevertModelCache);
        return true;
    }
    if (watched != editor)
        return false;
    return QStyledItemDelegate::eventFilter(watched, event);
}

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    paintTwoLine(painter, option, index);
}

void RegisterDelegate::paintTwoLine(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const int column = index.column();
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    const QRect full = opt.rect;
    QRect top = full;
    top.setHeight(qMin(full.height(), kLineHeight));
    QRect lower = full;
    lower.setTop(top.bottom() + 1);

    painter->save();
    // Background: the payee cell's item background covers both lines.
    QStyleOptionViewItem background = opt;
    background.text.clear();
    if (column != RegisterModel::PayeeColumn)
        background.rect = top;
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, widget);
    if (column != RegisterModel::PayeeColumn && lower.height() > 0)
        painter->fillRect(lower, index.row() % 2 == 0 ? opt.palette.base() : opt.palette.alternateBase());

    // First line: the cell's own text.
    QColor textColour = selected ? opt.palette.color(QPalette::HighlightedText) : opt.palette.color(QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
        textColour = foreground.value<QColor>();
    if (column == RegisterModel::BalanceColumn) {
        const QString text = opt.text;
        if (text.contains(u'(') || text.trimmed().startsWith(u'-'))
            textColour = negativeAmountColor();
    }
    painter->setFont(opt.font);
    painter->setPen(textColour);
    const QRect textRect = top.adjusted(4, 0, -4, 0);
    const QString text = painter->fontMetrics().elidedText(opt.text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, int(opt.displayAlignment | Qt::AlignVCenter), text);

    // Second line: the memo, running under payee and category.
    const QString memo = index.sibling(index.row(), RegisterModel::MemoColumn).data(Qt::DisplayRole).toString();
    const auto *model = qobject_cast<const RegisterModel *>(index.model());
    const bool placeholder = isEntryRow(model, index) && model->entryBuffer().memo.isEmpty();
    if (!placeholder && !memo.isEmpty() && lower.height() > 0
        && (column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn)) {
        painter->setFont(memoFont(opt.font));
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : kMemoColour);
        QRect memoRect = lower;
        if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
            const QRect payeeRect = view->visualRect(index.sibling(index.row(), RegisterModel::PayeeColumn));
            const QRect categoryRect = view->visualRect(index.sibling(index.row(), RegisterModel::CategoryColumn));
            memoRect = QRect(QPoint(payeeRect.left() + 4, lower.top()), QPoint(categoryRect.right() - 4, lower.bottom()));
            painter->setClipRect(lower);
        } else {
            memoRect.adjust(4, 0, -4, 0);
        }
        const QString line = painter->fontMetrics().elidedText(memo, Qt::ElideRight, memoRect.width());
        painter->drawText(memoRect, int(Qt::AlignLeft | Qt::AlignVCenter), line);
    }
    painter->restore();
}
