#pragma once
// A Java parameter list ("int a, String... names") to parameter items.
#include <vector>

#include "tools/androidwrap/android_items.h"

namespace rg_qelvane_app {

// Pieces between commas that are exactly two blank-separated words give
// parameters (type, then name); others (a lone type, "final int x", the first
// half of "Map<K, V> m") are left out, so the method has fewer parameters.
std::vector<rg_AnZhuoFangFaCanShuXiang> SplitParameters(const CWString& parameterList);

}  // namespace rg_qelvane_app
