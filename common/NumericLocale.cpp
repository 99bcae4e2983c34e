#include "common/NumericLocale.h"

void pinNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

CNumericScope::CNumericScope()
{
    locale_t base = duplocale(LC_GLOBAL_LOCALE);
    m_c = base ? newlocale(LC_NUMERIC_MASK, "C", base) : nullptr;
    if (!m_c && base) freelocale(base);
    if (m_c) m_previous = uselocale(m_c);
}

CNumericScope::~CNumericScope()
{
    if (!m_c) return;
    uselocale(m_previous);
    freelocale(m_c);
}
