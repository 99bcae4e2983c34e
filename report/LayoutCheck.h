#pragma once
// Finds what a reader of a printed page would stumble on: a text cut short
// with "…", a text wider than its cell, two texts that touch. Measured with
// the fonts and the reference resolution the pages are laid out with.
#include "report/PreparedReport.h"
#include <QRectF>
#include <QStringList>

namespace report {

// The area the letters of a text item cover when painted, mm from the page's
// top-left corner.
QRectF textExtent(const QString &family, const PageItem &item);

// One Hungarian line per fault, naming the page and the texts; empty when
// every text is whole, inside its cell and clear of the others.
QStringList layoutFaults(const PreparedReport &report);

} // namespace report
