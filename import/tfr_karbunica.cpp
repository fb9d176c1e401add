#include "tfr_karbunica.h"

#include "bookhistory.h"

#include "importsettings.h"
#include "looks.h"
#include "messages.h"
#include "sheettablemodel.h"
#include "textgridmodel.h"

#include <QDateEdit>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("Postavke");
const QString kFolderKey = QStringLiteral("Mapa");

// A few numbers are enough for the user to recognise the documents.
QString repeatedDocumentsQuestion(const QStringList &numbers)
{
    constexpr int kShown = 10;
    QString list = numbers.mid(0, kShown).join(QStringLiteral(", "));
    if (numbers.size() > kShown)
        list += QStringLiteral(" i još %1").arg(numbers.size() - kShown);
    return QStringLiteral("Dokumenti %1 su već uvezeni. Uvesti ih ponovno?").arg(list);
}

} // namespace

Tfr_karbunica::Tfr_karbunica(TextGridModel *book, BookHistory *history, const AppFolders &folders, QWidget *parent)
    : QDialog(parent), m_book(book), m_history(history), m_settingsPath(folders.importSettingsPath())
{
    setObjectName(QStringLiteral("fr_karbunica"));
    setWindowTitle(QStringLiteral("Karbunica Bravin d.o.o."));
    buildControls();
    resize(669, 454);
    FormCreate();
    connect(ed_kbn_mapa, &QLineEdit::editingFinished, this, &Tfr_karbunica::ed_kbn_mapaExit);
    connect(Button1, &QPushButton::clicked, this, &Tfr_karbunica::Button1Click);
}

