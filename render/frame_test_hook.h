#pragma once
// A point where tests make a frame fail after the helper thread has been
// woken: frame.cpp calls the hook, when set, in a frame of many bands once the
// bands are planned and before any is drawn. Null outside tests; a test that
// sets it resets it before it ends.

namespace velkora::test_hook {

inline void (*afterBandsPlanned)() = nullptr;

}  // namespace velkora::test_hook
