#pragma once
// The data-entry window as the compartment list opens it, for the tests.
#include "common/Shared.h"
#include "register/CompartmentEntry.h"
#include <memory>

namespace entrywindow {

// A new-compartment window, shown (code predicted, lists opened).
inline std::unique_ptr<TForm8> openNew()
{
    shared::compartmentEntryMode = QStringLiteral("Új részlet");
    auto w = std::make_unique<TForm8>();
    w->show();
    return w;
}

// The window on the list's current compartment, loaded and shown; null when it cannot load.
inline std::unique_ptr<TForm8> openCurrent()
{
    shared::compartmentEntryMode = QStringLiteral("Részlet módositás");
    auto w = std::make_unique<TForm8>();
    if (!w->loadCurrent())
        return nullptr;
    w->show();
    return w;
}

} // namespace entrywindow
