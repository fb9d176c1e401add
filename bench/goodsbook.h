#pragma once

class TextGrid;

// Fills the grid with a goods import book as the program saves it: the
// shipped template's titles and widths, then the entries, each with texts in
// Croatian and a payment cell of one to three lines.
void fillGoodsBook(TextGrid &grid, int entries);
