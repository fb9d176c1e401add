#pragma once

#include <functional>

class FieldNavigator;
class QToolButton;
class QWidget;
struct PanelDef;

// What the panel's buttons do; the entry window answers them.
struct PanelHandlers {
    std::function<void(QToolButton *)> insertLine;    // "b_" + composite field
    std::function<void(QToolButton *)> stampCurrency; // "b_" + amount field
};

// Makes the widgets of one field panel from its table, every control named
// as the mapping between fields and book columns expects:
// prefix + column, sub-fields + "_" + k, "b_" + field for buttons,
// "cb_" + field for remembered-value lists. An insert button's "tag"
// property holds its number of sub-fields.
QWidget *buildFieldPanel(const PanelDef &panel, FieldNavigator &navigator, const PanelHandlers &handlers);

// The fixed hint of every insert button.
inline constexpr const char *kInsertButtonHint = "Dodaje unijete podatke u novi red donjeg polja.";
