#include "tfr_nk_grid.h"

Tfr_nk_grid::Tfr_nk_grid(TextGridModel *book, const ColumnMasks *masks, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(book), m_masks(masks)
{
    setObjectName(QStringLiteral("fr_nk_grid"));
    setWindowTitle(QStringLiteral("Nadzorna knjiga"));
    resize(800, 600);
}
