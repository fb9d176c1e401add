#include "tfr_nk_00.h"

#include "bookexport.h"
#include "bookhistory.h"
#include "catalogue.h"
#include "cellfile.h"
#include "codepage.h"
#include "combos.h"
#include "fieldmapping.h"
#include "fieldnavigator.h"
#include "fieldpanels.h"
#include "fieldtexts.h"
#include "fieldwidgets.h"
#include "listfile.h"
#include "runningnumbers.h"
#include "sortedlists.h"
#include "hints.h"
#include "messages.h"
#include "panelbuilder.h"
#include "recovery.h"
#include "rememberedlists.h"
#include "savedialog.h"
#include "textgridmodel.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTime>

Tfr_nk_00::Tfr_nk_00(TextGridModel *book, BookHistory *history, ColumnMasks *masks, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(book), m_history(history), m_masks(masks),
      m_navigator(new FieldNavigator(this)), m_recovery(new RecoveryCopy(book, this))
{
    setObjectName(QStringLiteral("fr_nk_00"));
    setWindowTitle(QStringLiteral("Forma za unos podataka"));
    buildControls();
    resize(754, 508);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    FormCreate();
    connectBookCommands();

    connect(cb_drustva, &QComboBox::activated, this, &Tfr_nk_00::companyPicked);
    connect(se_godina, &QSpinBox::valueChanged, this, &Tfr_nk_00::yearPicked);
    connect(cb_nk, &QComboBox::activated, this, &Tfr_nk_00::bookKindPicked);
    connect(bt_spremi, &QPushButton::clicked, this, &Tfr_nk_00::bt_spremiClick);
    connect(bt_isprazni, &QPushButton::clicked, this, &Tfr_nk_00::bt_isprazniClick);
    connect(bt_izvoz, &QPushButton::clicked, this, &Tfr_nk_00::bt_izvozClick);
    connect(cb_valute, &QComboBox::activated, this, &Tfr_nk_00::cb_valuteChange);
    connect(ed_valuta, &QLineEdit::textChanged, this, &Tfr_nk_00::ed_valutaChange);
    connect(ed_valuta, &QLineEdit::editingFinished, this, &Tfr_nk_00::ed_valutaExit);
    for (AmountEdit *amount : findChildren<AmountEdit *>())
        connect(amount, &AmountEdit::unreadable, this, [this](const QString &typed) {
            showMessage(this, QStringLiteral("Upisani iznos nije broj: ") + typed);
        });
    for (DateField *date : findChildren<DateField *>())
        connect(date, &DateField::unreadable, this, [this](const QString &typed) {
            showMessage(this, QStringLiteral("Upisani tekst nije datum: %1\nDatum se upisuje kao 15.03.2026, 15.3.2026 "
                                             "ili 15032026; polje zadržava prijašnji datum.")
                                  .arg(typed));
        });
    connect(btDrustva, &QPushButton::clicked, this, &Tfr_nk_00::companyRegisterRequested);
    connect(bt_arhiva, &QPushButton::clicked, this, &Tfr_nk_00::archiveRequested);
    connect(bt_karbunica, &QPushButton::clicked, this, &Tfr_nk_00::bt_karbunicaClick);
    for (DropDownCombo *combo : {cb_drustva, cb_nk, cb_valute})
        connect(combo, &DropDownCombo::dropDown, combo, [combo] { SetComboDropDownWidth(combo, -1); });
    connectPrintControls();
}

void Tfr_nk_00::FormCreate()
{
    se_godina->setValue(QDate::currentDate().year());
    m_choice.year = se_godina->value();
    setHintDelays(250, 10000);
    m_folders = AppFolders(MapaSustava());
    if (m_folders.appData().isEmpty())
        showMessage(this, QStringLiteral("Greška - Application Data - 01"));
    cb_nk->addItems(bookDisplayNames());
    cb_ispis_od->setCurrentIndex(0);
    m_lists = new RememberedLists(*this, m_folders);
    connect(m_lists, &RememberedLists::failed, this, [this](const QString &error) { showError(this, error); });
    m_lists->UcitajListe();
    SetComboDropDownWidth(cb_drustva, 500);
    HintStrelica();
    bt_karbunica->hide();
}

// The commands that change the book are each one step of its history, named
// by their button. While the book differs from its file, a recovery copy of
// it is kept.
void Tfr_nk_00::connectBookCommands()
{
    const std::pair<QPushButton *, void (Tfr_nk_00::*)()> commands[] = {
        {bt_dodaj, &Tfr_nk_00::bt_dodajClick}, {bt_promijeni, &Tfr_nk_00::bt_promijeniClick}};
    for (const auto &[button, handler] : commands)
        connect(button, &QPushButton::clicked, this, [this, button, handler] {
            m_history->record(button->text(), [this, handler] { (this->*handler)(); });
        });
    m_history->addShortcutsTo(this);
    connect(m_history, &BookHistory::bookChanged, this, [this] {
        if (m_history->isClean())
            m_recovery->discard();
        else
            m_recovery->bookChanged();
    });
    connect(m_recovery, &RecoveryCopy::writeFailed, this, [this](const QString &error) { showError(this, error); });
    // Once rows move or another book opens, a row number names another entry:
    // its faults are news again.
    const auto forgetReportedRow = [this] { m_reportedRow = -1; };
    connect(m_book, &QAbstractItemModel::modelReset, this, forgetReportedRow);
    connect(m_book, &QAbstractItemModel::rowsInserted, this, forgetReportedRow);
    connect(m_book, &QAbstractItemModel::rowsRemoved, this, forgetReportedRow);
}

void Tfr_nk_00::appendCompanyNames(const QStringList &names)
{
    cb_drustva->addItems(names);
}

// The open book stays with its company, so the combo keeps showing it, by
// its number: a renamed company is still the same company.
void Tfr_nk_00::replaceCompanyNames(const QStringList &names, const QStringList &numbers)
{
    const QSignalBlocker blocker(cb_drustva);
    cb_drustva->clear();
    cb_drustva->addItems(names);
    m_shownCompanyIndex = m_choice.company.isEmpty() ? -1 : static_cast<int>(numbers.indexOf(m_choice.company));
    cb_drustva->setCurrentIndex(m_shownCompanyIndex);
}

QString Tfr_nk_00::statusText(int panel) const
{
    return m_statusPanels[panel]->text();
}

bool Tfr_nk_00::bookChanged() const
{
    return !m_history->isClean();
}

bool Tfr_nk_00::mayDropBook()
{
    // A grid that nothing counts as open in cannot be saved, so nothing is asked.
    if (!bookChanged() || !bookKind(m_choice.kind))
        return true;
    switch (askToSaveChangedBook(this)) {
    case SaveAnswer::Save:
        return bt_spremiClick();
    case SaveAnswer::Drop:
        m_recovery->discard();
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

// A book is always saved under the company and year it was opened with: a
// new company or year reopens the chosen kind for them.
void Tfr_nk_00::companyPicked()
{
    if (cb_drustva->currentIndex() == m_shownCompanyIndex)
        return;
    if (!mayLeaveShownChoice())
        return;
    m_shownCompanyIndex = cb_drustva->currentIndex();
    cb_drustvaChange();
    if (bookKind(m_choice.kind))
        cb_nkChange();
}

void Tfr_nk_00::yearPicked()
{
    if (se_godina->value() == m_choice.year)
        return;
    if (!mayLeaveShownChoice())
        return;
    m_choice.year = se_godina->value();
    if (bookKind(m_choice.kind))
        cb_nkChange();
}

void Tfr_nk_00::bookKindPicked()
{
    if (mayLeaveShownChoice())
        cb_nkChange();
}

// While the question is open the window still shows the open book's choice;
// the new one is taken only once the open book may go.
bool Tfr_nk_00::mayLeaveShownChoice()
{
    if (!bookChanged())
        return true;
    const int company = cb_drustva->currentIndex();
    const int year = se_godina->value();
    const int kind = cb_nk->currentIndex();
    restoreShownChoice();
    if (!mayDropBook())
        return false;
    const QSignalBlocker companies(cb_drustva);
    const QSignalBlocker years(se_godina);
    const QSignalBlocker kinds(cb_nk);
    cb_drustva->setCurrentIndex(company);
    se_godina->setValue(year);
    cb_nk->setCurrentIndex(kind);
    return true;
}

void Tfr_nk_00::restoreShownChoice()
{
    const QSignalBlocker companies(cb_drustva);
    const QSignalBlocker years(se_godina);
    const QSignalBlocker kinds(cb_nk);
    cb_drustva->setCurrentIndex(m_shownCompanyIndex);
    se_godina->setValue(m_choice.year);
    cb_nk->setCurrentIndex(m_choice.kind);
}

void Tfr_nk_00::cb_drustvaChange()
{
    const QString name = cb_drustva->currentIndex() >= 0 ? cb_drustva->currentText() : QString();
    m_choice.company = m_companyLookup ? m_companyLookup(name) : QString();
}

void Tfr_nk_00::cb_nkChange()
{
    m_choice.kind = cb_nk->currentIndex();
    if (!bookKind(m_choice.kind))
        return;
    m_recovery->follow({});
    PrikaziPanel();
    if (!OtvoriPredlozak()) {
        m_choice.kind = -1; // nothing is open that could be saved
        return;
    }
    KoloneFormati(m_choice.kind, *m_masks);
    fieldMapping().resetYearFields();
    if (!UcitajKnjigu()) {
        m_choice.kind = -1; // the grid holds the template, never to be saved over the refused file
        return;
    }
    if (!PredlozakIspisa(TemplateCaller::BookChoice))
        return;
    HintPolja();
    for (QLabel *panel : m_statusPanels)
        panel->clear();
    showImportButtonForChoice();
}

void Tfr_nk_00::PrikaziPanel()
{
    const QString chosen = QString::fromLatin1(bookKind(m_choice.kind)->panelName);
    for (const BookKind &kind : bookCatalogue()) {
        const QString name = QString::fromLatin1(kind.panelName);
        if (name != chosen)
            if (auto *panel = findChild<QWidget *>(name))
                panel->hide();
    }
    if (auto *panel = findChild<QWidget *>(chosen)) {
        QPalette white = panel->palette();
        white.setColor(QPalette::Window, Qt::white);
        panel->setPalette(white);
        panel->show();
    }
    // Only the first choice sizes the window; later ones keep the user's size.
    if (!bg_komande->isVisibleTo(this))
        resize(width(), 560);
    bg_komande->show();
    update();
}

bool Tfr_nk_00::OtvoriPredlozak()
{
    m_unshownCells.clear();
    QString error;
    if (!openTemplate(*m_book, m_folders, *bookKind(m_choice.kind), error)) {
        showError(this, error);
        return false;
    }
    Q_EMIT bookViewNeeded();
    return true;
}

bool Tfr_nk_00::UcitajKnjigu()
{
    const QString problem = missingNamePart(m_choice, m_folders);
    if (!problem.isEmpty()) {
        showMessage(this, problem);
        return true;
    }
    const QString path = m_folders.bookFilePath(m_choice.company, m_choice.year, *bookKind(m_choice.kind));
    if (QFile::exists(path)) {
        QString error;
        if (!loadCellFile(*m_book, path, error)) {
            showError(this, error);
            return false;
        }
        Q_EMIT bookRowsLoaded();
    }
    offerLeftBehindCopy();
    Grid_u_polja(currentBookRow());
    Q_EMIT bookViewCaptionChanged(cb_drustva->currentText() + QStringLiteral(" - ") + cb_nk->currentText());
    return true;
}

// A copy older than the book file holds nothing the book does not.
void Tfr_nk_00::offerLeftBehindCopy()
{
    const BookKind &kind = *bookKind(m_choice.kind);
    const QString copyPath = m_folders.recoveryCopyPath(m_choice.company, m_choice.year, kind);
    const LeftBehindCopy copy = leftBehindCopy(copyPath, m_folders.bookFilePath(m_choice.company, m_choice.year, kind));
    if (copy.state == LeftBehindCopy::Offered && askYesNo(this, recoveryQuestion(copy.written))) {
        QString error;
        if (loadRecoveryCopy(*m_book, copyPath, error)) {
            m_history->markUnsaved();
            Q_EMIT bookRowsLoaded();
        } else {
            showError(this, error);
        }
    } else if (copy.state != LeftBehindCopy::None) {
        QFile::remove(copyPath);
    }
    m_recovery->follow(copyPath);
}

void Tfr_nk_00::showImportButtonForChoice()
{
    bt_karbunica->setVisible(m_choice.kind >= 0 && m_choice.kind <= 2 && cb_drustva->currentIndex() >= 0);
}

bool Tfr_nk_00::bt_spremiClick()
{
    const QString problem = missingNamePart(m_choice, m_folders);
    if (!problem.isEmpty()) {
        showMessage(this, problem);
        return false;
    }
    QString error;
    const QString path = m_folders.bookFilePath(m_choice.company, m_choice.year, *bookKind(m_choice.kind));
    if (!saveCellFile(m_book->grid(), path, error)) {
        showError(this, error);
        return false;
    }
    m_history->markSaved();
    m_recovery->discard();
    m_statusPanels[1]->setText(QStringLiteral("Spremljeno u ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))
                               + QStringLiteral(" sati"));
    return true;
}

// The book as it stands in the grid, unsaved rows included; the book file is
// not touched.
void Tfr_nk_00::bt_izvozClick()
{
    if (const QString missing = missingPrintChoice(); !missing.isEmpty()) {
        showMessage(this, missing);
        return;
    }
    const BookKind &kind = *bookKind(m_choice.kind);
    const QString bookFile = bookFileName(m_choice.company, m_choice.year, kind);
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
                              + QFileInfo(bookFile).completeBaseName() + QStringLiteral(".xlsx");
    const QString path = askSavePath(this, QStringLiteral("Izvoz nadzorne knjige"),
                                     QStringLiteral("Excel tablica (*.xlsx)"), QStringLiteral("xlsx"), suggested);
    if (path.isEmpty())
        return;
    const ExportHeading heading{m_companyLinesLookup ? m_companyLinesLookup(m_choice.company) : CompanyLines{},
                                bookTitleLine(QString::fromUtf8(kind.displayName), QString::number(m_choice.year))};
    QString error;
    if (!exportBook(m_book->grid(), kind, heading, path, error)) {
        showError(this, error);
        return;
    }
    showMessage(this, QStringLiteral("Nadzorna knjiga je izvezena u ") + QDir::toNativeSeparators(path));
}

FieldMapping Tfr_nk_00::fieldMapping() const
{
    return FieldMapping(*this, QString::fromLatin1(bookKind(m_choice.kind)->fieldPrefix), m_choice.year);
}

int Tfr_nk_00::currentBookRow() const
{
    const int row = m_bookSelection ? m_bookSelection->currentIndex().row() : -1;
    return row >= 1 && row < m_book->rowCount() ? row : 1;
}

void Tfr_nk_00::Grid_u_polja(int row)
{
    if (!bookKind(m_choice.kind) || row < 1 || row >= m_book->rowCount())
        return;
    const QList<UnshownCell> unshown = fieldMapping().Grid_u_polja(*m_book, row);
    // Another click in the row shown is no news: its faults were reported.
    const bool reported = row == m_reportedRow && unshown == m_unshownCells;
    m_shownRow = row;
    m_reportedRow = row;
    m_unshownCells = unshown;
    if (reported || unshown.isEmpty())
        return;
    QStringList cells;
    for (const UnshownCell &cell : unshown)
        cells << QStringLiteral("%1. stupac: \"%2\"").arg(cell.column).arg(cell.cell);
    showMessage(this, QStringLiteral("Ove ćelije %1. retka nisu datum ili iznos pa njihova polja ostaju prazna:\n")
                          .arg(row)
                      + cells.join(QLatin1Char('\n')));
}

void Tfr_nk_00::setRunningNumberStatus(const QString &text)
{
    m_statusPanels[0]->setText(text);
}

void Tfr_nk_00::rereadRestoredFiles()
{
    m_lists->UcitajListe();
    if (bookKind(m_choice.kind))
        cb_nkChange();
}

void Tfr_nk_00::bt_isprazniClick()
{
    if (bookKind(m_choice.kind))
        fieldMapping().PoljaIsprazni(m_book->columnCount());
}

void Tfr_nk_00::bt_dodajClick()
{
    if (!bookKind(m_choice.kind))
        return;
    QString error;
    const std::optional<NewEntry> entry = nextEntry(m_book->grid(), error);
    if (!entry) {
        showError(this, error);
        return;
    }
    if (entry->appendRow)
        m_book->insertRows(entry->row, 1);
    fieldMapping().Polja_u_grid(*m_book, entry->row, {});
    m_book->setCell(0, entry->row, QString::number(entry->number));
    if (m_bookSelection) {
        const QModelIndex cell = m_book->index(m_book->rowCount() - 1, 1);
        m_bookSelection->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    }
    Q_EMIT bookRowsWritten();
    setRunningNumberStatus(QStringLiteral("R. br.: ") + QString::number(entry->number));
}

void Tfr_nk_00::bt_promijeniClick()
{
    if (!bookKind(m_choice.kind))
        return;
    // Writing into a book without entries would give an entry without a
    // running number.
    if (hasNoEntries(m_book->grid())) {
        showMessage(this, QStringLiteral("Knjiga još nema zapisa. Novi zapis dodajte gumbom \"Dodaj u novi red\"."));
        return;
    }
    const int row = currentBookRow();
    fieldMapping().Polja_u_grid(*m_book, row, row == m_shownRow ? m_unshownCells : QList<UnshownCell>{});
    Q_EMIT bookRowsWritten();
}

void Tfr_nk_00::bt_karbunicaClick()
{
    Q_EMIT clientImportRequested(m_choice.kind);
}

void Tfr_nk_00::BUbaci_u_memo(QToolButton *button)
{
    const QString composite = button->objectName().mid(2);
    if (QWidget *memo = findChild<QWidget *>(composite))
        appendLine(*memo, insertedLine(*this, composite, button->property("tag").toInt()));
}

void Tfr_nk_00::BDisplayFormat(QToolButton *button)
{
    if (auto *amount = findChild<AmountEdit *>(button->objectName().mid(2)))
        amount->setCode(m_currencyCode);
}

void Tfr_nk_00::cb_valuteChange()
{
    ed_valuta->setText(cb_valute->currentText().left(3));
}

void Tfr_nk_00::ed_valutaChange()
{
    m_currencyCode = reduceToCp1250(ed_valuta->text());
}

void Tfr_nk_00::ed_valutaExit()
{
    const QString code = m_currencyCode;
    if (code.isEmpty())
        return;
    QStringList items;
    for (int i = 0; i < cb_valute->count(); ++i) {
        if (cb_valute->itemText(i).contains(code))
            return;
        items << cb_valute->itemText(i);
    }
    cb_valute->insertItem(static_cast<int>(sortedPosition(items, code)), code);
    items.insert(sortedPosition(items, code), code);
    QString error;
    if (!writeListFile(m_folders.listFilePath(QStringLiteral("valute")), items, error))
        showError(this, error);
}

void Tfr_nk_00::HintPolja()
{
    const QString prefix = QString::fromLatin1(bookKind(m_choice.kind)->fieldPrefix);
    for (int column = 1; column < m_book->columnCount(); ++column)
        if (auto *field = findChild<QWidget *>(prefix + QString::number(column)))
            field->setToolTip(PrelomiTekst(m_book->cell(column, 0)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
}

void Tfr_nk_00::HintStrelica()
{
    for (QToolButton *button : findChildren<QToolButton *>())
        if (button->property("tag").isValid())
            button->setToolTip(QString::fromUtf8(kInsertButtonHint));
}

