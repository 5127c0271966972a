#pragma once
// Waits for the toolkit: for what it was asked to do to be done and drawn,
// never for a time that a slower or busier machine could overrun.
#include <functional>
#include <string>

namespace ui_contract {

// Runs the toolkit until `done` holds; fails the test naming `what` when it
// never does (support/wait.h).
bool WaitForToolkit(const std::string& what, const std::function<bool()>& done);

// Runs the toolkit until it has nothing left to do: the display server has
// answered, no event is pending, and every window on the screen has drawn two
// frames in a row with the same layout, fonts and texts.
void Settle();

}  // namespace ui_contract
