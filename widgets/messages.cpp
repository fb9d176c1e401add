#include "messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

void showError(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, QCoreApplication::applicationName(), text);
}

bool askYesNo(QWidget *parent, const QString &text, AnswerByDefault byDefault)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    box.setDefaultButton(byDefault == AnswerByDefault::Yes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

SaveAnswer askToSaveChangedBook(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QStringLiteral("Knjiga je promijenjena. Spremiti promjene?"), QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    QPushButton *drop = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Odustani"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == drop)
        return SaveAnswer::Drop;
    return SaveAnswer::Cancel;
}
