#include "tfr_nk_00.h"

#include "catalogue.h"
#include "cellfile.h"
#include "combos.h"
#include "fieldnavigator.h"
#include "hints.h"
#include "messages.h"
#include "textgridmodel.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTime>

Tfr_nk_00::Tfr_nk_00(TextGridModel *book, ColumnMasks *masks, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(book), m_masks(masks), m_navigator(new FieldNavigator(this))
{
    setObjectName(QStringLiteral("fr_nk_00"));
    setWindowTitle(QStringLiteral("Forma za unos podataka"));
    buildControls();
    resize(754, 508);
    FormCreate();
    watchBookChanges();

    connect(cb_drustva, &QComboBox::activated, this, &Tfr_nk_00::companyPicked);
    connect(se_godina, &QSpinBox::valueChanged, this, &Tfr_nk_00::yearPicked);
    connect(cb_nk, &QComboBox::activated, this, &Tfr_nk_00::bookKindPicked);
    connect(bt_spremi, &QPushButton::clicked, this, &Tfr_nk_00::bt_spremiClick);
    connect(btDrustva, &QPushButton::clicked, this, &Tfr_nk_00::companyRegisterRequested);
    connect(bt_arhiva, &QPushButton::clicked, this, &Tfr_nk_00::archiveRequested);
    connect(bt_karbunica, &QPushButton::clicked, this, &Tfr_nk_00::clientImportRequested);
    for (DropDownCombo *combo : {cb_drustva, cb_nk})
        connect(combo, &DropDownCombo::dropDown, combo, [combo] { SetComboDropDownWidth(combo, -1); });
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
    SetComboDropDownWidth(cb_drustva, 500);
    bt_karbunica->hide();
}

void Tfr_nk_00::watchBookChanges()
{
    const auto changed = [this] { m_bookChanged = true; };
    connect(m_book, &QAbstractItemModel::dataChanged, this, changed);
    connect(m_book, &QAbstractItemModel::rowsInserted, this, changed);
    connect(m_book, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(m_book, &QAbstractItemModel::columnsInserted, this, changed);
    connect(m_book, &QAbstractItemModel::columnsRemoved, this, changed);
}

void Tfr_nk_00::appendCompanyNames(const QStringList &names)
{
    cb_drustva->addItems(names);
}

void Tfr_nk_00::replaceCompanyNames(const QStringList &names)
{
    const QSignalBlocker blocker(cb_drustva);
    cb_drustva->clear();
    cb_drustva->addItems(names);
    m_shownCompanyIndex = -1;
}

QString Tfr_nk_00::statusText(int panel) const
{
    return m_statusPanels[panel]->text();
}

bool Tfr_nk_00::mayDropBook()
{
    if (!m_bookChanged)
        return true;
    switch (askToSaveChangedBook(this)) {
    case SaveAnswer::Save:
        return bt_spremiClick();
    case SaveAnswer::Drop:
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
    if (!mayDropBook()) {
        restoreShownChoice();
        return;
    }
    m_shownCompanyIndex = cb_drustva->currentIndex();
    cb_drustvaChange();
    if (bookKind(m_choice.kind))
        cb_nkChange();
}

void Tfr_nk_00::yearPicked()
{
    if (se_godina->value() == m_choice.year)
        return;
    if (!mayDropBook()) {
        restoreShownChoice();
        return;
    }
    m_choice.year = se_godina->value();
    if (bookKind(m_choice.kind))
        cb_nkChange();
}

void Tfr_nk_00::bookKindPicked()
{
    if (!mayDropBook()) {
        restoreShownChoice();
        return;
    }
    cb_nkChange();
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
    PrikaziPanel();
    if (!OtvoriPredlozak()) {
        m_choice.kind = -1; // nothing is open that could be saved
        return;
    }
    KoloneFormati(m_choice.kind, *m_masks);
    if (!UcitajKnjigu())
        return;
    for (QLabel *panel : m_statusPanels)
        panel->clear();
    showImportButtonForChoice();
}

void Tfr_nk_00::PrikaziPanel()
{
    const BookKind *chosen = bookKind(m_choice.kind);
    for (const BookKind &kind : bookCatalogue()) {
        if (auto *panel = findChild<QWidget *>(QString::fromLatin1(kind.panelName)))
            panel->setVisible(&kind == chosen);
    }
    if (auto *panel = findChild<QWidget *>(QString::fromLatin1(chosen->panelName))) {
        QPalette white = panel->palette();
        white.setColor(QPalette::Window, Qt::white);
        panel->setPalette(white);
    }
    resize(width(), 560);
    bg_komande->show();
    update();
}

bool Tfr_nk_00::OtvoriPredlozak()
{
    QString error;
    if (!openTemplate(*m_book, m_folders, *bookKind(m_choice.kind), error)) {
        showError(this, error);
        return false;
    }
    m_bookChanged = false;
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
        m_bookChanged = false;
        Q_EMIT bookRowsLoaded();
    }
    Q_EMIT bookViewCaptionChanged(cb_drustva->currentText() + QStringLiteral(" - ") + cb_nk->currentText());
    return true;
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
    m_bookChanged = false;
    m_statusPanels[1]->setText(QStringLiteral("Spremljeno u ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))
                               + QStringLiteral(" sati"));
    return true;
}
