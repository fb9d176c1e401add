#include "textgridview.h"

#include "fieldtexts.h"
#include "looks.h"
#include "textgridmodel.h"

#include <QDateEdit>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTitleMargin = 2;
constexpr int kTitleFlags = Qt::AlignCenter | Qt::TextWordWrap;
// Room under the last line of a fitted row.
constexpr int kRowPadding = 2;

// Cells keep CR LF between lines; the text engine breaks lines at its own separator.
QString displayLines(const QString &text)
{
    const QString separator(QChar(QChar::LineSeparator));
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), separator);
    lines.replace(QChar(u'\r'), separator);
    lines.replace(QChar(u'\n'), separator);
    return lines;
}

// The text's size when wrapped the way the cells paint it: at word
// boundaries, so a word longer than the line runs wider than the line.
QSize wrappedTextSize(const QString &text, const QFont &font, int lineWidth)
{
    QTextLayout layout(displayLines(text), font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal width = 0;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(lineWidth, 1));
        width = std::max(width, line.naturalTextWidth());
        height += line.height();
    }
    layout.endLayout();
    return QSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
}

// Opened on text that is no date, the picker must not replace it unless a date is picked.
class CellDateEdit : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

    QDate shownFirst;
    bool keepsText = false;
};

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TextGridView *view) : QStyledItemDelegate(view), m_view(view) {}

    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return displayLines(value.toString());
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        if (m_view->isDateColumn(index.column()))
            return dateEditor(parent);
        return textEditor(parent);
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto *dates = dynamic_cast<CellDateEdit *>(editor)) {
            const QDate date = readDateText(text);
            dates->setDate(date.isValid() ? date : QDate::currentDate());
            dates->shownFirst = dates->date();
            dates->keepsText = !text.isEmpty() && !date.isValid();
        } else if (auto *lines = qobject_cast<QPlainTextEdit *>(editor)) {
            lines->setPlainText(text);
            lines->selectAll();
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *dates = dynamic_cast<CellDateEdit *>(editor)) {
            if (!dates->keepsText || dates->date() != dates->shownFirst)
                model->setData(index, dateText(dates->date()));
        } else if (auto *lines = qobject_cast<QPlainTextEdit *>(editor)) {
            model->setData(index, lines->toPlainText().replace(QChar(u'\n'), QStringLiteral("\r\n")));
        }
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        if (m_view->cellTextFits(index.column(), index.row()))
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPos(), index.data().toString(), view->viewport(), option.rect);
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = m_view->cellAlignment(index.column(), index.row()) | Qt::AlignTop;
        option->features |= QStyleOptionViewItem::WrapText;
    }

    // Enter ends the edit; with a modifier (Alt, Shift, Ctrl) it starts a new line.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *lines = qobject_cast<QPlainTextEdit *>(object);
        if (!lines || event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(object, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return QStyledItemDelegate::eventFilter(object, event);
        if (key->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)) {
            lines->insertPlainText(QStringLiteral("\n"));
        } else {
            Q_EMIT commitData(lines);
            Q_EMIT closeEditor(lines, QAbstractItemDelegate::SubmitModelCache);
        }
        return true;
    }

private:
    static QWidget *dateEditor(QWidget *parent)
    {
        auto *editor = new CellDateEdit(parent);
        editor->setCalendarPopup(true);
        setCalendarLook(editor->calendarWidget());
        editor->setDisplayFormat(cellDateFormat());
        editor->setFrame(false);
        return editor;
    }

    static QWidget *textEditor(QWidget *parent)
    {
        auto *editor = new QPlainTextEdit(parent);
        editor->setFrameShape(QFrame::NoFrame);
        editor->setTabChangesFocus(true);
        editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor->document()->setDocumentMargin(1);
        return editor;
    }

    TextGridView *m_view;
};

} // namespace

TitleHeader::TitleHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setSortIndicatorShown(false);
}

int TitleHeader::heightForTitles() const
{
    const QFontMetrics metrics(titleFont());
    int height = 0;
    for (int section = 0; section < count(); ++section) {
        const QRect room(0, 0, sectionSize(section) - 2 * kTitleMargin, QWIDGETSIZE_MAX);
        height = std::max(height, metrics.boundingRect(room, kTitleFlags, title(section)).height());
    }
    return height + 2 * kTitleMargin;
}

void TitleHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, toColor(kProgramBlue));
    painter->setPen(QColor(Qt::white).darker(110));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->setFont(titleFont());
    painter->setPen(Qt::white);
    painter->drawText(rect.adjusted(kTitleMargin, kTitleMargin, -kTitleMargin, -kTitleMargin), kTitleFlags,
                      title(logicalIndex));
    painter->restore();
}

bool TitleHeader::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QHeaderView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int section = logicalIndexAt(help->pos());
    if (section < 0) {
        QToolTip::hideText();
        return true;
    }
    const QRect room = QRect(sectionViewportPosition(section), 0, sectionSize(section), height())
                           .adjusted(kTitleMargin, kTitleMargin, -kTitleMargin, -kTitleMargin);
    const QString text = title(section);
    const QRect needed = QFontMetrics(titleFont()).boundingRect(room, kTitleFlags, text);
    if (needed.height() <= room.height() && needed.width() <= room.width())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), room);
    return true;
}

QString TitleHeader::title(int logicalIndex) const
{
    return model() ? displayLines(model()->headerData(logicalIndex, Qt::Horizontal).toString()) : QString();
}

QFont TitleHeader::titleFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

