#pragma once

#include "openbook.h"
#include "paths.h"

#include <QWidget>

#include <functional>

class DropDownCombo;
class FieldNavigator;
class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QVBoxLayout;
struct ColumnMasks;
class TextGridModel;

// The entry window: company, year and book are chosen here, the book is
// opened into the book grid and saved from it.
class Tfr_nk_00 : public QWidget {
    Q_OBJECT

public:
    Tfr_nk_00(TextGridModel *book, ColumnMasks *masks, QWidget *parent = nullptr);

    // Found once at creation; the windows created later take it from here.
    const AppFolders &folders() const { return m_folders; }

    // The company register turns a company name into its number.
    void setCompanyLookup(std::function<QString(const QString &)> lookup) { m_companyLookup = std::move(lookup); }
    void appendCompanyNames(const QStringList &names);
    void replaceCompanyNames(const QStringList &names);

    // Asks before a changed book is dropped; false when the user cancels.
    bool mayDropBook();
    bool bookChanged() const { return m_bookChanged; }

    QString statusText(int panel) const;
    QString companyNumber() const { return m_choice.company; }

    void cb_drustvaChange();
    void cb_nkChange();
    bool bt_spremiClick();

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

Q_SIGNALS:
    // The book grid holds the chosen kind's template: show the book view.
    void bookViewNeeded();
    // The saved rows are in the book grid: their heights need fitting.
    void bookRowsLoaded();
    void bookViewCaptionChanged(const QString &caption);
    void companyRegisterRequested();
    void archiveRequested();
    void clientImportRequested();

private:
    void buildControls();
    void buildSelectionPanel(QWidget *panel);
    void buildStatusBar();
    void buildCommandBar();
    void FormCreate();

    void companyPicked();
    void yearPicked();
    void bookKindPicked();
    void restoreShownChoice();

    void PrikaziPanel();
    bool OtvoriPredlozak();
    bool UcitajKnjigu();
    void showImportButtonForChoice();
    void watchBookChanges();

    TextGridModel *m_book;
    ColumnMasks *m_masks;
    AppFolders m_folders;
    std::function<QString(const QString &)> m_companyLookup;
    FieldNavigator *m_navigator = nullptr;
    QVBoxLayout *m_panelArea = nullptr;
    QLabel *m_statusPanels[2] = {};

    // The choice the open book belongs to; the combos return to it when the
    // user cancels dropping a changed book.
    BookChoice m_choice;
    int m_shownCompanyIndex = -1;
    bool m_bookChanged = false;
};
