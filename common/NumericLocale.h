#pragma once
// QCoreApplication sets the C library's locale from the environment; under
// hu_HU its printf writes, and its strtod reads, a decimal comma. The engine
// (in-process, on threads of its own) and libxlsxwriter print numbers with
// printf, so LC_NUMERIC stays "C" for them. What the user sees is formatted by
// QLocale, which follows the environment on its own and stays Hungarian.
#include <clocale>
#include <locale.h>

// LC_NUMERIC "C" for the whole process; the rest of the locale is kept.
void pinNumericLocale();

// LC_NUMERIC "C" on the calling thread while it lives, whatever the process's.
class CNumericScope {
public:
    CNumericScope();
    ~CNumericScope();
    CNumericScope(const CNumericScope &) = delete;
    CNumericScope &operator=(const CNumericScope &) = delete;

private:
    locale_t m_c = nullptr;
    locale_t m_previous = nullptr;
};
