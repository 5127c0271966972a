#include "tools/androidwrap/android_array_engine.h"

#include "common/qelvane_writer.h"

namespace rg_qelvane_app {

namespace {

// Placeholders: base name, document attribute, element class name, then the
// base name for every further one.
constexpr std::u16string_view kFamily[] = {
    u"类 %s集合类 <公开 基础类 = 集合模板类 %s  @模板实现类 = \"%s, %s枚举器类\">",
    u"类 %s数据集类 <公开 基础类 = 数据集模板类 %s @模板实现类 = \"%s, %s集合类\">",
    u"类 %s枚举器类 <公开 基础类 = 枚举器模板类 %s @模板实现类 = \"%s\">",
    u"类 %s列表类 <公开 基础类 = 列表模板类 %s @模板实现类 = \"%s, %s集合类, %s列表枚举器类\">",
    u"类 %s列表枚举器类 <公开 基础类 = 列表枚举器模板类 %s @模板实现类 = \"%s, %s枚举器类\">",
    u"类 %s数组类 <公开 基础类 = 数组列表模板类 %s @模板实现类 = \"%s, %s列表类\">",
};

// The two-dimensional list class names its enumerator, not its list
// enumerator, which no line of this family mentions.
constexpr std::u16string_view kTwoDimensionalFamily[] = {
    u"类 %s二维列表集合类 <公开 基础类 = 集合模板类 %s  @模板实现类 = \"%s, %s二维列表枚举器类\">",
    u"类 %s二维列表数据集类 <公开 基础类 = 数据集模板类 %s @模板实现类 = \"%s, %s二维列表集合类\">",
    u"类 %s二维列表枚举器类 <公开 基础类 = 枚举器模板类 %s @模板实现类 = \"%s\">",
    u"类 %s二维列表类 <公开 基础类 = 列表模板类 %s @模板实现类 = \"%s, %s二维列表集合类, %s二维列表枚举器类\">",
    u"类 %s二维列表列表枚举器类 <公开 基础类 = 列表枚举器模板类 %s @模板实现类 = \"%s, %s二维列表枚举器类\">",
    u"类 %s二维列表数组类 <公开 基础类 = 数组列表模板类 %s @模板实现类 = \"%s, %s二维列表类\">",
};

}  // namespace

CWString rg_AnZhuoShuZuJieXiYinQing::RunArrayWrapping(const CWString& className, const CWString& documentCategory,
                                                      const CWString& ending, bool twoDimensional) {
    this->twoDimensional = twoDimensional;
    this->className = className.Trimmed();
    this->documentCategory = documentCategory.Trimmed();
    this->ending = ending.Trimmed();
    result = GenerateArrayClasses();
    return result;
}

bool rg_AnZhuoShuZuJieXiYinQing::EndsWith(const CWString& text, const CWString& ending) {
    return text.ends_with(ending);
}

CWString rg_AnZhuoShuZuJieXiYinQing::StripNameSuffix() const {
    if (!EndsWith(className, ending)) return className;
    return className.Left(static_cast<long long>(className.size() - ending.size()));
}

CWString rg_AnZhuoShuZuJieXiYinQing::GenerateArrayClasses() const {
    QelvaneWriter out;
    out.Header().BlankLine();
    out.Comment(CWString::Format(u"--%s--", {className})).BlankLine().BlankLine();
    CWString documentAttribute;
    if (!documentCategory.empty())
        documentAttribute = CWString::Format(u"@文档 = \"category = \\\"%s\\\"\"", {documentCategory});
    CWString baseName = StripNameSuffix();
    for (std::u16string_view line : twoDimensional ? kTwoDimensionalFamily : kFamily)
        out.Line(line, {baseName, documentAttribute, className, baseName, baseName}).BlankLine();
    return out.Take();
}

}  // namespace rg_qelvane_app
