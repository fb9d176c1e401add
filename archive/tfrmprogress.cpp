#include "tfrmprogress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Often enough for a click on Cancel to be taken at once, seldom enough not
// to slow the work down.
constexpr qint64 kEventIntervalMs = 30;

QProgressBar *addGauge(QWidget *panel, const QString &name)
{
    auto *gauge = new QProgressBar(panel);
    gauge->setObjectName(name);
    gauge->setRange(0, 100);
    gauge->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: blue; }"));
    gauge->setAlignment(Qt::AlignCenter);
    return gauge;
}

} // namespace

TfrmProgress::TfrmProgress(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Napredovanje"));

    pn_glavni = new QWidget(this);
    pn_glavni->setObjectName(QStringLiteral("pn_glavni"));
    gOverall = addGauge(pn_glavni, QStringLiteral("gOverall"));
    auto *overall = new QVBoxLayout(pn_glavni);
    overall->addWidget(gOverall);

    pn_drugi = new QWidget(this);
    pn_drugi->setObjectName(QStringLiteral("pn_drugi"));
    lbFile = new QLabel(pn_drugi);
    lbFile->setObjectName(QStringLiteral("lbFile"));
    lbFile->setWordWrap(true);
    gFile = addGauge(pn_drugi, QStringLiteral("gFile"));
    btCancel = new QPushButton(QStringLiteral("&Cancel"), pn_drugi);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setAutoDefault(false);
    connect(btCancel, &QPushButton::clicked, this, &TfrmProgress::btCancelClick);
    auto *file = new QVBoxLayout(pn_drugi);
    file->addWidget(lbFile);
    file->addWidget(gFile);
    file->addWidget(btCancel, 0, Qt::AlignHCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pn_glavni);
    layout->addWidget(pn_drugi);
    pn_glavni->hide();
    pn_drugi->hide();
    resize(394, 178);
}

bool TfrmProgress::fcArhivaOverallProgress(double percent, Phase phase)
{
    if (phase == Phase::Start)
        start();
    else if (phase == Phase::End)
        hide();
    gOverall->setValue(qRound(percent));
    letEventsThrough();
    return m_cancel;
}

bool TfrmProgress::fcArhivaFileProgress(const QString &file, double percent)
{
    gFile->setValue(qRound(percent));
    lbFile->setText(file);
    letEventsThrough();
    return m_cancel;
}

// A stop asked of one piece of work never stops the next.
void TfrmProgress::start()
{
    m_cancel = false;
    pn_drugi->show();
    pn_glavni->show();
    move(0, 0);
    resize(width(), 187);
    setWindowTitle(QStringLiteral("Arhiviram. Molim pričekajte."));
    show();
    m_sinceEvents.invalidate();
}

void TfrmProgress::letEventsThrough()
{
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < kEventIntervalMs)
        return;
    QApplication::processEvents();
    m_sinceEvents.start();
}

// The close box or Esc while work runs asks it to stop, as Cancel does.
void TfrmProgress::reject()
{
    m_cancel = true;
    QDialog::reject();
}
