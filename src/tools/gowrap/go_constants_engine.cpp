#include "tools/gowrap/go_constants_engine.h"

#include "common/qelvane_writer.h"
#include "common/translation.h"
#include "tools/gowrap/go_source_lines.h"

namespace rg_qelvane_app {

using rg_qelvane_base::SplitText;

CWString rg_GOChangLiangJieXiYinQing::ParseAndGenerate(const CWString& source, const CWString& className,
                                                       const CWString& packageName, const CWString& localTypeName) {
    this->source = source.Trimmed();
    this->className = className.Trimmed();
    this->packageName = packageName.Trimmed();
    this->localTypeName = localTypeName.Trimmed();
    rg_WenBenShuZuLei lines = SplitGoSourceLines(this->source);
    result = CheckSource(lines);
    if (result.empty()) result = GenerateClass(ScanConstants(lines));
    return result;
}

CWString rg_GOChangLiangJieXiYinQing::CheckSource(const rg_WenBenShuZuLei& lines) const {
    if (lines.size() < 4) return u"常量类型不完整，无法封装";
    bool sawConst = false;
    for (const CWString& raw : lines) {
        CWString line = raw.Trimmed();
        if (line.starts_with(u"type ")) {
            if (SplitText(line, u" ").size() != 3) return u"常量定义不标准，无法封装";
        } else if (line.starts_with(u"const ")) {
            sawConst = true;
        }
    }
    if (!sawConst) return u"常量定义不标准，没有const标记，无法封装";
    return {};
}

rg_GOChangLiangShuJu rg_GOChangLiangJieXiYinQing::ScanConstants(const rg_WenBenShuZuLei& lines) {
    rg_GOChangLiangShuJu data;
    data.typeName = localTypeName;
    for (const CWString& raw : lines) {
        CWString line = raw.Trimmed();
        if (!line.starts_with(u"type ")) continue;
        rg_WenBenShuZuLei words = SplitText(line, u" ");
        if (words.size() == 3) {
            data.typeName = words[1];
            break;
        }
    }
    if (className.empty()) className = data.typeName;

    // Only lines inside the grouped block name constants: single-line
    // "const X = 1" declarations and values holding ")" are passed over.
    for (const CWString& raw : lines) {
        CWString line = raw.Trimmed();
        if (line.Contains(u"type ") || line.Contains(u"const ") || line.Contains(u")")) continue;
        rg_WenBenShuZuLei words = SplitText(line, u" ");
        if (!words.empty()) data.constantNames.push_back(std::move(words[0]));
    }
    return data;
}

CWString rg_GOChangLiangJieXiYinQing::GenerateClass(const rg_GOChangLiangShuJu& data) const {
    QelvaneWriter out;
    out.Reserve(64 * (data.constantNames.size() + 4));
    out.Header().BlankLine();
    out.ClassStart(className,
                   CWString::Format(u"公开 @别名 = \"%s.%s\" @别名类型 = 本地值类型", {packageName, data.typeName}));
    for (const CWString& name : data.constantNames)
        out.Constant(TranslateWord(name),
                     CWString::Format(u"公开 类型 = %s 值 = @%s.%s", {className, packageName, name}));
    out.Append(u"}");
    return out.Take();
}

}  // namespace rg_qelvane_app
