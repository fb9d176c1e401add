#pragma once

#include "gridchanges.h"

#include <QObject>
#include <QUndoStack>

#include <memory>

class QAction;
class QWidget;
class TextGridModel;

// The undo history of the open book, kept beside the book model for every
// window that changes it. Each step stores only what it changed. A change
// made outside a named step is a step of its own, so the history never
// loses track of the grid; reading a whole book starts a new history.
class BookHistory : public QObject, private GridChangeRecorder {
    Q_OBJECT

public:
    explicit BookHistory(TextGridModel *book, QObject *parent = nullptr);
    ~BookHistory() override;

    // Everything the change does to the book is one step with that name.
    template <typename Change>
    void record(const QString &name, Change &&change)
    {
        beginStep(name);
        change();
        endStep();
    }

    // True while the book is as it was read or last saved.
    bool isClean() const { return m_stack.isClean(); }
    void markSaved() { m_stack.setClean(); }
    // The book holds changes that were never saved (a recovered copy).
    void markUnsaved() { m_stack.resetClean(); }

    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }
    QString undoText() const { return m_stack.undoText(); }
    QString redoText() const { return m_stack.redoText(); }
    int stepCount() const { return m_stack.count(); }

    // "Poništi: <step>" and "Ponovi: <step>", shared by every window.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the window. A text field that has
    // typing of its own to take back keeps the keys for that.
    void addShortcutsTo(QWidget *window);

Q_SIGNALS:
    // A step was done, undone or redone, or the history started anew.
    void bookChanged();
    // After an undo or a redo: the row the step was about.
    void replayed(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class BookStep;

    void beginStep(const QString &name);
    void endStep();
    void recordChange(GridChange change) override;
    void recordReplacement() override;
    void replay(const GridChanges &changes, bool forward);
    void updateActions();
    bool isInShortcutWindow(QObject *object) const;

    TextGridModel *m_book;
    QUndoStack m_stack;
    QAction *m_undoAction;
    QAction *m_redoAction;
    QList<QWidget *> m_windows;
    std::unique_ptr<GridChanges> m_open;
    QString m_openName;
    int m_depth = 0;
    bool m_replaying = false;
};
