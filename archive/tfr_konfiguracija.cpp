#include "tfr_konfiguracija.h"

#include "archiveslots.h"
#include "looks.h"
#include "messages.h"
#include "restore.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kInstructions[] =
    "<p><b>Kako funkcionira izrada sigurnosnih kopija?</b></p>"
    "<p>Kad korisnik u programu klikne gumb <b>Spremi</b>, program sprema dokumente u sljedeću mapu:<br>"
    "<font color=\"blue\"><b>&lt;[x]\\LumbracPartneri\\Raravazo veveve\\Data&gt;</b></font></p>"
    "<p>Kad korisnik <b>zatvara</b> program, automatski se provodi sigurnosno kopiranje. Sigurnosne kopije nalaze "
    "se u ovoj mapi:<br>"
    "<font color=\"blue\"><b>&lt;[x]\\LumbracPartneri\\Raravazo veveve\\Arhiva&gt;</b></font></p>"
    "<p>Kad korisnik želi <b>zamijeniti</b> postojeće dokumente s dokumentima iz arhive (<font color=\"red\"><b>"
    "upozorenje: zamjena je nepovratna</b></font>), postupa na sljedeći način:</p>"
    "<ul><li>odabire arhivski dokument</li><li>klikne na gumb <b>OK</b></li></ul>";

const char kDataFolderLabel[] = "[x]\\LumbracPartneri\\Raravazo veveve\\Data";

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

QString withFolders(const QString &text, const AppFolders &folders)
{
    return QString(text)
        .replace(QStringLiteral("[x]\\LumbracPartneri\\Raravazo veveve\\Data"),
                 QDir::toNativeSeparators(folders.dataFolder()))
        .replace(QStringLiteral("[x]\\LumbracPartneri\\Raravazo veveve\\Arhiva"),
                 QDir::toNativeSeparators(folders.archiveFolder()));
}

