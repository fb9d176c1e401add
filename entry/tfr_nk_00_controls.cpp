// The entry window's controls: where they stand, how they look, their hints.
#include "tfr_nk_00.h"

#include "catalogue.h"
#include "combos.h"
#include "commandgroup.h"
#include "fieldnavigator.h"
#include "fieldpanels.h"
#include "looks.h"
#include "panelbuilder.h"
#include "runningnumberedit.h"
#include "sortedlists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

QLabel *addLabel(QWidget *panel, const QString &name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(name);
    label->move(left, top);
    return label;
}

DropDownCombo *addCombo(QWidget *panel, const QString &name, QRect geometry, int visibleItems, const QString &hint)
{
    auto *combo = new DropDownCombo(panel);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    combo->setMaxVisibleItems(visibleItems);
    combo->setPlaceholderText(QStringLiteral("Odabrati..."));
    combo->setToolTip(hint);
    combo->setCursor(Qt::PointingHandCursor);
    combo->setStyleSheet(QStringLiteral("QComboBox { background-color: %1; color: blue; font-weight: bold; }")
                             .arg(toColor(kComboBackground).name()));
    return combo;
}

QPushButton *addShapedButton(QWidget *panel, const QString &name, const QString &caption, QRect geometry,
                             const QString &hint)
{
    auto *button = new QPushButton(caption, panel);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setToolTip(hint);
    makeShapedButton(button);
    return button;
}

const QStringList kShippedCurrencies{
    QStringLiteral("AUD (036)"), QStringLiteral("CAD (124)"), QStringLiteral("CHF (756)"), QStringLiteral("CZK (203)"),
    QStringLiteral("DKK (208)"), QStringLiteral("EUR (978)"), QStringLiteral("GBP (826)"), QStringLiteral("HRK (191)"),
    QStringLiteral("HUF (348)"), QStringLiteral("JPY (392)"), QStringLiteral("NOK (578)"), QStringLiteral("PLN (985)"),
    QStringLiteral("SEK (752)"), QStringLiteral("USD (840)")};

