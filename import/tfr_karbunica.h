#pragma once

#include "clientimport.h"
#include "paths.h"

#include <QDialog>

class BookHistory;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SheetTableModel;
class TextGridModel;

// The import of one client's spreadsheets into the open book: the document
// and payment tables are loaded before the window opens, checked when it is
// shown, and "Pokreni" appends one book row per document.
class Tfr_karbunica : public QDialog {
    Q_OBJECT

public:
    // An import is one step of the book's history.
    Tfr_karbunica(TextGridModel *book, BookHistory *history, const AppFolders &folders, QWidget *parent = nullptr);

    // Loads the tables of the book kind; false when a workbook cannot be
    // read, and then the window must not open.
    bool otvoriExcel(int bookKind);
    bool PostojeTablice() const;
    bool ProvjeriTablice();
    void Button1Click();
    void UvozRobaUvoz();
    void UvozRobaIzvoz();
    void UvozUslugeUvoz();
    void ed_kbn_mapaExit();

    bool isLightGreen() const { return m_green; }

    QLabel *Label1 = nullptr;
    QLineEdit *ed_kbn_mapa = nullptr;
    QLabel *lb_dt_unosa = nullptr;
    QDateEdit *dt_unos = nullptr;
    QLabel *lb_excel_1 = nullptr;
    QLabel *lb_br_redova = nullptr;
    QLabel *lb_br_kolona = nullptr;
    QTableView *sg_kbn_1 = nullptr;
    QLabel *lb_excel_2 = nullptr;
    QLabel *lb_br_redova2 = nullptr;
    QLabel *lb_br_kolona2 = nullptr;
    QTableView *sg_kbn_2 = nullptr;
    QLabel *sb_excel_1 = nullptr;
    QPushButton *Button1 = nullptr;

    void done(int result) override;

Q_SIGNALS:
    // Rows were appended to the book: their heights need fitting.
    void rowsImported();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QWidget *buildTablePart(QLabel *&title, QLabel *&rows, QLabel *&columns, QTableView *&grid, SheetTableModel *model,
                            const QString &suffix);
    void FormCreate();
    void FormClose();
    void FormActivate();
    void setLight(bool green);
    void showCounts();
    void importDocuments(const ImportKind &kind);
    QString folder() const;

    TextGridModel *m_book;
    BookHistory *m_history;
    QString m_settingsPath;
    int m_bookKind = -1;
    ClientTables m_tables;
    SheetTableModel *m_documentsModel = nullptr;
    SheetTableModel *m_paymentsModel = nullptr;
    bool m_green = false;
};
