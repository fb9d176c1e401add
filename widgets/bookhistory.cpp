#include "bookhistory.h"

#include "textgridmodel.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoCommand>

#include <algorithm>

namespace {

const QList<QKeySequence> kUndoKeys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QList<QKeySequence> kRedoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

bool matches(const QKeyEvent *key, const QList<QKeySequence> &sequences)
{
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(sequences.begin(), sequences.end(), [&](const QKeySequence &s) { return s == pressed; });
}

QLineEdit *lineEditOf(QObject *object)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return edit;
    if (qobject_cast<QAbstractSpinBox *>(object) || qobject_cast<QComboBox *>(object))
        return object->findChild<QLineEdit *>();
    return nullptr;
}

// Whether the focused field has typing of its own that the keys would take back or redo.
bool fieldKeepsKeys(QObject *field, bool undo)
{
    if (QLineEdit *edit = lineEditOf(field))
        return !edit->isReadOnly() && (undo ? edit->isUndoAvailable() : edit->isRedoAvailable());
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        return !memo->isReadOnly()
               && (undo ? memo->document()->isUndoAvailable() : memo->document()->isRedoAvailable());
    return false;
}

} // namespace

// A step already done when it is pushed: the stack's first redo is no replay.
class BookStep : public QUndoCommand {
public:
    BookStep(BookHistory &history, const QString &name, std::unique_ptr<GridChanges> changes)
        : QUndoCommand(name), m_history(history), m_changes(std::move(changes))
    {
    }

    void undo() override { m_history.replay(*m_changes, false); }
    void redo() override
    {
        if (m_done)
            m_history.replay(*m_changes, true);
        m_done = true;
    }

private:
    BookHistory &m_history;
    std::unique_ptr<GridChanges> m_changes;
    bool m_done = false;
};

BookHistory::BookHistory(TextGridModel *book, QObject *parent)
    : QObject(parent), m_book(book), m_undoAction(new QAction(this)), m_redoAction(new QAction(this))
{
    m_undoAction->setObjectName(QStringLiteral("ac_ponisti"));
    m_redoAction->setObjectName(QStringLiteral("ac_ponovi"));
    m_undoAction->setShortcuts(kUndoKeys);
    m_redoAction->setShortcuts(kRedoKeys);
    connect(m_undoAction, &QAction::triggered, this, &BookHistory::undo);
    connect(m_redoAction, &QAction::triggered, this, &BookHistory::redo);
    connect(&m_stack, &QUndoStack::indexChanged, this, &BookHistory::updateActions);
    connect(&m_stack, &QUndoStack::indexChanged, this, &BookHistory::bookChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &BookHistory::bookChanged);
    updateActions();
    m_book->setChangeRecorder(this);
}

BookHistory::~BookHistory()
{
    m_stack.disconnect(this);
    m_book->setChangeRecorder(nullptr);
}

void BookHistory::addShortcutsTo(QWidget *window)
{
    window->addAction(m_undoAction);
    window->addAction(m_redoAction);
    if (m_windows.isEmpty())
        qApp->installEventFilter(this);
    m_windows += window;
}

bool BookHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !isInShortcutWindow(watched))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool undo = matches(key, kUndoKeys);
    if (!undo && !matches(key, kRedoKeys))
        return false;
    if (fieldKeepsKeys(watched, undo))
        return false;
    // Not taken by the field: the window's shortcut runs.
    event->ignore();
    return true;
}

bool BookHistory::isInShortcutWindow(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && m_windows.contains(widget->window());
}

void BookHistory::beginStep(const QString &name)
{
    if (m_depth++ > 0)
        return;
    m_open = std::make_unique<GridChanges>();
    m_openName = name;
}

void BookHistory::endStep()
{
    if (--m_depth > 0)
        return;
    std::unique_ptr<GridChanges> changes = std::move(m_open);
    if (!changes->isEmpty())
        m_stack.push(new BookStep(*this, m_openName, std::move(changes)));
}

void BookHistory::recordChange(GridChange change)
{
    if (m_replaying)
        return;
    if (m_open) {
        m_open->add(std::move(change));
        return;
    }
    // Outside the commands, cells change only when they are edited in the grid.
    const QString name = change.kind == GridChange::Cell ? QStringLiteral("Uređivanje ćelije")
                                                         : QStringLiteral("Promjena knjige");
    auto single = std::make_unique<GridChanges>();
    single->add(std::move(change));
    m_stack.push(new BookStep(*this, name, std::move(single)));
}

void BookHistory::recordReplacement()
{
    if (m_replaying)
        return;
    m_stack.clear();
    if (m_open)
        m_open = std::make_unique<GridChanges>();
    Q_EMIT bookChanged();
}

void BookHistory::replay(const GridChanges &changes, bool forward)
{
    m_replaying = true;
    if (forward)
        changes.redo(*m_book);
    else
        changes.undo(*m_book);
    m_replaying = false;
    Q_EMIT replayed(changes.firstRow());
}

void BookHistory::updateActions()
{
    const auto label = [](const QString &verb, const QString &step) {
        return step.isEmpty() ? verb : verb + QStringLiteral(": ") + step;
    };
    m_undoAction->setText(label(QStringLiteral("Poništi"), m_stack.undoText()));
    m_redoAction->setText(label(QStringLiteral("Ponovi"), m_stack.redoText()));
    m_undoAction->setEnabled(m_stack.canUndo());
    m_redoAction->setEnabled(m_stack.canRedo());
}
