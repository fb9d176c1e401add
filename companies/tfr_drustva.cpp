#include "tfr_drustva.h"

#include "paths.h"

Tfr_drustva::Tfr_drustva(const AppFolders &folders, QWidget *parent) : QDialog(parent)
{
    Q_UNUSED(folders);
    setObjectName(QStringLiteral("fr_drustva"));
    setWindowTitle(QStringLiteral("Društva"));
    resize(632, 451);
}
