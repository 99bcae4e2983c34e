#include "shell/QtTextGaps.h"
#include <cstring>

namespace {

struct Gap {
    const char *context;
    const char *source;
    const char *disambiguation;   // nullptr: none
    const char *text;
};

// Found by opening the dialogs under hu_HU with a translator that logs what Qt
// asks for and qtbase_hu does not answer.
const Gap kGaps[] = {
    {"QPrintSettingsOutput", "Pages", nullptr, "Oldalak"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     nullptr,
     "Oldalszámok vagy tartományok vesszővel elválasztva; a tartomány két szám kötőjellel. "
     "Például: 3,5-7,9 a 3., 5., 6., 7. és 9. oldalt nyomtatja."},
    {"QPrintSettingsOutput", "Double Sided Printing", nullptr, "Kétoldalas nyomtatás"},
    {"QPrintSettingsOutput", "Off", nullptr, "Ki"},
    {"QPrintSettingsOutput", "Long side binding", nullptr, "Kötés a hosszabbik oldalon"},
    {"QPrintSettingsOutput", "Short side binding", nullptr, "Kötés a rövidebbik oldalon"},
    {"QPrintPropertiesWidget", "Advanced", nullptr, "Speciális"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.", nullptr,
     "Egyes beállítások ellentmondanak egymásnak. Kérem, javítsa ki őket."},
    {"QAbstractFileIconProvider", "Folder", "All other platforms", "Mappa"},
    {"QAbstractFileIconProvider", "Drive", nullptr, "Meghajtó"},
    {"QAbstractFileIconProvider", "Unknown", nullptr, "Ismeretlen"},
};

bool same(const char *a, const char *b) { return std::strcmp(a ? a : "", b ? b : "") == 0; }

} // namespace

QString QtTextGaps::translate(const char *context, const char *sourceText, const char *disambiguation, int) const
{
    for (const Gap &g : kGaps)
        if (same(g.context, context) && same(g.source, sourceText) && same(g.disambiguation, disambiguation))
            return QString::fromUtf8(g.text);
    return {};
}
