#include "program.h"

#include "messages.h"
#include "provisioning.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

Program::Program()
    : entry(&book, &masks),
      bookView(&book, &masks),
      companies(entry.folders()),
      progress(),
      archive(entry.folders()),
      clientImport()
{
    start.setFolderSource(&entry.folders());
    connectWindows();
}

void Program::connectWindows()
{
    QObject::connect(&start, &Tfr_nk::bt_nk1Click, &start, [this] { showEntryWindow(); });
    QObject::connect(&start, &Tfr_nk::uputeClick, &start, [this] { openManual(); });
    start.setCloseCheck([this] { return entry.mayDropBook(); });

    QObject::connect(&entry, &Tfr_nk_00::bookViewNeeded, &bookView, [this] {
        bookView.show();
        bookView.raise();
    });
    QObject::connect(&entry, &Tfr_nk_00::bookViewCaptionChanged, &bookView, &QWidget::setWindowTitle);
    QObject::connect(&entry, &Tfr_nk_00::companyRegisterRequested, &companies, &QDialog::exec);
}

void Program::showEntryWindow()
{
    entry.show();
    entry.raise();
    entry.activateWindow();
}

void Program::openManual()
{
    const QString manual = entry.folders().programFolder() + QStringLiteral("/upute_nk.pdf");
    if (!QFile::exists(manual) || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        showMessage(&start, QStringLiteral("Upute nisu dostupne: ") + QDir::toNativeSeparators(manual));
}

void prepareProgramFolder()
{
    QString error;
    if (!provisionProgramFolder(AppFolders(MapaSustava()), error))
        showError(nullptr, error);
}
