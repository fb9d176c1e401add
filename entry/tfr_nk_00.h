#pragma once

#include "amountcells.h"
#include "companynumbers.h"
#include "fieldmapping.h"
#include "openbook.h"
#include "paths.h"
#include "printing.h"

#include <QWidget>

#include <functional>

class BookHistory;
class DropDownCombo;
class FieldNavigator;
class QButtonGroup;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QVBoxLayout;
class RecoveryCopy;
class RememberedLists;
class RunningNumberEdit;
struct ColumnMasks;
class TextGridModel;

// The entry window: company, year and book are chosen here, the book is
// opened into the book grid and saved from it.
class Tfr_nk_00 : public QWidget {
    Q_OBJECT

public:
    // Every change the window makes to the book is a step of the book's history.
    Tfr_nk_00(TextGridModel *book, BookHistory *history, ColumnMasks *masks, QWidget *parent = nullptr);

    // Found once at creation; the windows created later take it from here.
    const AppFolders &folders() const { return m_folders; }

    // The company register turns a company name into its number.
    void setCompanyLookup(std::function<QString(const QString &)> lookup) { m_companyLookup = std::move(lookup); }
    // The register's name, address and place of a company, by its number.
    void setCompanyLinesLookup(std::function<CompanyLines(const QString &)> lookup)
    {
        m_companyLinesLookup = std::move(lookup);
    }
    void appendCompanyNames(const QStringList &names);
    // The names and, item for item, the company numbers of the register as saved.
    void replaceCompanyNames(const QStringList &names, const QStringList &numbers);

    // The book view's current cell: the row "Promijeni" writes and the row a
    // new entry is selected in.
    void setBookSelection(QItemSelectionModel *selection) { m_bookSelection = selection; }

    // Asks before a changed book is dropped; false when the user cancels.
    bool mayDropBook();
    bool bookChanged() const;
    const RecoveryCopy &recovery() const { return *m_recovery; }

    QString statusText(int panel) const;
    QString companyNumber() const { return m_choice.company; }

    void cb_drustvaChange();
    void cb_nkChange();
    bool bt_spremiClick();
    void bt_isprazniClick();
    void bt_dodajClick();
    void bt_promijeniClick();
    void bt_karbunicaClick();
    void bt_izvozClick();
    void BUbaci_u_memo(QToolButton *button);
    void BDisplayFormat(QToolButton *button);
    void cb_valuteChange();
    void ed_valutaChange();
    void ed_valutaExit();
    // Shows the row of the book in the column fields.
    void Grid_u_polja(int row);
    void setRunningNumberStatus(const QString &text);
    // The files were replaced by a restore: the open book, the currency list
    // and the remembered lists are read again, so no old copy is saved later.
    void rereadRestoredFiles();

    QString currencyCode() const { return m_currencyCode; }

    // Loads a report template into the book view's report; false with the
    // error when the load fails.
    void setReportTemplateLoader(std::function<bool(const QString &path, QString &error)> loader)
    {
        m_reportTemplateLoader = std::move(loader);
    }
    // Why the open book cannot be printed (no company, no book chosen);
    // empty when it can.
    QString missingPrintChoice() const;
    bool PredlozakIspisa(TemplateCaller caller);
    void cb_ispisChange();
    void ce_ispis_odEnter();
    void ce_ispis_odExit();
    void ce_ispis_doEnter();
    void ce_ispis_doExit();
    void bt_ispisClick();

    DropDownCombo *cb_drustva = nullptr;
    DropDownCombo *cb_nk = nullptr;
    QSpinBox *se_godina = nullptr;
    QPushButton *btDrustva = nullptr;
    QPushButton *bt_arhiva = nullptr;
    QPushButton *bt_karbunica = nullptr;
    QStatusBar *sb_nk = nullptr;
    QWidget *pn_gumbi = nullptr;
    QWidget *bg_komande = nullptr;
    QPushButton *bt_isprazni = nullptr;
    QPushButton *bt_dodaj = nullptr;
    QPushButton *bt_promijeni = nullptr;
    QPushButton *bt_spremi = nullptr;
    QPushButton *bt_ispis = nullptr;
    QPushButton *bt_izvoz = nullptr;
    DropDownCombo *cb_valute = nullptr;
    QLineEdit *ed_valuta = nullptr;
    QLabel *Label57 = nullptr;
    DropDownCombo *cb_ispis = nullptr;
    DropDownCombo *cb_ispis_od = nullptr;
    QLabel *Label60 = nullptr;
    RunningNumberEdit *ce_ispis_od = nullptr;
    QLabel *Label61 = nullptr;
    RunningNumberEdit *ce_ispis_do = nullptr;

Q_SIGNALS:
    // The book grid holds the chosen kind's template: show the book view.
    void bookViewNeeded();
    // The saved rows are in the book grid: their heights need fitting.
    void bookRowsLoaded();
    void bookViewCaptionChanged(const QString &caption);
    // Rows were written from the fields: their heights need fitting.
    void bookRowsWritten();
    void companyRegisterRequested();
    void archiveRequested();
    // The client import is to load the tables of the book kind and open.
    void clientImportRequested(int bookKind);
    void printRequested(const PrintRequest &request);

private:
    void buildControls();
    void buildSelectionPanel(QWidget *panel);
    void buildStatusBar();
    void buildCommandBar();
    void buildCurrencyControls(QWidget *panel);
    void buildFieldPanels();
    void buildPrintControls(QWidget *panel);
    void connectPrintControls();
    std::optional<PrintRequest> printRange();
    int findRunningNumber(double value);
    std::optional<RunningNumberSpan> runningNumbers();
    void HintPolja();
    void HintStrelica();
    int currentBookRow() const;
    FieldMapping fieldMapping() const;
    void FormCreate();

    void companyPicked();
    void yearPicked();
    void bookKindPicked();
    bool mayLeaveShownChoice();
    void restoreShownChoice();

    void PrikaziPanel();
    bool OtvoriPredlozak();
    bool UcitajKnjigu();
    void showImportButtonForChoice();
    void connectBookCommands();
    void offerLeftBehindCopy();

    TextGridModel *m_book;
    BookHistory *m_history;
    ColumnMasks *m_masks;
    AppFolders m_folders;
    std::function<QString(const QString &)> m_companyLookup;
    std::function<bool(const QString &, QString &)> m_reportTemplateLoader;
    std::function<CompanyLines(const QString &)> m_companyLinesLookup;
    FieldNavigator *m_navigator = nullptr;
    RememberedLists *m_lists = nullptr;
    RecoveryCopy *m_recovery = nullptr;
    QVBoxLayout *m_panelArea = nullptr;
    QLabel *m_statusPanels[2] = {};
    QItemSelectionModel *m_bookSelection = nullptr;
    QString m_currencyCode = QString::fromLatin1(kInitialCurrencyCode);

    // The choice the open book belongs to; the combos return to it when the
    // user cancels dropping a changed book.
    BookChoice m_choice;
    int m_shownCompanyIndex = -1;
    // The row last shown in the fields, and its cells they could not show.
    int m_shownRow = 0;
    QList<UnshownCell> m_unshownCells;
    // The row whose unshown cells were reported last: another click in it is no news.
    int m_reportedRow = -1;
};
