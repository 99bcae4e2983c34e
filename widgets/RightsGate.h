#pragma once
// A control the current login may not use is disabled and says why.
#include "datastore/Rights.h"
#include <QWidget>
#include <initializer_list>

namespace rights {

inline void follow(std::initializer_list<QWidget *> controls, Action action)
{
    const bool allowed = may(action);
    for (QWidget *w : controls) {
        if (!w) continue;
        w->setEnabled(allowed);
        w->setToolTip(allowed ? QString() : refusal(action));
    }
}

} // namespace rights
