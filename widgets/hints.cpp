#include "hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

class HintDelayStyle : public QProxyStyle {
public:
    explicit HintDelayStyle(int wakeUpMs) : m_wakeUpMs(wakeUpMs) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return m_wakeUpMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    int m_wakeUpMs;
};

// Qt sizes a hint's stay by its length; the program wants one fixed stay.
class HintDuration : public QObject {
public:
    HintDuration(int durationMs, QObject *parent) : QObject(parent), m_durationMs(durationMs) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty()
            || widget->toolTipDuration() >= 0)
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, m_durationMs);
        return true;
    }

private:
    int m_durationMs;
};

} // namespace

void setHintDelays(int wakeUpMs, int durationMs)
{
    QApplication::setStyle(new HintDelayStyle(wakeUpMs));
    qApp->installEventFilter(new HintDuration(durationMs, qApp));
}
