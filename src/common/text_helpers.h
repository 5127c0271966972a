#pragma once
// Small text helpers shared by the generators; case changes touch ASCII letters only.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

CWString LowerFirstLetter(const CWString& text);
CWString UpperFirstLetter(const CWString& text);
// True unless the name, read without its "*", starts with a capital A to Z.
bool IsLowerInitial(const CWString& text);

}  // namespace rg_qelvane_app
