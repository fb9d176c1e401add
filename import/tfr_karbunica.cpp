#include "tfr_karbunica.h"

Tfr_karbunica::Tfr_karbunica(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fr_karbunica"));
    setWindowTitle(QStringLiteral("Karbunica Bravin d.o.o."));
    resize(669, 454);
}
