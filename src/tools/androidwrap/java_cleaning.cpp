#include "tools/androidwrap/java_cleaning.h"

#include <initializer_list>

#include "platform/regex.h"
#include "tools/androidwrap/java_patterns.h"

namespace rg_qelvane_app {

using rg_qelvane_base::RegexFindAll;
using rg_qelvane_base::RegexReplaceAll;
using rg_qelvane_base::rg_WenBenShuZuLei;

namespace {

// The removals run in the given order, each over the result of the one
// before: a later pattern may rely on what an earlier one left or took away.
CWString CleanJavaSource(const CWString& source, std::initializer_list<std::u16string_view> removals) {
    CWString text = source.Trimmed();
    for (std::u16string_view pattern : removals) text = RegexReplaceAll(text, pattern, u"");
    text = text.RemovedAll(u"@NonNull ");

    CWString cleaned;
    for (const CWString& line : rg_qelvane_base::SplitText(text, u"\r\n")) {
        int comment = line.Find(u"//");
        if (comment == 0) continue;
        cleaned.append(comment < 0 ? line : line.Left(comment)).append(u"\r\n");
    }
    return cleaned;
}

}  // namespace

CWString CleanJavaInterfaceSource(const CWString& source) {
    return CleanJavaSource(source, {java_patterns::kDeprecatedAbstractMethod, java_patterns::kDocumentationComment,
                                    java_patterns::kImportStatement, java_patterns::kPrivateMember});
}

CWString CleanJavaClassSource(const CWString& source) {
    return CleanJavaSource(source, {java_patterns::kDocumentationComment, java_patterns::kImportStatement,
                                    java_patterns::kDeprecatedBlock, java_patterns::kPrivateMember});
}

CWString ExtractPackageName(const CWString& cleanedSource) {
    rg_WenBenShuZuLei statements;
    if (RegexFindAll(cleanedSource, java_patterns::kPackageStatement, statements) != 1) return {};
    return statements[0].RemovedAll(u"package ").RemovedAll(u";");
}

}  // namespace rg_qelvane_app
