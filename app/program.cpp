#include "program.h"

#include "messages.h"
#include "bookgrid.h"
#include "provisioning.h"
#include "zipwriter.h"
#include "windowplacement.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QScreen>
#include <QUrl>

Program::Program()
    : entry(&book, &history, &masks),
      bookView(&book, &history, &masks),
      companies(entry.folders()),
      progress(),
      archive(entry.folders(), &progress),
      clientImport(&book, &history, entry.folders())
{
    start.setFolderSource(&entry.folders());
    connectWindows();
}

void Program::connectWindows()
{
    QObject::connect(&start, &Tfr_nk::bt_nk1Click, &start, [this] { showEntryWindow(); });
    QObject::connect(&start, &Tfr_nk::uputeClick, &start, [this] { openManual(); });
    start.setCloseCheck([this] { return entry.mayDropBook(); });
    QObject::connect(&start, &Tfr_nk::FormClose, &start, [this](const AppFolders &folders) { archiveOnExit(folders); });

    entry.setBookSelection(bookView.sg_nk->selectionModel());
    // The book view comes up beside the entry window without taking the keyboard from it.
    bookView.setAttribute(Qt::WA_ShowWithoutActivating);
    QObject::connect(&entry, &Tfr_nk_00::bookViewNeeded, &bookView, [this] { showBookView(); });
    QObject::connect(&entry, &Tfr_nk_00::bookRowsLoaded, &bookView, &Tfr_nk_grid::fitRowHeights);
    QObject::connect(&entry, &Tfr_nk_00::bookRowsWritten, &bookView, &Tfr_nk_grid::fitRowHeights);
    QObject::connect(&bookView, &Tfr_nk_grid::rowToFields, &entry, &Tfr_nk_00::Grid_u_polja);
    QObject::connect(&bookView, &Tfr_nk_grid::runningNumberSelected, &entry, &Tfr_nk_00::setRunningNumberStatus);
    QObject::connect(&history, &BookHistory::replayed, &bookView, &Tfr_nk_grid::selectEntry);
    QObject::connect(&entry, &Tfr_nk_00::bookViewCaptionChanged, &bookView, &QWidget::setWindowTitle);
    QObject::connect(&entry, &Tfr_nk_00::companyRegisterRequested, &companies, &QDialog::exec);
    QObject::connect(&entry, &Tfr_nk_00::archiveRequested, &archive, [this] { restoreFromArchiveWindow(); });
    QObject::connect(&archive, &Tfr_konfiguracija::dataFolderRestored, &entry, &Tfr_nk_00::rereadRestoredFiles);
    QObject::connect(&entry, &Tfr_nk_00::clientImportRequested, &clientImport, [this](int bookKind) {
        if (clientImport.otvoriExcel(bookKind))
            clientImport.exec();
    });
    QObject::connect(&clientImport, &Tfr_karbunica::rowsImported, &bookView, &Tfr_nk_grid::fitRowHeights);

    entry.appendCompanyNames(companies.savedCompanyNames());
    QObject::connect(&companies, &Tfr_drustva::companyNamesSaved, &entry, &Tfr_nk_00::replaceCompanyNames);
    entry.setCompanyLookup([this](const QString &name) { return companies.Trazi(1, 0, name); });

    entry.setReportTemplateLoader(
        [this](const QString &path, QString &error) { return bookView.loadReportTemplate(path, error); });
    QObject::connect(&entry, &Tfr_nk_00::printRequested, &bookView, [this](const PrintRequest &request) {
        bookView.printReport(request, {.name = companies.currentRowText(1),
                                       .address = companies.currentRowText(2),
                                       .place = companies.currentRowText(3),
                                       .bookLine = request.titleLine});
    });
    entry.setCompanyLinesLookup([this](const QString &number) { return companies.companyOf(number); });
}

void Program::showEntryWindow()
{
    entry.show();
    entry.raise();
    entry.activateWindow();
}

// The program ends whatever happens to the archive.
void Program::archiveOnExit(const AppFolders &folders)
{
    try {
        Arhiv(folders, &progress);
    } catch (...) {
    }
}

// A changed book is settled before the restore can replace its file.
void Program::restoreFromArchiveWindow()
{
    if (archive.ModalFormKon() && entry.mayDropBook())
        archive.SigurKopZamijeni();
}

// The fields are where the user types: the entry window stays in front.
void Program::showBookView()
{
    bookView.fitTitleRowHeight();
    bookView.fitRowHeights();
    if (!m_bookViewPlaced)
        placeBookViewBesideEntry();
    bookView.show();
    entry.raise();
    entry.activateWindow();
}

// Once only: later the user's places and sizes stand.
void Program::placeBookViewBesideEntry()
{
    m_bookViewPlaced = true;
    const QScreen *screen = entry.screen();
    if (!screen || !entry.isVisible())
        return;
    const QRect frame = entry.frameGeometry();
    const QRect client = entry.geometry();
    const QMargins border(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                          frame.bottom() - client.bottom());
    const WindowPlaces places = placeEntryAndBookView(screen->availableGeometry(), frame);
    entry.move(places.entryFrame.topLeft());
    bookView.setGeometry(places.bookViewFrame.marginsRemoved(border));
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
