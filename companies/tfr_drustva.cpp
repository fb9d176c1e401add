#include "tfr_drustva.h"

#include "cellfile.h"
#include "companynumbers.h"
#include "messages.h"
#include "textgridview.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kDefaultColumnWidth = 64;
constexpr int kColumnCount = 5;
constexpr int kNumberColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kEditedColumnWidth = 120;

TextGrid emptyRegister()
{
    const QStringList titles{QStringLiteral("Šifra"), QStringLiteral("Naziv"), QStringLiteral("Adresa"),
                             QStringLiteral("Mjesto"), QStringLiteral("OIB")};
    TextGrid grid(kDefaultColumnWidth, kColumnCount, 2);
    for (int column = 0; column < kColumnCount; ++column)
        grid.setCell(column, 0, titles[column]);
    return grid;
}

// A file of fewer columns or without a company row still gives a register
// that every operation can work on.
TextGrid withRegisterShape(TextGrid grid)
{
    grid.setColumnCount(std::max(grid.columnCount(), kColumnCount));
    grid.setRowCount(std::max(grid.rowCount(), 2));
    return grid;
}

TextGrid withoutText(TextGrid grid)
{
    grid.clearRows(0, grid.rowCount() - 1);
    return grid;
}

QStringList companyColumn(const TextGrid &grid, int column)
{
    QStringList texts;
    for (int row = 1; row < grid.rowCount(); ++row)
        texts.append(grid.cell(column, row));
    return texts;
}

} // namespace

Tfr_drustva::Tfr_drustva(const AppFolders &folders, QWidget *parent)
    : QDialog(parent), m_folders(folders), m_model(kDefaultColumnWidth)
{
    setObjectName(QStringLiteral("fr_drustva"));
    setWindowTitle(QStringLiteral("Društva"));

    bt_novi_red = makeButton("bt_novi_red", QStringLiteral("Dodaj"), QStringLiteral("Dodaje novo društvo"));
    bt_oduzmi_red = makeButton("bt_oduzmi_red", QStringLiteral("Obriši"), QStringLiteral("Briše odabrani red"));
    bt_spremi = makeButton("bt_spremi", QStringLiteral("Spremi"), QStringLiteral("Sprema bazu."));
    connect(bt_novi_red, &QPushButton::clicked, this, &Tfr_drustva::bt_novi_redClick);
    connect(bt_oduzmi_red, &QPushButton::clicked, this, &Tfr_drustva::bt_oduzmi_redClick);
    connect(bt_spremi, &QPushButton::clicked, this, &Tfr_drustva::bt_spremiClick);
    auto *buttonBar = new QHBoxLayout;
    buttonBar->addWidget(bt_novi_red);
    buttonBar->addWidget(bt_oduzmi_red);
    buttonBar->addWidget(bt_spremi);
    buttonBar->addStretch();

    sg_drustva = new TextGridView;
    sg_drustva->setObjectName(QStringLiteral("sg_drustva"));
    sg_drustva->setFont(QFont(QStringLiteral("Tahoma"), 8));
    sg_drustva->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_drustva->setGridModel(&m_model);
    connect(sg_drustva->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Tfr_drustva::sg_drustvaSelectCell);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttonBar);
    layout->addWidget(sg_drustva, 1);

    resize(632, 451);
    FormCreate();
}

void Tfr_drustva::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void Tfr_drustva::FormCreate()
{
    m_model.edit([](TextGrid &grid) { grid = emptyRegister(); });
    if (!QFile::exists(m_folders.registerPath()) || !readRegisterOver(emptyRegister()))
        m_model.setCell(kNumberColumn, 1, QString::number(firstCompanyNumber(dataFileNames())));
    for (int column = 1; column < kColumnCount; ++column)
        m_model.setColumnWidth(column, kEditedColumnWidth);
    m_savedNames = companyColumn(m_model.grid(), kNameColumn);
    selectCell(kNumberColumn, 1);
    sg_drustva->fitRowHeights();
}