Tfr_konfiguracija::Tfr_konfiguracija(const AppFolders &folders, ArchiveProgress *progress, QWidget *parent)
    : QDialog(parent), m_folders(folders), m_progress(progress)
{
    setObjectName(QStringLiteral("fr_konfiguracija"));
    setWindowTitle(QStringLiteral("Arhiva"));
    setFont(arialFont(8));

    auto *pages = new QTabWidget;
    pages->addTab(buildPage(), QStringLiteral("Sigurnosne kopije"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &Tfr_konfiguracija::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto *bottomBar = new QHBoxLayout;
    bottomBar->addStretch();
    bottomBar->addWidget(BitBtn1);
    bottomBar->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(bottomBar);
    resize(578, 361);
    FormCreate();
}

QWidget *Tfr_konfiguracija::buildPage()
{
    auto *page = new QWidget;
    Label60 = new QLabel(QStringLiteral("Odabrati sigurnosnu kopiju (kliknuti na određeni red) i kliknuti na \"OK\""));
    Label60->setObjectName(QStringLiteral("Label60"));
    Label60->setWordWrap(true);

    sg_pricuva = new QTableWidget(kSlotCount, 3);
    sg_pricuva->setObjectName(QStringLiteral("sg_pricuva"));
    sg_pricuva->setHorizontalHeaderLabels({QStringLiteral("Red. broj"), QStringLiteral("Datum dokumenta"),
                                           QStringLiteral("Naziv dokumenta")});
    sg_pricuva->verticalHeader()->hide();
    sg_pricuva->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_pricuva->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg_pricuva->setSelectionMode(QAbstractItemView::SingleSelection);

    reArhiva = new QTextEdit;
    reArhiva->setObjectName(QStringLiteral("reArhiva"));
    reArhiva->setReadOnly(true);
    reArhiva->setFrameShape(QFrame::NoFrame);
    reArhiva->setFont(arialFont(8));
    QPalette windowColour = reArhiva->palette();
    windowColour.setColor(QPalette::Base, palette().color(QPalette::Window));
    reArhiva->setPalette(windowColour);

    Button1 = new QPushButton(QStringLiteral("Otvori"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Otvaranje mape s nadzornim knjigama u zadanom pregledniku "));
    connect(Button1, &QPushButton::clicked, this, &Tfr_konfiguracija::Button1Click);
    bt_ponisti = new QPushButton(QStringLiteral("Poništi vraćanje"));
    bt_ponisti->setObjectName(QStringLiteral("bt_ponisti"));
    bt_ponisti->setToolTip(QStringLiteral("Vraća knjige kakve su bile prije posljednjeg vraćanja iz arhive"));
    connect(bt_ponisti, &QPushButton::clicked, this, &Tfr_konfiguracija::bt_ponistiClick);
    lb_data = new QLabel(QString::fromUtf8(kDataFolderLabel));
    lb_data->setObjectName(QStringLiteral("lb_data"));

    auto *left = new QVBoxLayout;
    left->addWidget(Label60);
    left->addWidget(sg_pricuva, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(reArhiva, 1);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(Button1);
    folderRow->addWidget(bt_ponisti);
    folderRow->addWidget(lb_data, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(columns, 1);
    layout->addLayout(folderRow);
    return page;
}

void Tfr_konfiguracija::FormCreate()
{
    const int widths[] = {60, 95, 100};
    for (int column = 0; column < 3; ++column)
        sg_pricuva->setColumnWidth(column, widths[column]);
    sg_pricuva->setFixedWidth(60 + 95 + 100 + 2 * sg_pricuva->frameWidth() + 4);
    for (int row = 0; row < kSlotCount; ++row)
        for (int column = 0; column < 3; ++column)
            sg_pricuva->setItem(row, column, fixedItem(column == 0 ? QString::number(row + 1) : QString()));
    sg_pricuva->setCurrentCell(0, 0);
    reArhiva->setHtml(withFolders(QString::fromUtf8(kInstructions), m_folders));
    lb_data->setText(withFolders(lb_data->text(), m_folders));
}

// Each row shows its slot's number, so the number names the file whatever
// the order; the current row keeps its place.
void Tfr_konfiguracija::GridPricuva()
{
    const SlotDates dates = readSlotDates(m_folders);
    const std::array<int, kSlotCount> order = slotsByDate(dates);
    for (int row = 0; row < kSlotCount; ++row) {
        const int slot = order[row];
        sg_pricuva->item(row, 0)->setText(QString::number(slot));
        sg_pricuva->item(row, 1)->setText(dates[slot - 1].toString(QStringLiteral("dd.MM.yyyy")));
        sg_pricuva->item(row, 2)->setText(QFileInfo(m_folders.archiveSlotPath(slot)).fileName());
    }
    bt_ponisti->setEnabled(QFileInfo::exists(m_folders.preRestoreArchivePath()));
}

bool Tfr_konfiguracija::ModalFormKon()
{
    return exec() == QDialog::Accepted;
}

void Tfr_konfiguracija::BitBtn1Click()
{
    const int row = sg_pricuva->currentRow() >= 0 ? sg_pricuva->currentRow() : 0;
    m_chosenArchive = m_folders.archiveFolder() + QLatin1Char('/') + sg_pricuva->item(row, 2)->text();
    accept();
}

void Tfr_konfiguracija::bt_ponistiClick()
{
    m_chosenArchive = m_folders.preRestoreArchivePath();
    accept();
}

void Tfr_konfiguracija::SigurKopZamijeni()
{
    const RestoreOutcome outcome = ::SigurKopZamijeni(m_folders, m_chosenArchive, m_progress);
    if (outcome.restored > 0)
        Q_EMIT dataFolderRestored();
    showMessage(parentWidget(), restoreMessage(outcome, m_chosenArchive));
}

void Tfr_konfiguracija::Button1Click()
{
    const QString folder = m_folders.dataFolder();
    if (QFileInfo(folder).isDir())
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    else
        showMessage(this, QStringLiteral("Mapa nije kreirana."));
}

void Tfr_konfiguracija::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        GridPricuva();
    QDialog::changeEvent(event);
}

void Tfr_konfiguracija::showEvent(QShowEvent *event)
{
    GridPricuva();
    QDialog::showEvent(event);
}
