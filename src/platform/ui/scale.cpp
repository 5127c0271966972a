#include "platform/ui/scale.h"

#include <algorithm>
#include <cmath>

namespace rg_qelvane_base {

namespace {
double g_scale = 1.0;
}

double ScaleFromDpi(int dpi) { return std::max(1.0, dpi / 96.0); }

void SetDisplayScale(double scale) { g_scale = std::max(1.0, scale); }

double DisplayScale() { return g_scale; }

int ScaleLength(int length) { return static_cast<int>(std::lround(length * g_scale)); }

}  // namespace rg_qelvane_base
