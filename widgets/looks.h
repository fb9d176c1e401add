#pragma once

#include "colours.h"

#include <QColor>
#include <QFont>

class QAbstractButton;
class QCalendarWidget;

QColor toColor(Rgb rgb);

// The program's look: Arial at the given size, the rounded blue buttons.
QFont arialFont(int pointSize, bool bold = false);
// Shaped buttons show the focus with a yellow frame; other buttons get it here.
void makeShapedButton(QAbstractButton *button, int pointSize = 8);
void setFocusMark(QAbstractButton *button);

// Croatian month and day names, Monday first, whatever the machine's locale;
// the month and year stand out white on the program's blue.
void setCalendarLook(QCalendarWidget *calendar);
