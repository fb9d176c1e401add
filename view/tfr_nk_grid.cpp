#include "tfr_nk_grid.h"

Tfr_nk_grid::Tfr_nk_grid(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fr_nk_grid"));
    setWindowTitle(QStringLiteral("Nadzorna knjiga"));
    resize(800, 600);
}
