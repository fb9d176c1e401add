#include "tfr_nk_grid.h"

#include "bookgrid.h"
#include "bookhistory.h"
#include "booklookup.h"
#include "commandgroup.h"
#include "looks.h"
#include "textgridmodel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kIconSize = 24;
constexpr int kDefaultRowHeight = 21;
constexpr int kTitleRowHeight = 84;

enum class Arrow { Down, Up, ToLast, ToFirst };

QIcon arrowIcon(Arrow arrow)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toColor(kProgramBlue));
    const bool down = arrow == Arrow::Down || arrow == Arrow::ToLast;
    if (down)
        painter.drawPolygon(QPolygonF({QPointF(4, 6), QPointF(20, 6), QPointF(12, 16)}));
    else
        painter.drawPolygon(QPolygonF({QPointF(4, 18), QPointF(20, 18), QPointF(12, 8)}));
    if (arrow == Arrow::ToLast)
        painter.drawRect(QRectF(4, 18, 16, 3));
    if (arrow == Arrow::ToFirst)
        painter.drawRect(QRectF(4, 3, 16, 3));
    return QIcon(pixmap);
}

QIcon deleteIcon()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6, 6), QPointF(18, 18));
    painter.drawLine(QPointF(18, 6), QPointF(6, 18));
    return QIcon(pixmap);
}

} // namespace

Tfr_nk_grid::Tfr_nk_grid(TextGridModel *book, BookHistory *history, const ColumnMasks *masks, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(book), m_history(history), m_masks(masks)
{
    FormCreate();
}

void Tfr_nk_grid::FormCreate()
{
    setObjectName(QStringLiteral("fr_nk_grid"));
    setWindowTitle(QStringLiteral("Nadzorna knjiga"));
    resize(800, 600);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    pn_top = new QFrame;
    pn_top->setObjectName(QStringLiteral("pn_top"));
    pn_top->setFixedHeight(31);
    fcButtonGroup1 = new CommandGroup(this);
    fcButtonGroup1->setObjectName(QStringLiteral("fcButtonGroup1"));
    auto *buttons = new QHBoxLayout(pn_top);
    buttons->setContentsMargins(2, 1, 2, 1);
    buttons->setSpacing(2);
    bt_sljedeci = addButton("bt_sljedeci", arrowIcon(Arrow::Down), QStringLiteral("Idi na sljedećeg"));
    bt_prethodni = addButton("bt_prethodni", arrowIcon(Arrow::Up), QStringLiteral("Idi na prethodnog"));
    bt_kraj = addButton("bt_kraj", arrowIcon(Arrow::ToLast), QStringLiteral("Idi na zadnjega"));
    bt_pocetak = addButton("bt_pocetak", arrowIcon(Arrow::ToFirst), QStringLiteral("Idi na prvoga"));
    bt_brisi = addButton("bt_brisi", deleteIcon(), QStringLiteral("Obriši odabranoga"));
    buttons->addStretch();
    connect(bt_sljedeci, &QToolButton::clicked, this, &Tfr_nk_grid::bt_sljedeciClick);
    connect(bt_prethodni, &QToolButton::clicked, this, &Tfr_nk_grid::bt_prethodniClick);
    connect(bt_kraj, &QToolButton::clicked, this, &Tfr_nk_grid::bt_krajClick);
    connect(bt_pocetak, &QToolButton::clicked, this, &Tfr_nk_grid::bt_pocetakClick);
    connect(bt_brisi, &QToolButton::clicked, this,
            [this] { m_history->record(bt_brisi->toolTip(), [this] { bt_brisiClick(); }); });

    sg_nk = new BookGrid(m_masks);
    sg_nk->setObjectName(QStringLiteral("sg_nk"));
    sg_nk->setFont(arialFont(8));
    sg_nk->horizontalHeader()->setFont(QFont(QStringLiteral("Tahoma"), 8));
    sg_nk->verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    sg_nk->setTitleRowHeight(kTitleRowHeight);
    sg_nk->setGridModel(m_book);
    sg_nk->installEventFilter(this);
    sg_nk->addActions({m_history->undoAction(), m_history->redoAction()});
    sg_nk->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_history->addShortcutsTo(this);
    connect(sg_nk->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (!m_movingQuietly && current.isValid())
            sg_nkSelectCell(current.row());
    });
    connect(m_book, &QAbstractItemModel::modelReset, this, &Tfr_nk_grid::startAtFirstEntry);
    startAtFirstEntry();

    pn_sg = new QWidget;
    pn_sg->setObjectName(QStringLiteral("pn_sg"));
    auto *gridPanel = new QVBoxLayout(pn_sg);
    gridPanel->setContentsMargins(0, 0, 0, 0);
    gridPanel->addWidget(sg_nk);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pn_top);
    layout->addWidget(pn_sg);
}

QToolButton *Tfr_nk_grid::addButton(const char *name, const QIcon &icon, const QString &hint)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    setFocusMark(button);
    fcButtonGroup1->addButton(button);
    pn_top->layout()->addWidget(button);
    return button;
}

