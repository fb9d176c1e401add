#pragma once

#include <QWidget>

// The book view window: the open book's grid.
class Tfr_nk_grid : public QWidget {
    Q_OBJECT

public:
    explicit Tfr_nk_grid(QWidget *parent = nullptr);
};
