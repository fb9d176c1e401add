#include "tfr_konfiguracija.h"

#include "paths.h"

Tfr_konfiguracija::Tfr_konfiguracija(const AppFolders &folders, QWidget *parent) : QDialog(parent)
{
    Q_UNUSED(folders);
    setObjectName(QStringLiteral("fr_konfiguracija"));
    setWindowTitle(QStringLiteral("Arhiva"));
    resize(578, 361);
}
