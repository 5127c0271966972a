#include "tools/androidwrap/java_declarations.h"

#include "platform/regex.h"
#include "tools/androidwrap/java_patterns.h"

namespace rg_qelvane_app {

namespace {

struct DeclarationKind {
    std::u16string_view pattern;
    std::u16string_view notFound;
    std::u16string_view several;
};

constexpr DeclarationKind kInterface{java_patterns::kInterfaceDeclaration, u"找不到接口",
                                     u"检测到多个接口，目前仅支持一个接口的封装"};
constexpr DeclarationKind kEnum{java_patterns::kEnumDeclaration, u"找不到枚举",
                                u"检测到多个枚举，目前仅支持一个枚举的封装"};
constexpr DeclarationKind kClass{java_patterns::kClassDeclaration, u"找不到类",
                                 u"检测到多个类，目前仅支持一个类的封装"};

// Whole match and name: two entries per declaration.
constexpr int kEntriesOfOneDeclaration = 2;

CWString CheckSingle(const CWString& source, const DeclarationKind& kind) {
    rg_qelvane_base::rg_WenBenShuZuLei found;
    int entries = rg_qelvane_base::RegexFindAll(source, kind.pattern, found);
    if (entries < kEntriesOfOneDeclaration) return CWString(kind.notFound);
    if (entries > kEntriesOfOneDeclaration) return CWString(kind.several);
    return {};
}

CWString FindName(const CWString& source, const DeclarationKind& kind) {
    rg_qelvane_base::rg_WenBenShuZuLei found;
    if (rg_qelvane_base::RegexFindAll(source, kind.pattern, found) != kEntriesOfOneDeclaration) return {};
    return found[1];
}

}  // namespace

CWString CheckSingleInterface(const CWString& cleanedSource) { return CheckSingle(cleanedSource, kInterface); }
CWString CheckSingleEnum(const CWString& cleanedSource) { return CheckSingle(cleanedSource, kEnum); }
CWString CheckSingleClass(const CWString& cleanedSource) { return CheckSingle(cleanedSource, kClass); }

CWString FindInterfaceName(const CWString& cleanedSource) { return FindName(cleanedSource, kInterface); }
CWString FindEnumName(const CWString& cleanedSource) { return FindName(cleanedSource, kEnum); }
CWString FindClassName(const CWString& cleanedSource) { return FindName(cleanedSource, kClass); }

}  // namespace rg_qelvane_app
