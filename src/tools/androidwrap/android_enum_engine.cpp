#include "tools/androidwrap/android_enum_engine.h"

#include "common/qelvane_writer.h"
#include "common/translation.h"
#include "platform/regex.h"
#include "tools/androidwrap/java_cleaning.h"
#include "tools/androidwrap/java_declarations.h"
#include "tools/androidwrap/java_patterns.h"

namespace rg_qelvane_app {

CWString rg_AnZhuoMeiJuJieXiYinQing::ParseJavaEnum(const CWString& source, const CWString& name,
                                                   const CWString& package) {
    this->source = source;
    this->name = name.Trimmed();
    this->package = package.Trimmed();
    this->source = CleanJavaInterfaceSource(this->source);
    CWString refusal = CheckSingleEnum(this->source);
    if (!refusal.empty()) return refusal;
    enumItem = BuildEnumModel(this->source);
    output = GenerateEnumCode(enumItem);
    return output;
}

rg_AnZhuoMeiJuXiang rg_AnZhuoMeiJuJieXiYinQing::BuildEnumModel(const CWString& cleanedSource) const {
    rg_AnZhuoMeiJuXiang item;
    item.sourcePackage = ExtractPackageName(cleanedSource);
    item.javaName = FindEnumName(cleanedSource);
    item.package = package.empty() ? item.sourcePackage : package;
    item.targetName = name.empty() ? item.javaName : name;
    item.constants = ParseEnumConstants(cleanedSource);
    return item;
}

rg_WenBenShuZuLei rg_AnZhuoMeiJuJieXiYinQing::ParseEnumConstants(const CWString& cleanedSource) {
    rg_WenBenShuZuLei constants;
    rg_WenBenShuZuLei found;
    if (rg_qelvane_base::RegexFindAll(cleanedSource, java_patterns::kPlainEnumConstant, found) > 0) {
        for (const CWString& constant : found)
            if (!constant.empty()) constants.push_back(constant);
        return constants;
    }
    constexpr size_t kStride = 3;  // whole match, name, number
    rg_qelvane_base::RegexFindAll(cleanedSource, java_patterns::kNumberedEnumConstant, found);
    for (size_t i = 0; i + kStride <= found.size(); i += kStride)
        if (!found[i + 1].empty()) constants.push_back(found[i + 1]);
    return constants;
}

CWString rg_AnZhuoMeiJuJieXiYinQing::GenerateEnumCode(const rg_AnZhuoMeiJuXiang& item) {
    QelvaneWriter out;
    out.Header().BlankLine();
    out.ClassStart(item.targetName,
                   CWString::Format(u"公开 @别名 = \"%s.%s\" @别名类型 = 本地值类型", {item.package, item.javaName}));
    for (const CWString& constant : item.constants)
        out.Constant(TranslateWord(constant),
                     CWString::Format(u"公开 类型 = %s 值 = @%s.%s.%s",
                                      {item.targetName, item.package, item.javaName, constant}));
    out.BlankLine().Append(u"}");
    return out.Take();
}

}  // namespace rg_qelvane_app
