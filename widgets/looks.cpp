#include "looks.h"

#include <QAbstractButton>

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
                              "QAbstractButton:pressed, QAbstractButton:checked { border-style: inset; }")
                              .arg(toColor(kProgramBlue).name(), toColor(kProgramBlue).lighter(130).name()));
}
