#include "tools/dbwrap/table_class_generators.h"

#include "common/qelvane_text.h"
#include "common/text_helpers.h"
#include "common/translation.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

CWString ProgramStart() {
    CWString text;
    text.append(kQelvaneHeader).append(kQelvaneLineEnd).append(kQelvaneLineEnd);
    return text;
}

void AppendClassStart(CWString& text, const CWString& table) {
    text += CWString::Format(u"类 %s <公开>\r\n", {table});
    text += u"{\r\n";
}

// The tag value is a quoted text, so its own quotes are escaped with a backslash.
CWString ServerTag(const rg_ShuJuKuBiaoJieGou& column, CServerTags tags) {
    if (tags.gorm && column.primaryKey && tags.json)
        return CWString::Format(u"@服务器.标签 = \"gorm:\\\"primarykey\\\" json:\\\"%s\\\"\"", {column.columnName});
    if (tags.gorm && column.primaryKey) return u"@服务器.标签 = \"gorm:\\\"primarykey\\\"\"";
    if (tags.json) return CWString::Format(u"@服务器.标签 = \"json:\\\"%s\\\"\"", {column.columnName});
    return {};
}

}  // namespace

CWString GeneratePlainClassCode(const rg_WenBenShuZuLei& tables, const ColumnReader& readColumns) {
    CWString text = ProgramStart();
    for (const CWString& table : tables) {
        AppendClassStart(text, table);
        for (const rg_ShuJuKuBiaoJieGou& column : readColumns(table))
            text += CWString::Format(u"\t变量 %s <公开 类型 = %s 注释 = \"%s\">\r\n",
                                     {TranslateWord(column.columnName), TranslateWord(column.type), column.comment});
        text += u"}\r\n";
    }
    return text;
}

CWString GenerateGormJsonCode(const rg_WenBenShuZuLei& tables, const ColumnReader& readColumns, CServerTags tags) {
    CWString text = ProgramStart();
    for (const CWString& table : tables) {
        AppendClassStart(text, table);
        for (const rg_ShuJuKuBiaoJieGou& column : readColumns(table))
            text += CWString::Format(u"\t变量 %s <公开 类型 = %s @输出名 = \"%s\" %s 注释 = \"%s\">\r\n",
                                     {TranslateWord(column.columnName), TranslateWord(column.type),
                                      UpperFirstLetter(column.columnName), ServerTag(column, tags), column.comment});
        text += u"\t方法 表名 <公开 类型 = 文本型  @强制输出 = 真 @输出名 = \"TableName\">\r\n\t{\r\n";
        text += CWString::Format(u"\t\t返回 (\"%s\")\r\n\t}\r\n", {table});
        text += u"\r\n}\r\n";
    }
    return text;
}

}  // namespace rg_qelvane_app
