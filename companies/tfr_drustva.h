#pragma once

#include "companynumbers.h"
#include "paths.h"
#include "registermodel.h"

#include <QDialog>
#include <QStringList>

class QPushButton;
class TextGridView;

// The company register window: the register every other window sees, edited
// in place and written only by "Spremi". Closing it drops unsaved edits.
class Tfr_drustva : public QDialog {
    Q_OBJECT

public:
    explicit Tfr_drustva(const AppFolders &folders, QWidget *parent = nullptr);

    // The value of the result column in the first row whose search column
    // equals the text, case ignored; that row becomes the current row (which
    // printing reads) and the search column the current column. Empty when
    // no row matches; the current row then stays.
    QString Trazi(int searchColumn, int resultColumn, const QString &text);

    // The name, address and place of the company with the number, from the
    // register; its current row stays where it is.
    CompanyLines companyOf(const QString &number) const { return companyLines(m_model.grid(), number); }

    // The names of the companies, top to bottom, as last loaded or saved:
    // the company combo's items, so that item n is data row n + 1.
    QStringList savedCompanyNames() const { return m_savedNames; }

    // A cell of the current row: the company printing names (1 name,
    // 2 address, 3 place).
    QString currentRowText(int column) const;

    // Every way of closing (close box, Esc, reject) ends here.
    void done(int result) override;

    TextGridView *sg_drustva = nullptr;
    QPushButton *bt_novi_red = nullptr;
    QPushButton *bt_oduzmi_red = nullptr;
    QPushButton *bt_spremi = nullptr;

Q_SIGNALS:
    // The names and, row for row, the numbers of the saved register.
    void companyNamesSaved(const QStringList &names, const QStringList &numbers);

private:
    void FormCreate();
    void FormClose();
    void bt_novi_redClick();
    void bt_oduzmi_redClick();
    void emptyOnlyCompany();
    void bt_spremiClick();
    void sg_drustvaSelectCell();

    QPushButton *makeButton(const char *name, const QString &caption, const QString &hint);
    bool readRegisterOver(const TextGrid &base);
    void selectCell(int column, int row);
    int currentRow() const;
    QStringList dataFileNames() const;

    AppFolders m_folders;
    RegisterModel m_model;
    QStringList m_savedNames;
};
