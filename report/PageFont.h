#pragma once
// The faces printed pages are laid out with: DejaVu Sans and DejaVu Sans Mono
// from the files of fonts-dejavu-core (a dependency of the package), loaded
// under family names of the program's own. A name like "DejaVu Sans" or
// "Arial" resolves to whatever the machine has (Nimbus Sans of ghostscript,
// DejaVu Sans Condensed of fonts-dejavu-extra), and pages would break
// differently from desk to desk.
#include <QString>

namespace report {

// The sans-serif and the monospaced family of the pages; the plain DejaVu
// family names when the files cannot be read.
QString pageFontFamily();
QString pageMonoFamily();

// A font's file with its family renamed to family (every other name record
// dropped, so nothing else is matched by it); empty when data is no font.
QByteArray renamedFontData(const QByteArray &data, const QString &family);

} // namespace report
