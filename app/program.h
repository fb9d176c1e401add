#pragma once

#include "tfr_drustva.h"
#include "tfr_karbunica.h"
#include "tfr_konfiguracija.h"
#include "tfr_nk.h"
#include "tfr_nk_00.h"
#include "tfr_nk_grid.h"
#include "tfrmprogress.h"

#include "bookhistory.h"
#include "catalogue.h"
#include "textgridmodel.h"

// The seven windows, created once each in this order (members are built in
// declaration order): the entry window finds the application-data folder,
// and the windows after it take it from there.
class Program {
public:
    Program();

    // The open book, its undo history and its column masks, shared by the
    // windows that show, fill and print it.
    ColumnMasks masks;
    TextGridModel book{80};
    BookHistory history{&book};

    Tfr_nk start;
    Tfr_nk_00 entry;
    Tfr_nk_grid bookView;
    Tfr_drustva companies;
    TfrmProgress progress;
    Tfr_konfiguracija archive;
    Tfr_karbunica clientImport;

private:
    void connectWindows();
    void showEntryWindow();
    void archiveOnExit(const AppFolders &folders);
    void restoreFromArchiveWindow();
    void showBookView();
    void placeBookViewBesideEntry();
    void openManual();

    bool m_bookViewPlaced = false;
};

// The folder tree and the shipped files, made before any window exists.
// Shows what could not be made.
void prepareProgramFolder();
