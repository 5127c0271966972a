#pragma once
// The display scale, worked out once at start-up and applied to every fixed
// rectangle and client size the windows ask for.

namespace rg_qelvane_base {

// dpi / 96, never below 1.0.
double ScaleFromDpi(int dpi);

void SetDisplayScale(double scale);
double DisplayScale();
// A length in the windows' 96-dpi units on the current display, rounded.
int ScaleLength(int length);

}  // namespace rg_qelvane_base
