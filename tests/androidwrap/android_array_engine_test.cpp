#include "tools/androidwrap/android_array_engine.h"
#include "support/generator_test.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class AndroidArray : public generator_test::GeneratorTest {
protected:
    static CWString Run(const CWString& name, const CWString& document = u"辅助类", const CWString& ending = u"类",
                        bool twoDimensional = false) {
        return rg_AnZhuoShuZuJieXiYinQing().RunArrayWrapping(name, document, ending, twoDimensional);
    }
    // Header, comment line and the class lines, each followed by an empty line.
    static CWString Family(std::u16string_view name, std::initializer_list<std::u16string_view> classLines) {
        CWString text = CrLfLines({kHeader, u"", u"# --" + CWString(name) + u"--", u"", u""});
        for (std::u16string_view line : classLines) text += CrLfLines({line, u""});
        return text;
    }
};

constexpr std::u16string_view kDocument = u"@文档 = \"category = \\\"辅助类\\\"\"";

}  // namespace

TEST_F(AndroidArray, WorkedExample) {
    CWString d(kDocument);
    EXPECT_EQ(
        U8(Run(u"整数类")),
        U8(Family(
            u"整数类",
            {u"类 整数集合类 <公开 基础类 = 集合模板类 " + d + u"  @模板实现类 = \"整数类, 整数枚举器类\">",
             u"类 整数数据集类 <公开 基础类 = 数据集模板类 " + d + u" @模板实现类 = \"整数类, 整数集合类\">",
             u"类 整数枚举器类 <公开 基础类 = 枚举器模板类 " + d + u" @模板实现类 = \"整数类\">",
             u"类 整数列表类 <公开 基础类 = 列表模板类 " + d +
                 u" @模板实现类 = \"整数类, 整数集合类, 整数列表枚举器类\">",
             u"类 整数列表枚举器类 <公开 基础类 = 列表枚举器模板类 " + d + u" @模板实现类 = \"整数类, 整数枚举器类\">",
             u"类 整数数组类 <公开 基础类 = 数组列表模板类 " + d + u" @模板实现类 = \"整数类, 整数列表类\">"})));
}

TEST_F(AndroidArray, TwoDimensionalFamily) {
    EXPECT_EQ(
        U8(Run(u"整数类", u"", u"类", true)),
        U8(Family(
            u"整数类",
            {u"类 整数二维列表集合类 <公开 基础类 = 集合模板类   @模板实现类 = \"整数类, 整数二维列表枚举器类\">",
             u"类 整数二维列表数据集类 <公开 基础类 = 数据集模板类  @模板实现类 = \"整数类, 整数二维列表集合类\">",
             u"类 整数二维列表枚举器类 <公开 基础类 = 枚举器模板类  @模板实现类 = \"整数类\">",
             u"类 整数二维列表类 <公开 基础类 = 列表模板类  @模板实现类 = \"整数类, 整数二维列表集合类, "
             u"整数二维列表枚举器类\">",
             u"类 整数二维列表列表枚举器类 <公开 基础类 = 列表枚举器模板类  @模板实现类 = \"整数类, "
             u"整数二维列表枚举器类\">",
             u"类 整数二维列表数组类 <公开 基础类 = 数组列表模板类  @模板实现类 = \"整数类, 整数二维列表类\">"})));
}

TEST_F(AndroidArray, BaseNames) {
    const struct {
        std::u16string_view name, ending, firstClass;
    } cases[] = {
        {u"整数", u"类", u"类 整数集合类 <"},   {u"  整数类\t", u" 类 ", u"类 整数集合类 <"},
        {u"类", u"类", u"类 集合类 <"},         {u"整数类类", u"类", u"类 整数类集合类 <"},
        {u"整数类", u"", u"类 整数类集合类 <"}, {u"Item", u"item", u"类 Item集合类 <"},
        {u"   ", u"类", u"类 集合类 <"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Run(CWString(c.name), u"", CWString(c.ending)).Contains(c.firstClass)) << U8(CWString(c.name));
    EXPECT_TRUE(Run(u"  整数类\t", u"", u"类").Contains(u"\r\n# --整数类--\r\n"));
}

TEST_F(AndroidArray, NeverTranslates) {
    UseTranslations({u"整数类=Integer", u"整数=Int", u"辅助类=Helper"});
    EXPECT_TRUE(
        Run(u"整数类").Contains(u"类 整数集合类 <公开 基础类 = 集合模板类 @文档 = \"category = \\\"辅助类\\\"\"  "
                                u"@模板实现类 = \"整数类, 整数枚举器类\">"));
    EXPECT_TRUE(TranslateEnabled);
}
