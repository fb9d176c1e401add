#include "combos.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

void DropDownCombo::showPopup()
{
    Q_EMIT dropDown();
    QComboBox::showPopup();
}

void SetComboDropDownWidth(QComboBox *combo, int minimumWidth)
{
    int width = minimumWidth;
    if (minimumWidth < combo->width()) {
        const QFontMetrics metrics(combo->font());
        for (int i = 0; i < combo->count(); ++i)
            width = std::max(width, metrics.horizontalAdvance(combo->itemText(i)));
        const QStyle *style = combo->style();
        width += style->pixelMetric(QStyle::PM_ScrollBarSliderMin, nullptr, combo)
                 + style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
    }
    combo->view()->setMinimumWidth(width);
}
