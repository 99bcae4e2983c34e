#pragma once
// Qt's signal dispatch must never see an exception (undefined behaviour by
// Qt's own rules), so every handler a window connects runs inside this: what
// escapes it is said to the user where it happened, and the window lives on.
//
//     connect(ok, &QPushButton::clicked, this, safeslot::wrap([this] { save(); }));
#include "common/Seams.h"
#include <QString>
#include <exception>
#include <type_traits>
#include <utility>

namespace safeslot {

inline void reportEscaped(const std::exception *e)
{
    seams::message(e ? QString::fromUtf8(e->what()) : QStringLiteral("Váratlan hiba történt."));
}

// Passes the signal's arguments on when the handler takes them.
template <typename F> auto wrap(F handler)
{
    return [handler = std::move(handler)](auto &&...args) mutable -> void {
        try {
            if constexpr (std::is_invocable_v<F &, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        } catch (const std::exception &e) {
            reportEscaped(&e);
        } catch (...) {
            reportEscaped(nullptr);
        }
    };
}

} // namespace safeslot