void Tfr_drustva::FormClose()
{
    if (!QFile::exists(m_folders.registerPath()))
        return;
    const int column = std::max(sg_drustva->currentIndex().column(), 0);
    const int row = currentRow();
    // The file lists only the cells that have text, so the grid is emptied first.
    if (!readRegisterOver(withoutText(m_model.grid())))
        return;
    selectCell(column, std::min(row, m_model.rowCount() - 1));
}

void Tfr_drustva::bt_novi_redClick()
{
    if (onlyCompanyIsUnnamed(m_model.grid())) {
        selectCell(kNameColumn, 1);
        sg_drustva->setFocus();
        return;
    }
    const int number = nextCompanyNumber(m_model.grid(), dataFileNames());
    const int row = m_model.rowCount();
    m_model.insertRows(row, 1);
    m_model.setCell(kNumberColumn, row, QString::number(number));
    selectCell(kNameColumn, row);
    sg_drustva->setFocus();
}

void Tfr_drustva::bt_oduzmi_redClick()
{
    if (m_model.rowCount() == 2) {
        emptyOnlyCompany();
        return;
    }
    const int column = std::max(sg_drustva->currentIndex().column(), 0);
    const int row = currentRow();
    m_model.removeRows(row, 1);
    selectCell(column, std::min(row, m_model.rowCount() - 1));
}

// The register keeps one row. Emptied, it takes a number of its own, so that
// a company named there next never opens the deleted company's books.
void Tfr_drustva::emptyOnlyCompany()
{
    if (!holdsCompanyData(m_model.grid(), 1))
        return;
    const int number = nextCompanyNumber(m_model.grid(), dataFileNames());
    for (int column = kNameColumn; column < m_model.columnCount(); ++column)
        m_model.setCell(column, 1, QString());
    m_model.setCell(kNumberColumn, 1, QString::number(number));
}

void Tfr_drustva::bt_spremiClick()
{
    QString error;
    if (!saveCellFile(m_model.grid(), m_folders.registerPath(), error)) {
        showError(this, error);
        return;
    }
    m_savedNames = companyColumn(m_model.grid(), kNameColumn);
    Q_EMIT companyNamesSaved(m_savedNames, companyColumn(m_model.grid(), kNumberColumn));
}

void Tfr_drustva::sg_drustvaSelectCell()
{
    sg_drustva->fitRowHeights();
}

QString Tfr_drustva::Trazi(int searchColumn, int resultColumn, const QString &text)
{
    const int found = findRowIgnoringCase(m_model.grid(), searchColumn, text);
    selectCell(searchColumn, found > 0 ? found : currentRow());
    return found > 0 ? m_model.cell(resultColumn, found) : QString();
}

QPushButton *Tfr_drustva::makeButton(const char *name, const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// The grid becomes the file read over base; when the file cannot be read the
// error is shown and the grid stays as it was.
bool Tfr_drustva::readRegisterOver(const TextGrid &base)
{
    TextGridModel scratch(kDefaultColumnWidth);
    scratch.edit([&](TextGrid &grid) { grid = base; });
    QString error;
    if (!loadCellFile(scratch, m_folders.registerPath(), error)) {
        showError(this, error);
        return false;
    }
    m_model.edit([&](TextGrid &grid) { grid = withRegisterShape(scratch.grid()); });
    return true;
}

void Tfr_drustva::selectCell(int column, int row)
{
    const QModelIndex cell = m_model.index(row, column);
    sg_drustva->setCurrentIndex(cell);
    sg_drustva->scrollTo(cell);
}

// The grid always has a current data row, the first one when none was chosen.
int Tfr_drustva::currentRow() const
{
    return std::max(sg_drustva->currentIndex().row(), 1);
}

QString Tfr_drustva::currentRowText(int column) const
{
    const int row = currentRow();
    return row < m_model.rowCount() && column < m_model.columnCount() ? m_model.cell(column, row) : QString();
}

QStringList Tfr_drustva::dataFileNames() const
{
    return QDir(m_folders.dataFolder()).entryList(QDir::Files);
}
