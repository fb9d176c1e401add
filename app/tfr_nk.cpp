#include "tfr_nk.h"

#include "looks.h"
#include "versionlabel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

HotLabel::HotLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setHot(false);
}

void HotLabel::enterEvent(QEnterEvent *event)
{
    setHot(true);
    QLabel::enterEvent(event);
}

void HotLabel::leaveEvent(QEvent *event)
{
    setHot(false);
    QLabel::leaveEvent(event);
}

void HotLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    Q_EMIT clicked();
}

void HotLabel::setHot(bool hot)
{
    setStyleSheet(hot ? QStringLiteral("color: red; text-decoration: underline;")
                      : QStringLiteral("color: %1;").arg(toColor(kProgramBlue).name()));
}

Tfr_nk::Tfr_nk(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fr_nk"));
    setWindowTitle(QStringLiteral("Raravazo veveve"));
    setFont(arialFont(8));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *versionCaption = new QLabel(QStringLiteral("Verzija:"));
    versionCaption->setStyleSheet(QStringLiteral("color: blue;"));
    lb_verzija = new QLabel;
    lb_verzija->setObjectName(QStringLiteral("lb_verzija"));
    auto *versionPanel = new QHBoxLayout;
    versionPanel->addWidget(versionCaption);
    versionPanel->addWidget(lb_verzija);
    versionPanel->addStretch();

    lb_upute = new HotLabel(QStringLiteral("UPUTE"));
    lb_upute->setObjectName(QStringLiteral("lb_upute"));
    lb_upute->setFont(arialFont(20, true));
    lb_upute->setAlignment(Qt::AlignCenter);
    lb_upute->setFixedHeight(36);
    lb_upute->setToolTip(QStringLiteral("upute_nk.pdf"));
    connect(lb_upute, &HotLabel::clicked, this, &Tfr_nk::uputeClick);

    bt_nk1 = new QPushButton(QStringLiteral("NADZORNE KNJIGE"));
    bt_nk1->setObjectName(QStringLiteral("bt_nk1"));
    makeShapedButton(bt_nk1, 20);
    bt_nk1->setToolTip(QStringLiteral("oTVARANJE NADZORNIH KNJIGA"));
    bt_nk1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(bt_nk1, &QPushButton::clicked, this, &Tfr_nk::bt_nk1Click);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);
    layout->addLayout(versionPanel);
    layout->addWidget(lb_upute);
    layout->addWidget(bt_nk1, 1);

    resize(533, 200);
    FormCreate();
}

void Tfr_nk::FormCreate()
{
    lb_verzija->setText(VerzijaPrograma());
    setFixedSize(533, 200);
}

void Tfr_nk::FormActivate()
{
    if (m_folderSource)
        m_archiveFolders = *m_folderSource;
}

void Tfr_nk::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void Tfr_nk::closeEvent(QCloseEvent *event)
{
    if (m_closeCheck && !m_closeCheck()) {
        event->ignore();
        return;
    }
    FormActivate();
    Q_EMIT FormClose(m_archiveFolders);
    event->accept();
}
