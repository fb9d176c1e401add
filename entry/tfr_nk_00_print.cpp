// The entry window's side of printing: the template for the chosen book
// and orientation, the bounds of the running-number fields, and "Ispis".
#include "tfr_nk_00.h"

#include "booklookup.h"
#include "catalogue.h"
#include "combos.h"
#include "messages.h"
#include "runningnumberedit.h"
#include "textgridmodel.h"

#include <QItemSelectionModel>
#include <QPushButton>
#include <QSpinBox>

void Tfr_nk_00::connectPrintControls()
{
    connect(cb_ispis, &QComboBox::activated, this, &Tfr_nk_00::cb_ispisChange);
    connect(ce_ispis_od, &RunningNumberEdit::entered, this, &Tfr_nk_00::ce_ispis_odEnter);
    connect(ce_ispis_od, &RunningNumberEdit::left, this, &Tfr_nk_00::ce_ispis_odExit);
    connect(ce_ispis_do, &RunningNumberEdit::entered, this, &Tfr_nk_00::ce_ispis_doEnter);
    connect(ce_ispis_do, &RunningNumberEdit::left, this, &Tfr_nk_00::ce_ispis_doExit);
    connect(bt_ispis, &QPushButton::clicked, this, &Tfr_nk_00::bt_ispisClick);
    for (DropDownCombo *combo : {cb_ispis, cb_ispis_od})
        connect(combo, &DropDownCombo::dropDown, combo, [combo] { SetComboDropDownWidth(combo, -1); });
}

bool Tfr_nk_00::PredlozakIspisa(TemplateCaller caller)
{
    const QString name = reportTemplateFor(m_choice.kind, cb_ispis->currentIndex(), caller);
    if (name.isEmpty() || !m_reportTemplateLoader)
        return true;
    QString error;
    if (!m_reportTemplateLoader(m_folders.reportFolder() + QLatin1Char('/') + name, error)) {
        showError(this, error);
        return false;
    }
    return true;
}

void Tfr_nk_00::cb_ispisChange()
{
    PredlozakIspisa(TemplateCaller::PrintOption);
}

std::optional<RunningNumberSpan> Tfr_nk_00::runningNumbers()
{
    QString error;
    const std::optional<RunningNumberSpan> span = runningNumberSpan(m_book->grid(), error);
    if (!span)
        showError(this, error);
    return span;
}

void Tfr_nk_00::ce_ispis_odEnter()
{
    if (const auto span = runningNumbers())
        ce_ispis_od->setBounds({.lower = ce_ispis_od->bounds().lower, .upper = span->largest});
}

void Tfr_nk_00::ce_ispis_odExit()
{
    if (const auto span = runningNumbers())
        ce_ispis_do->setBounds({.lower = span->smallest, .upper = span->largest});
}

void Tfr_nk_00::ce_ispis_doEnter()
{
    if (const auto span = runningNumbers())
        ce_ispis_do->setBounds({.lower = ce_ispis_od->value() + 1, .upper = span->largest});
}

void Tfr_nk_00::ce_ispis_doExit()
{
    if (const auto span = runningNumbers(); span && ce_ispis_do->value() > span->largest)
        ce_ispis_do->setValue(span->largest);
}

QString Tfr_nk_00::missingPrintChoice() const
{
    if (cb_drustva->currentIndex() < 0)
        return QStringLiteral("Nije odabrano drustvo. Provjerite.");
    if (!bookKind(m_choice.kind))
        return QStringLiteral("Nije odabrana nadzorna knjiga. Provjerite.");
    return {};
}

void Tfr_nk_00::bt_ispisClick()
{
    const QString missing = missingPrintChoice();
    if (!missing.isEmpty()) {
        showMessage(this, missing);
        return;
    }
    std::optional<PrintRequest> request = printRange();
    if (!request)
        return;
    request->titleLine = bookTitleLine(cb_nk->currentText(), se_godina->text());
    QString pdfPath = m_folders.bookFilePath(m_choice.company, m_choice.year, *bookKind(m_choice.kind));
    request->pdfPath = pdfPath.replace(pdfPath.size() - 4, 4, QStringLiteral(".pdf"));
    Q_EMIT printRequested(*request);
}

std::optional<PrintRequest> Tfr_nk_00::printRange()
{
    PrintRequest request;
    switch (cb_ispis_od->currentIndex()) {
    case 0:
        request.first = 1;
        request.count = m_book->rowCount() - 1;
        return request;
    case 1:
        request.first = currentBookRow();
        request.count = 1;
        return request;
    default:
        break;
    }
    const int from = findRunningNumber(ce_ispis_od->value());
    const int to = findRunningNumber(ce_ispis_do->value());
    if (from == 0 || to == 0) {
        showMessage(this, QStringLiteral("Nepravilan unos rednih brojeva \"od\" i \"do\". Provjerite."));
        return std::nullopt;
    }
    request.first = from;
    request.count = to - from + 1;
    return request;
}

// The entry whose running number equals the value taken whole ("od" 4 never
// finds the entry numbered 14). The book's current cell moves to column 0
// of that entry, or of the current entry when there is none.
int Tfr_nk_00::findRunningNumber(double value)
{
    const int row = findRowEqualTo(m_book->grid(), 0, QString::number(roundHalfToEven(value)));
    if (m_bookSelection && m_book->rowCount() > 1)
        m_bookSelection->setCurrentIndex(m_book->index(row > 0 ? row : currentBookRow(), 0),
                                         QItemSelectionModel::ClearAndSelect);
    return row;
}
