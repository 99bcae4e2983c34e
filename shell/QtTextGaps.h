#pragma once
// The Hungarian texts Debian's qtbase_hu lacks in Qt's print and file dialogs,
// supplied by a translator of the program's own that is consulted before Qt's.
#include <QTranslator>

class QtTextGaps : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};