int Tfr_nk_grid::Trazi(int column, const QString &text)
{
    if (!hasEntries() || column < 0 || column >= m_book->columnCount())
        return 0;
    sg_nk->setCurrentIndex(m_book->index(currentEntryRow(), column));
    const int row = findRowContaining(m_book->grid(), column, text);
    if (row > 0)
        sg_nk->setCurrentIndex(m_book->index(row, column));
    return row;
}

int Tfr_nk_grid::currentRow() const
{
    return sg_nk->currentIndex().row();
}

void Tfr_nk_grid::fitTitleRowHeight()
{
    sg_nk->fitTitleRowHeight();
}

void Tfr_nk_grid::fitRowHeights()
{
    sg_nk->fitRowHeights();
}

void Tfr_nk_grid::fitRowHeight(int row)
{
    sg_nk->fitRowHeight(row);
}

bool Tfr_nk_grid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == sg_nk && event->type() == QEvent::KeyPress && !sg_nk->isEditing())
        return sg_nkKeyDown(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// Every change of the current cell but the navigation buttons' own moves.
void Tfr_nk_grid::sg_nkSelectCell(int row)
{
    if (row > 0)
        Q_EMIT rowToFields(row);
    Q_EMIT runningNumberSelected(QStringLiteral("R. br.: ") + m_book->cell(0, row));
}

// The keys that change cells, each one step of the book's history.
bool Tfr_nk_grid::sg_nkKeyDown(const QKeyEvent *event)
{
    const struct {
        bool pressed;
        const char *step;
        void (BookGrid::*change)();
    } keys[] = {
        {event->matches(QKeySequence::Cut), "Izreži", &BookGrid::cutSelectedCells},
        {event->matches(QKeySequence::Paste), "Zalijepi", &BookGrid::pasteCells},
        {event->key() == Qt::Key_Delete, "Brisanje ćelija", &BookGrid::clearSelectedCells},
    };
    for (const auto &key : keys) {
        if (key.pressed) {
            m_history->record(QString::fromUtf8(key.step), [grid = sg_nk, change = key.change] { (grid->*change)(); });
            return true;
        }
    }
    return false;
}

void Tfr_nk_grid::bt_sljedeciClick()
{
    const int row = currentEntryRow();
    goToEntry(row >= lastEntryRow() ? 1 : row + 1);
}

void Tfr_nk_grid::bt_prethodniClick()
{
    const int row = currentEntryRow();
    goToEntry(row <= 1 ? lastEntryRow() : row - 1);
}

void Tfr_nk_grid::bt_krajClick()
{
    goToEntry(lastEntryRow());
}

void Tfr_nk_grid::bt_pocetakClick()
{
    goToEntry(1);
}

// The last entry row is emptied instead of removed: a book keeps one entry row.
// The fields then follow the row that took the current place, so that they
// never show an entry that is gone.
void Tfr_nk_grid::bt_brisiClick()
{
    if (!hasEntries())
        return;
    const int row = currentEntryRow();
    const int column = std::max(sg_nk->currentIndex().column(), 0);
    {
        const QScopedValueRollback quiet(m_movingQuietly, true);
        if (m_book->rowCount() > 2) {
            m_book->removeRows(row, 1);
        } else {
            for (int c = 0; c < m_book->columnCount(); ++c)
                m_book->setCell(c, row, QString());
        }
        sg_nk->setCurrentIndex(m_book->index(std::min(row, lastEntryRow()), column));
    }
    sg_nkSelectCell(std::min(row, lastEntryRow()));
}

void Tfr_nk_grid::selectEntry(int row)
{
    if (!hasEntries())
        return;
    row = std::clamp(row, 1, lastEntryRow());
    {
        const QScopedValueRollback quiet(m_movingQuietly, true);
        sg_nk->selectionModel()->setCurrentIndex(m_book->index(row, std::max(sg_nk->currentIndex().column(), 0)),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    sg_nkSelectCell(row);
}

bool Tfr_nk_grid::hasEntries() const
{
    return m_book->rowCount() > 1 && m_book->columnCount() > 0;
}

int Tfr_nk_grid::lastEntryRow() const
{
    return m_book->rowCount() - 1;
}

int Tfr_nk_grid::currentEntryRow() const
{
    return std::max(1, std::min(sg_nk->currentIndex().row(), lastEntryRow()));
}

void Tfr_nk_grid::goToEntry(int row)
{
    if (!hasEntries())
        return;
    {
        const QScopedValueRollback quiet(m_movingQuietly, true);
        sg_nk->setCurrentIndex(m_book->index(row, std::min(1, m_book->columnCount() - 1)));
    }
    Q_EMIT rowToFields(row);
}

// A freshly loaded book starts at its first entry, without filling the
// fields: the loader fills them once the book is complete.
void Tfr_nk_grid::startAtFirstEntry()
{
    if (!hasEntries())
        return;
    const QScopedValueRollback quiet(m_movingQuietly, true);
    sg_nk->setCurrentIndex(m_book->index(1, std::min(1, m_book->columnCount() - 1)));
}