QString hintLines(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void Tfr_nk_00::buildControls()
{
    setFont(arialFont(8));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *pn_drustva = new QWidget;
    pn_drustva->setObjectName(QStringLiteral("pn_drustva"));
    pn_drustva->setFixedHeight(54);
    buildSelectionPanel(pn_drustva);
    column->addWidget(pn_drustva);

    buildStatusBar();
    column->addWidget(sb_nk);
    buildPrintControls(pn_drustva);

    m_panelArea = new QVBoxLayout;
    m_panelArea->setContentsMargins(0, 0, 0, 0);
    column->addLayout(m_panelArea);
    buildFieldPanels();

    buildCommandBar();
    column->addWidget(pn_gumbi);
    column->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->verticalScrollBar()->setFixedWidth(20);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void Tfr_nk_00::buildSelectionPanel(QWidget *panel)
{
    addLabel(panel, QStringLiteral("Label59"), QStringLiteral("Dodaj"), 4, 7);
    btDrustva = addShapedButton(panel, QStringLiteral("btDrustva"), QStringLiteral("Društva"), {49, 2, 182, 25},
                                QStringLiteral("Otvara tablicu s popisom društava za koje se rade nadzorne knjige"));
    addLabel(panel, QStringLiteral("Label1"), QStringLiteral("Društvo"), 4, 32);
    cb_drustva = addCombo(panel, QStringLiteral("cb_drustva"), {49, 28, 182, 21}, 20,
                          QStringLiteral("Popis društava za koja se žele voditi nadzorne knjige"));

    QLabel *yearLabel = addLabel(panel, QStringLiteral("Label2"), QStringLiteral("God."), 236, 32);
    yearLabel->setAlignment(Qt::AlignRight);
    se_godina = new QSpinBox(panel);
    se_godina->setObjectName(QStringLiteral("se_godina"));
    se_godina->setGeometry(263, 28, 52, 21);
    se_godina->setRange(2000, 2100);
    se_godina->setKeyboardTracking(false);
    se_godina->setToolTip(QStringLiteral("Godina za koju se radi nadzorna knjiga\n") + QString(27, QLatin1Char('-')));

    addLabel(panel, QStringLiteral("Label3"), QStringLiteral("NK"), 320, 32);
    cb_nk = addCombo(panel, QStringLiteral("cb_nk"), {337, 28, 335, 21}, 22, QStringLiteral("Popis nadzornih knjiga"));

    bt_arhiva = addShapedButton(panel, QStringLiteral("bt_arhiva"), QStringLiteral("Arhiva"), {463, 2, 59, 25},
                                QStringLiteral("Otvara prozor s arhiviranim dokumentima"));
    bt_karbunica = new QPushButton(QStringLiteral("UVOZ"), panel);
    bt_karbunica->setObjectName(QStringLiteral("bt_karbunica"));
    bt_karbunica->setGeometry(675, 3, 49, 22);
    bt_karbunica->setToolTip(QStringLiteral("Uvoz podataka za firmu Karbunica Bravin d.o.o."));

    buildCurrencyControls(panel);

    setTabOrder(cb_drustva, se_godina);
    setTabOrder(se_godina, cb_nk);
    for (QWidget *control : {static_cast<QWidget *>(cb_drustva), static_cast<QWidget *>(se_godina),
                             static_cast<QWidget *>(cb_nk)})
        m_navigator->watch(control);
}

void Tfr_nk_00::buildCurrencyControls(QWidget *panel)
{
    cb_valute = addCombo(panel, QStringLiteral("cb_valute"), {530, 3, 96, 21}, 20,
                         hintLines({QStringLiteral("1. Odabrati valutu"),
                                    QStringLiteral("2. Promijeniti valutnu oznaku polja (kliknuti na sivi okrugli gumb)")}));
    cb_valute->setPlaceholderText(QStringLiteral("Valute"));
    cb_valute->addItems(sortedList(kShippedCurrencies));

    ed_valuta = new QLineEdit(m_currencyCode, panel);
    ed_valuta->setObjectName(QStringLiteral("ed_valuta"));
    ed_valuta->setGeometry(630, 3, 42, 21);
    QFont bold = ed_valuta->font();
    bold.setBold(true);
    ed_valuta->setFont(bold);
    ed_valuta->setToolTip(hintLines(
        {QStringLiteral("1. Odabrati valutu ili upisati valutnu oznaku ako je nema u priloženoj listi"),
         QStringLiteral("2. Promijeniti valutnu oznaku polja (kliknuti na sivi okrugli gumb)")}));
    for (QWidget *control : {static_cast<QWidget *>(cb_valute), static_cast<QWidget *>(ed_valuta)})
        m_navigator->watch(control);
}

void Tfr_nk_00::buildFieldPanels()
{
    const PanelHandlers handlers{[this](QToolButton *button) { BUbaci_u_memo(button); },
                                 [this](QToolButton *button) { BDisplayFormat(button); }};
    for (const PanelDef &definition : fieldPanels()) {
        QWidget *panel = buildFieldPanel(definition, *m_navigator, handlers);
        panel->hide();
        m_panelArea->addWidget(panel);
    }
}

void Tfr_nk_00::buildStatusBar()
{
    sb_nk = new QStatusBar;
    sb_nk->setObjectName(QStringLiteral("sb_nk"));
    sb_nk->setFixedHeight(19);
    sb_nk->setSizeGripEnabled(false);
    sb_nk->setToolTip(hintLines({QStringLiteral("Redni broj u nadzornoj knjizi"), QString(32, QLatin1Char('-')),
                                 QStringLiteral("Vrijeme posljednjeg spremanja nadzorne knjige")}));
    const int widths[2] = {100, 200};
    for (int panel = 0; panel < 2; ++panel) {
        m_statusPanels[panel] = new QLabel;
        m_statusPanels[panel]->setObjectName(QStringLiteral("sb_nk_%1").arg(panel));
        m_statusPanels[panel]->setFixedWidth(widths[panel]);
        sb_nk->addWidget(m_statusPanels[panel]);
    }
}

void Tfr_nk_00::buildCommandBar()
{
    pn_gumbi = new QWidget;
    pn_gumbi->setObjectName(QStringLiteral("pn_gumbi"));
    pn_gumbi->setFixedHeight(64);
    auto *bar = new QHBoxLayout(pn_gumbi);
    bar->setContentsMargins(0, 0, 0, 0);
    bg_komande = new QWidget(pn_gumbi);
    bg_komande->setObjectName(QStringLiteral("bg_komande"));
    bar->addWidget(bg_komande, 1);
    bar->addStretch(0);
    auto *row = new QHBoxLayout(bg_komande);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *group = new CommandGroup(bg_komande);

    const struct {
        QPushButton *Tfr_nk_00::*member;
        const char *name;
        const char *caption;
        QStringList hint;
    } buttons[] = {
        {&Tfr_nk_00::bt_isprazni, "bt_isprazni", "Isprazni", {QStringLiteral("Briše sadržaje polja u formi za unos")}},
        {&Tfr_nk_00::bt_dodaj, "bt_dodaj", "Dodaj u novi red",
         {QStringLiteral("Dodaje novi red u odabranoj nadzornoj knjizi"), QStringLiteral("============"),
          QStringLiteral("Prebacuje podatke iz forme za unos u novi red nadzorne knjige"),
          QStringLiteral("============"), QStringLiteral("Automatski upisuje redni broj u nadzornoj knjizi")}},
        {&Tfr_nk_00::bt_promijeni, "bt_promijeni", "Promijeni",
         {QStringLiteral("Ubacuje podatke iz forme za unos u odabrani red nadzorne knjige")}},
        {&Tfr_nk_00::bt_spremi, "bt_spremi", "Spremi", {QStringLiteral("Sprema nadzornu knjigu")}},
        {&Tfr_nk_00::bt_ispis, "bt_ispis", "Ispis", {QStringLiteral("Ispiši nadzornu knjigu")}},
        {&Tfr_nk_00::bt_izvoz, "bt_izvoz", "Izvoz", {QStringLiteral("Izvoz nadzorne knjige u tablicu (.xlsx)")}},
    };
    for (const auto &command : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(command.caption));
        button->setObjectName(QString::fromLatin1(command.name));
        button->setToolTip(hintLines(command.hint));
        makeShapedButton(button, 12);
        // Six commands fit the window as created: narrower than 145 only
        // as far as their captions allow.
        button->setFixedHeight(64);
        button->setMinimumWidth(button->sizeHint().width());
        button->setMaximumWidth(145);
        group->addButton(button);
        row->addWidget(button, 1);
        this->*command.member = button;
    }
    bg_komande->hide();
}

// The orientation stands on the upper row; the range and its running
// numbers, for want of room there, at the right of the status bar.
void Tfr_nk_00::buildPrintControls(QWidget *panel)
{
    Label57 = addLabel(panel, QStringLiteral("Label57"), QStringLiteral("Ispis"), 236, 7);
    Label57->setToolTip(hintLines({QStringLiteral("Odabrati opciju ispisa "), QStringLiteral("=========="),
                                   QStringLiteral("Opcija ispisa se odabire prije odabira nadzorne knjige")}));
    cb_ispis = addCombo(panel, QStringLiteral("cb_ispis"), {262, 3, 120, 21}, 2,
                        hintLines({QStringLiteral("okomiti ispis - okomito usmjerenje ispisa (portrait)"),
                                   QStringLiteral("vodoravni ispis - vodoravno usmjerenje ispisa (landscape)")}));
    cb_ispis->addItems({QStringLiteral("okomiti ispis"), QStringLiteral("vodoravni ispis")});

    auto *range = new QWidget;
    range->setObjectName(QStringLiteral("pn_ispis_od_do"));
    auto *row = new QHBoxLayout(range);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(4);
    cb_ispis_od = addCombo(range, QStringLiteral("cb_ispis_od"), {}, 3,
                           hintLines({QStringLiteral("Ispis odabranog zapisa - ispis samo jednog zapisa nadzorne knjige "
                                                     "(odabrani red tablice)"),
                                      QString(20, QLatin1Char('=')),
                                      QStringLiteral("Ispis od-do - od jednog rednog broja do drugog rednog broja")}));
    cb_ispis_od->addItems({QStringLiteral("ispis cijele knjige"), QStringLiteral("ispis odabranog zapisa"),
                           QStringLiteral("ispis od-do")});
    cb_ispis_od->setFixedWidth(150);
    row->addWidget(cb_ispis_od);
    const struct {
        QLabel *Tfr_nk_00::*label;
        RunningNumberEdit *Tfr_nk_00::*edit;
        const char *labelName;
        const char *caption;
        const char *editName;
        const char *hint;
    } numbers[] = {
        {.label = &Tfr_nk_00::Label60, .edit = &Tfr_nk_00::ce_ispis_od, .labelName = "Label60", .caption = "od",
         .editName = "ce_ispis_od", .hint = "od - redni broj iz prve kolone nadzorne knjige"},
        {.label = &Tfr_nk_00::Label61, .edit = &Tfr_nk_00::ce_ispis_do, .labelName = "Label61", .caption = "do",
         .editName = "ce_ispis_do", .hint = "do - redni broj iz prve kolone nadzorne knjige"},
    };
    for (const auto &number : numbers) {
        QLabel *label = addLabel(range, QString::fromLatin1(number.labelName), QString::fromLatin1(number.caption), 0, 0);
        auto *edit = new RunningNumberEdit(range);
        edit->setObjectName(QString::fromLatin1(number.editName));
        edit->setToolTip(QString::fromUtf8(number.hint));
        edit->setFixedWidth(56);
        row->addWidget(label);
        row->addWidget(edit);
        this->*number.label = label;
        this->*number.edit = edit;
    }
    sb_nk->addPermanentWidget(range);
    for (QWidget *control : {static_cast<QWidget *>(cb_ispis), static_cast<QWidget *>(cb_ispis_od),
                             static_cast<QWidget *>(ce_ispis_od), static_cast<QWidget *>(ce_ispis_do)})
        m_navigator->watch(control);
}