TextGridView::TextGridView(QWidget *parent) : QTableView(parent)
{
    setHorizontalHeader(new TitleHeader(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    // Per row, so that the scroll range does not move as rows are fitted.
    setVerticalScrollMode(ScrollPerItem);
    setWordWrap(true);
    setSortingEnabled(false);
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setGridStyle(Qt::SolidLine);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: silver; }"));
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TextGridView::storeColumnWidth);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { forgetFittedRows(); });
}

void TextGridView::setGridModel(TextGridModel *model)
{
    m_model = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &TextGridView::applyGridLayout);
    connect(model, &QAbstractItemModel::columnsInserted, this, &TextGridView::applyGridLayout);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TextGridView::applyGridLayout);
    connect(model, &TextGridModel::columnWidthChanged, this, &TextGridView::applyColumnWidth);

    connect(model, &QAbstractItemModel::modelReset, this, [this] { forgetFittedRows(); });
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { forgetFittedRows(); });
    connect(model, &QAbstractItemModel::columnsRemoved, this, [this] { forgetFittedRows(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        m_fittedRows.insert(m_fittedRows.begin() + first, last - first + 1, false);
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
        m_fittedRows.erase(m_fittedRows.begin() + first, m_fittedRows.begin() + last + 1);
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                if (topLeft.isValid() && bottomRight.isValid())
                    forgetFittedRows(topLeft.row(), bottomRight.row());
                else
                    forgetFittedRows();
            });
    applyGridLayout();
    forgetFittedRows();
}

Qt::Alignment TextGridView::cellAlignment(int, int) const
{
    return Qt::AlignLeft;
}

bool TextGridView::isDateColumn(int) const
{
    return false;
}

void TextGridView::setTitleRowHeight(int height)
{
    horizontalHeader()->setFixedHeight(height);
}

int TextGridView::titleRowHeight() const
{
    return horizontalHeader()->height();
}

void TextGridView::fitTitleRowHeight()
{
    const auto *titles = static_cast<const TitleHeader *>(horizontalHeader());
    setTitleRowHeight(std::max(titles->heightForTitles(), verticalHeader()->defaultSectionSize()));
}

void TextGridView::fitRowHeights()
{
    forgetFittedRows();
}

void TextGridView::fitRowHeight(int row)
{
    if (!m_model || row < 1 || row >= m_model->rowCount())
        return;
    setRowHeight(row, rowHeightForText(row));
    m_fittedRows[row] = true;
}

bool TextGridView::cellTextFits(int column, int row) const
{
    const QSize needed = textSize(m_model->cell(column, row), column);
    return needed.height() <= rowHeight(row) - gridLineWidth() && needed.width() <= lineWidth(column);
}

void TextGridView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.isValid())
        fitRowsAround(index.row());
    QTableView::scrollTo(index, hint);
}

void TextGridView::paintEvent(QPaintEvent *event)
{
    fitRowsInView();
    QTableView::paintEvent(event);
}

void TextGridView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        forgetFittedRows();
    QTableView::changeEvent(event);
}

void TextGridView::applyGridLayout()
{
    if (m_model->rowCount() > 0)
        setRowHidden(0, true);
    for (int column = 0; column < m_model->columnCount(); ++column)
        applyColumnWidth(column, m_model->grid().columnWidth(column));
}

void TextGridView::applyColumnWidth(int column, int width)
{
    m_applyingWidths = true;
    setColumnWidth(column, width);
    m_applyingWidths = false;
}

void TextGridView::storeColumnWidth(int column, int, int newWidth)
{
    if (!m_applyingWidths && m_model && column < m_model->columnCount())
        m_model->setColumnWidth(column, newWidth);
}

void TextGridView::forgetFittedRows()
{
    m_fittedRows.assign(m_model ? m_model->rowCount() : 0, false);
    viewport()->update();
}

void TextGridView::forgetFittedRows(int firstRow, int lastRow)
{
    std::fill(m_fittedRows.begin() + firstRow, m_fittedRows.begin() + lastRow + 1, false);
}

void TextGridView::fitRowsInView()
{
    if (!m_model)
        return;
    int row = rowAt(0);
    if (row < 0)
        return;
    for (int y = rowViewportPosition(row); row < m_model->rowCount() && y < viewport()->height(); ++row) {
        if (isRowHidden(row))
            continue;
        if (!m_fittedRows[row])
            fitRowHeight(row);
        y += rowHeight(row);
    }
}

// Before a jump the rows that may end up in view are fitted, so that the
// target stays in view once they have grown. Fitted rows are never lower
// than the default height, so a page holds no more rows than this.
void TextGridView::fitRowsAround(int row)
{
    const int reach = viewport()->height() / std::max(verticalHeader()->defaultSectionSize(), 1) + 1;
    const int last = std::min(row + reach, m_model->rowCount() - 1);
    for (int near = std::max(row - reach, 1); near <= last; ++near) {
        if (!m_fittedRows[near])
            fitRowHeight(near);
    }
}

int TextGridView::gridLineWidth() const
{
    return showGrid() ? 1 : 0;
}

int TextGridView::lineWidth(int column) const
{
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return columnWidth(column) - gridLineWidth() - 2 * margin;
}

QSize TextGridView::textSize(const QString &text, int column) const
{
    if (text.isEmpty())
        return {};
    return wrappedTextSize(text, font(), lineWidth(column));
}

int TextGridView::rowHeightForText(int row) const
{
    int height = 0;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (!isColumnHidden(column))
            height = std::max(height, textSize(m_model->cell(column, row), column).height());
    }
    return std::max(height + gridLineWidth() + kRowPadding, verticalHeader()->defaultSectionSize());
}
