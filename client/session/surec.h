#pragma once

#include "platform/system/sistem.h"

#include <utility>

// Runs an event handler that may end the process. In production sistem::SurecBitir never returns;
// under the test seam it returns by throwing sistem::TSurecBitti, and the handler stops here
// instead of unwinding into the event loop.
template <class Islev> void BitirebilirCalistir(Islev&& islev) {
    try {
        std::forward<Islev>(islev)();
    } catch (const sistem::TSurecBitti&) {
    }
}
