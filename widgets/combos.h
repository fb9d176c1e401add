#pragma once

#include <QComboBox>

// A combo box that tells when its list is about to drop down.
class DropDownCombo : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

Q_SIGNALS:
    void dropDown();
};

// The width of the drop-down list: minimumWidth when it is at least as wide
// as the combo, otherwise the widest item (never less than minimumWidth)
// plus room for the scroll bar. The list is never narrower than the combo.
void SetComboDropDownWidth(QComboBox *combo, int minimumWidth);
