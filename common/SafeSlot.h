#pragma once
// Qt's signal dispatch must never see an exception (undefined behaviour by
// Qt's own rules), so every handler a window connects runs inside this: what
// escapes it is said to the user where it happened, and the window lives on.
//
//     connect(ok, &QPushButton::clicked, this, safeslot::wrap([this] { save(); }));
//     connect(ok, &QPushButton::clicked, this, safeslot::wrap(this, &TForm24::Button3Click));
#include "common/Seams.h"
#include <QString>
#include <cstddef>
#include <exception>
#include <tuple>
#include <type_traits>
#include <utility>

namespace safeslot {

inline void reportEscaped(const std::exception *e)
{
    seams::message(e ? QString::fromUtf8(e->what()) : QStringLiteral("Váratlan hiba történt."));
}

namespace detail {
template <typename F, typename Tuple, std::size_t... I> void callWith(F &f, Tuple &t, std::index_sequence<I...>)
{
    f(std::get<I>(t)...);
}
template <typename F, typename Tuple, std::size_t... I> constexpr bool takes(std::index_sequence<I...>)
{
    return std::is_invocable_v<F &, std::tuple_element_t<I, Tuple>...>;
}
// Qt's own rule: a handler takes the first of its signal's arguments, the rest are dropped.
template <std::size_t N, typename F, typename Tuple> void callFirst(F &f, Tuple &t)
{
    if constexpr (takes<F, Tuple>(std::make_index_sequence<N>{}))
        callWith(f, t, std::make_index_sequence<N>{});
    else if constexpr (N > 0)
        callFirst<N - 1>(f, t);
    else
        static_assert(N > 0, "the handler takes none of the signal's arguments");
}
} // namespace detail

// Passes the signal's first arguments on, as many as the handler takes.
template <typename F> auto wrap(F handler)
{
    return [handler = std::move(handler)](auto &&...args) mutable -> void {
        try {
            auto given = std::forward_as_tuple(std::forward<decltype(args)>(args)...);
            detail::callFirst<sizeof...(args)>(handler, given);
        } catch (const std::exception &e) {
            reportEscaped(&e);
        } catch (...) {
            reportEscaped(nullptr);
        }
    };
}

// A window's own handler: connect(b, &QPushButton::clicked, this, safeslot::wrap(this, &TForm25::Button3Click)).
template <typename T, typename R, typename... A> auto wrap(T *window, R (T::*handler)(A...))
{
    return wrap([window, handler](A... args) { (window->*handler)(args...); });
}

} // namespace safeslot
