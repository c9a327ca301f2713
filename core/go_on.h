// Visitors of the enumeration kernels may answer whether to go on: a search that has written all
// its list can end the walk there instead of unwinding out of it.
#pragma once

#include <type_traits>
#include <utility>

namespace numerel {

// Calls visit(args...) and tells whether to go on: its answer when it gives one (bool), true when
// it returns nothing.
template <class Visit, class... Args>
bool VisitGoesOn(Visit& visit, Args&&... args) {
    if constexpr (std::is_void_v<std::invoke_result_t<Visit&, Args...>>) {
        visit(std::forward<Args>(args)...);
        return true;
    } else {
        return static_cast<bool>(visit(std::forward<Args>(args)...));
    }
}

}  // namespace numerel
