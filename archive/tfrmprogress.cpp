#include "tfrmprogress.h"

TfrmProgress::TfrmProgress(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Napredovanje"));
    resize(394, 178);
}
