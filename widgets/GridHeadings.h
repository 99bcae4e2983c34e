#pragma once
// Grid headings readable whole: a long heading is wrapped onto two or three
// lines at its blanks, its column made as wide as its widest line and the
// header as tall as its tallest heading.
class QTableView;

namespace gridheadings {

// Fits every heading of the grid's model as it stands now (call after bind).
void fitWhole(QTableView *grid);

// The room a heading's text gets inside its section, in pixels.
int textMargin();

} // namespace gridheadings
