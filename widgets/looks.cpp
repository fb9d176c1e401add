#include "looks.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLocale>

namespace {

// The focused button, plain to see on the blue buttons and on white.
const QColor kFocusMark(255, 200, 0);

} // namespace

QColor toColor(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont arialFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

void makeShapedButton(QAbstractButton *button, int pointSize)
{
    button->setFont(arialFont(pointSize, true));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral(
                              "QAbstractButton { background-color: %1; color: white; border-radius: 8px;"
                              " border: 2px outset %2; padding: 2px 6px; }"
                              "QAbstractButton:pressed, QAbstractButton:checked { border-style: inset; }"
                              "QAbstractButton:focus { border: 3px solid %3; }")
                              .arg(toColor(kProgramBlue).name(), toColor(kProgramBlue).lighter(130).name(), kFocusMark.name()));
}

void setFocusMark(QAbstractButton *button)
{
    button->setStyleSheet(QStringLiteral("QAbstractButton:focus { border: 3px solid %1; border-radius: 3px; }")
                              .arg(kFocusMark.name()));
}

void setCalendarLook(QCalendarWidget *calendar)
{
    calendar->setLocale(QLocale(QLocale::Croatian, QLocale::Croatia));
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setStyleSheet(QStringLiteral("#qt_calendar_navigationbar { background-color: %1; }"
                                           "#qt_calendar_navigationbar QToolButton { color: white; background-color: transparent;"
                                           " border: none; font-weight: bold; font-size: 10pt; padding: 2px 6px; }"
                                           "#qt_calendar_navigationbar QToolButton:hover { background-color: %2; }"
                                           "#qt_calendar_navigationbar QSpinBox { color: black; background: white; }"
                                           // Not the look of the field the calendar belongs to.
                                           "QAbstractItemView { background-color: white; color: black;"
                                           " selection-background-color: %1; selection-color: white; }")
                                .arg(toColor(kProgramBlue).name(), toColor(kProgramBlue).darker(130).name()));
}
