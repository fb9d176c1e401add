#include "program.h"

#include "messages.h"
#include "bookgrid.h"
#include "provisioning.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
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

    entry.setBookSelection(bookView.sg_nk->selectionModel());
    QObject::connect(&entry, &Tfr_nk_00::bookViewNeeded, &bookView, [this] {
        bookView.fitTitleRowHeight();
        bookView.fitRowHeights();
        bookView.show();
        bookView.raise();
    });
    QObject::connect(&entry, &Tfr_nk_00::bookRowsLoaded, &bookView, &Tfr_nk_grid::fitRowHeights);
    QObject::connect(&entry, &Tfr_nk_00::bookRowsWritten, &bookView, &Tfr_nk_grid::fitRowHeights);
    QObject::connect(&bookView, &Tfr_nk_grid::rowToFields, &entry, &Tfr_nk_00::Grid_u_polja);
    QObject::connect(&bookView, &Tfr_nk_grid::runningNumberSelected, &entry, &Tfr_nk_00::setRunningNumberStatus);
    QObject::connect(&entry, &Tfr_nk_00::bookViewCaptionChanged, &bookView, &QWidget::setWindowTitle);
    QObject::connect(&entry, &Tfr_nk_00::companyRegisterRequested, &companies, &QDialog::exec);
    QObject::connect(&entry, &Tfr_nk_00::archiveRequested, &archive, &QDialog::exec);
    QObject::connect(&entry, &Tfr_nk_00::clientImportRequested, &clientImport, &QDialog::exec);

    entry.appendCompanyNames(companies.savedCompanyNames());
    QObject::connect(&companies, &Tfr_drustva::companyNamesSaved, &entry, &Tfr_nk_00::replaceCompanyNames);
    entry.setCompanyLookup([this](const QString &name) { return companies.Trazi(1, 0, name); });
}

void Program::showEntryWindow()
{
    entry.show();
    entry.raise();
    entry.activateWindow();
}

void Program::openManual()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString manual = findManual(programFolder);
    if (manual.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        showMessage(&start, QStringLiteral("Upute nisu dostupne: ")
                                + QDir::toNativeSeparators(manual.isEmpty() ? installedManualPath(programFolder) : manual));
}

void prepareProgramFolder()
{
    QString error;
    if (!provisionProgramFolder(AppFolders(MapaSustava()), error))
        showError(nullptr, error);
}