void Tfr_karbunica::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    Label1 = new QLabel(QStringLiteral("Mapa uvoznih dokumenata"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ed_kbn_mapa = new QLineEdit(this);
    ed_kbn_mapa->setObjectName(QStringLiteral("ed_kbn_mapa"));
    ed_kbn_mapa->setFont(arialFont(11));
    ed_kbn_mapa->setToolTip(QStringLiteral("Naziv mape s dokumentima za uvoz, npr. C:\\Karbunica\\Uvoz\n"
                                           "upisati bez navodnika i bez kose crte na kraju"));
    Label1->setBuddy(ed_kbn_mapa);
    layout->addWidget(Label1);
    layout->addWidget(ed_kbn_mapa);

    auto *dateRow = new QHBoxLayout;
    lb_dt_unosa = new QLabel(QStringLiteral("Datum unosa:"), this);
    lb_dt_unosa->setObjectName(QStringLiteral("lb_dt_unosa"));
    dt_unos = new QDateEdit(this);
    dt_unos->setObjectName(QStringLiteral("dt_unos"));
    dt_unos->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dt_unos->setCalendarPopup(true);
    dateRow->addWidget(lb_dt_unosa);
    dateRow->addWidget(dt_unos);
    dateRow->addStretch();
    layout->addLayout(dateRow);
    lb_dt_unosa->hide();
    dt_unos->hide();

    m_documentsModel = new SheetTableModel(this);
    m_paymentsModel = new SheetTableModel(this);
    layout->addWidget(buildTablePart(lb_excel_1, lb_br_redova, lb_br_kolona, sg_kbn_1, m_documentsModel, QStringLiteral("")), 1);
    layout->addWidget(buildTablePart(lb_excel_2, lb_br_redova2, lb_br_kolona2, sg_kbn_2, m_paymentsModel, QStringLiteral("2")), 1);
    lb_excel_1->setObjectName(QStringLiteral("lb_excel_1"));
    lb_excel_2->setObjectName(QStringLiteral("lb_excel_2"));
    sg_kbn_1->setObjectName(QStringLiteral("sg_kbn_1"));
    sg_kbn_2->setObjectName(QStringLiteral("sg_kbn_2"));

    auto *bottom = new QHBoxLayout;
    sb_excel_1 = new QLabel(this);
    sb_excel_1->setObjectName(QStringLiteral("sb_excel_1"));
    sb_excel_1->setFixedSize(20, 20);
    sb_excel_1->setToolTip(QStringLiteral("Zeleno - tablica je OK\nCrveno - provjeriti tablicu, nije prošla kontrolni test"));
    Button1 = new QPushButton(QStringLiteral("Pokreni"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    bottom->addWidget(sb_excel_1);
    bottom->addStretch();
    bottom->addWidget(Button1);
    layout->addLayout(bottom);
    setLight(false);
}

QWidget *Tfr_karbunica::buildTablePart(QLabel *&title, QLabel *&rows, QLabel *&columns, QTableView *&grid,
                                       SheetTableModel *model, const QString &suffix)
{
    auto *part = new QWidget(this);
    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    title = new QLabel(part);
    title->setAutoFillBackground(true);
    title->setStyleSheet(QStringLiteral("QLabel { background: navy; color: white; font-weight: bold; padding: 2px; }"));
    auto *counts = new QHBoxLayout;
    rows = new QLabel(QStringLiteral("Broj redova: "), part);
    rows->setObjectName(QStringLiteral("lb_br_redova") + suffix);
    columns = new QLabel(QStringLiteral("Broj kolona: "), part);
    columns->setObjectName(QStringLiteral("lb_br_kolona") + suffix);
    counts->addWidget(rows);
    counts->addWidget(columns);
    counts->addStretch();
    grid = new QTableView(part);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(21);
    layout->addWidget(title);
    layout->addLayout(counts);
    layout->addWidget(grid, 1);
    return part;
}

void Tfr_karbunica::FormCreate()
{
    if (QFile::exists(m_settingsPath))
        ed_kbn_mapa->setText(ProcitajPostavku(m_settingsPath, kSection, kFolderKey, QString()));
}

void Tfr_karbunica::FormClose()
{
    SpremiPostavku(m_settingsPath, kSection, kFolderKey, ed_kbn_mapa->text());
}

void Tfr_karbunica::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void Tfr_karbunica::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tfr_karbunica::FormActivate()
{
    if (!ProvjeriTablice())
        showMessage(this, QStringLiteral("Tablice nisu u skladu s propisom!"));
    dt_unos->setDate(QDate::currentDate());
}

void Tfr_karbunica::ed_kbn_mapaExit()
{
    ed_kbn_mapa->setText(tidiedFolder(ed_kbn_mapa->text()));
}

QString Tfr_karbunica::folder() const
{
    return ed_kbn_mapa->text();
}

bool Tfr_karbunica::PostojeTablice() const
{
    const ImportKind *kind = importKind(m_bookKind);
    return kind && !workbookPath(folder(), QString::fromLatin1(kind->documentFile)).isEmpty()
           && !workbookPath(folder(), QString::fromLatin1(kind->paymentFile)).isEmpty();
}

bool Tfr_karbunica::otvoriExcel(int bookKind)
{
    m_bookKind = bookKind;
    const ImportKind *kind = importKind(bookKind);
    if (!kind)
        return true;
    if (!PostojeTablice()) {
        showMessage(this, missingTablesMessage(*kind, folder()));
        return true;
    }
    ClientTables loaded;
    QString error;
    if (!loadClientTables(*kind, folder(), loaded, error)) {
        showError(this, error);
        return false;
    }
    m_tables = loaded;
    m_documentsModel->setTable(m_tables.documents);
    m_paymentsModel->setTable(m_tables.payments);
    return true;
}

void Tfr_karbunica::setLight(bool green)
{
    m_green = green;
    sb_excel_1->setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid gray; border-radius: 10px; }")
                                  .arg(green ? QStringLiteral("#20c020") : QStringLiteral("#e02020")));
}

void Tfr_karbunica::showCounts()
{
    lb_br_redova->setText(QStringLiteral("Broj redova: %1").arg(m_tables.documents.rowCount()));
    lb_br_kolona->setText(QStringLiteral("Broj kolona: %1").arg(m_tables.documents.columnCount()));
    lb_br_redova2->setText(QStringLiteral("Broj redova: %1").arg(m_tables.payments.rowCount()));
    lb_br_kolona2->setText(QStringLiteral("Broj kolona: %1").arg(m_tables.payments.columnCount()));
}

bool Tfr_karbunica::ProvjeriTablice()
{
    showCounts();
    lb_excel_1->clear();
    lb_excel_2->clear();
    setLight(true);
    const ImportKind *kind = importKind(m_bookKind);
    if (!kind) {
        setLight(false);
        return false;
    }
    if (!hasExpectedShape(*kind, m_tables)) {
        showMessage(this, shapeMessage(*kind, folder(), m_tables));
        setLight(false);
        return false;
    }
    lb_dt_unosa->hide();
    dt_unos->hide();
    lb_excel_1->setText(m_tables.documentFile);
    lb_excel_2->setText(m_tables.paymentFile);
    const bool goodsExport = m_bookKind == 1;
    lb_dt_unosa->setVisible(goodsExport);
    dt_unos->setVisible(goodsExport);
    return true;
}

void Tfr_karbunica::Button1Click()
{
    if (!m_green)
        return;
    switch (m_bookKind) {
    case 0:
        UvozRobaUvoz();
        break;
    case 1:
        UvozRobaIzvoz();
        break;
    case 2:
        UvozUslugeUvoz();
        break;
    }
}

void Tfr_karbunica::UvozRobaUvoz()
{
    importDocuments(*importKind(0));
}

void Tfr_karbunica::UvozRobaIzvoz()
{
    importDocuments(*importKind(1));
}

void Tfr_karbunica::UvozUslugeUvoz()
{
    importDocuments(*importKind(2));
}

// Every row is built and checked before the book changes, so that an amount
// that is not a number leaves the book as it was.
void Tfr_karbunica::importDocuments(const ImportKind &kind)
{
    QString error;
    const std::optional<ImportedRows> built = buildImportedRows(kind, m_tables, dt_unos->date(), m_book->columnCount(), error);
    if (!built) {
        showMessage(this, error);
        return;
    }
    const QStringList repeated = alreadyImported(*m_book, built->documentNumbers);
    if (!repeated.isEmpty() && !askYesNo(this, repeatedDocumentsQuestion(repeated), AnswerByDefault::No))
        return;
    bool appended = false;
    m_history->record(QStringLiteral("Uvoz"), [&] { appended = appendImportedRows(*m_book, built->rows, error); });
    if (!appended) {
        showError(this, error);
        return;
    }
    Q_EMIT rowsImported();
    showMessage(this, QStringLiteral("Broj uvezenih redova: %1").arg(built->rows.size()));
}
