#pragma once
// Pasted Java source cleaned for the pattern searches: documentation
// comments, imports, private members and deprecated parts removed, "//"
// comments cut off, blank lines dropped, every kept line ended with CR LF.
//
// The cleaning is textual, not a Java parser, and its results are what users'
// generated code has always been made from: a "//" inside a string literal
// cuts the line there, "private " inside a "//" comment removes everything up
// to the next ";", and LF-only text is one line.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// For the interface and enum tools: also removes bodiless deprecated methods.
CWString CleanJavaInterfaceSource(const CWString& source);
// For the class tool: also removes "@Deprecated" up to the nearest "}".
CWString CleanJavaClassSource(const CWString& source);

// The name in the source's only "package" statement, untrimmed; empty when
// there is none or more than one.
CWString ExtractPackageName(const CWString& cleanedSource);

}  // namespace rg_qelvane_app
