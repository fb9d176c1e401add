#include "tfr_nk_00.h"

#include "messages.h"


Tfr_nk_00::Tfr_nk_00(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fr_nk_00"));
    setWindowTitle(QStringLiteral("Forma za unos podataka"));
    resize(754, 508);
    FormCreate();
}

void Tfr_nk_00::FormCreate()
{
    m_folders = AppFolders(MapaSustava());
    if (m_folders.appData().isEmpty())
        showMessage(this, QStringLiteral("Greška - Application Data - 01"));
}
