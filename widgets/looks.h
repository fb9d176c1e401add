#pragma once

#include "colours.h"

#include <QColor>
#include <QFont>

class QAbstractButton;

QColor toColor(Rgb rgb);

// The program's look: Arial at the given size, the rounded blue buttons.
QFont arialFont(int pointSize, bool bold = false);
void makeShapedButton(QAbstractButton *button, int pointSize = 8);
