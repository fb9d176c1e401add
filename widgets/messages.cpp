#include "messages.h"

#include <QCoreApplication>
#include <QMessageBox>

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

void showError(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, QCoreApplication::applicationName(), text);
}
