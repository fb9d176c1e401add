#pragma once

#include <QWidget>

struct ColumnMasks;
class TextGridModel;

// The book view window: the open book's grid.
class Tfr_nk_grid : public QWidget {
    Q_OBJECT

public:
    // The book and the current masks belong to the program and outlive the window.
    Tfr_nk_grid(TextGridModel *book, const ColumnMasks *masks, QWidget *parent = nullptr);

private:
    TextGridModel *m_book;
    const ColumnMasks *m_masks;
};
