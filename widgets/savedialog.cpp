#include "savedialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

bool mayReplace(QWidget *parent, const QString &path)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QStringLiteral("Datoteka %1 već postoji. Zamijeniti je?").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, parent);
    QPushButton *replace = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    QPushButton *keep = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == replace;
}

} // namespace

QString askSavePath(QWidget *parent, const QString &title, const QString &nameFilter, const QString &suffix,
                    const QString &suggested)
{
    QFileDialog dialog(parent, title, QFileInfo(suggested).absolutePath(), nameFilter);
    dialog.setObjectName(QStringLiteral("dlg_spremi"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    // The question comes in Croatian below.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Mapa:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Naziv datoteke:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Vrsta datoteke:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Spremi"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Odustani"));
    dialog.selectFile(QFileInfo(suggested).fileName());
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        if (!QFileInfo::exists(path) || mayReplace(parent, path))
            return path;
    }
    return {};
}
