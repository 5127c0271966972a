#include "tools/dbwrap/table_class_generators.h"

#include "common/qelvane_writer.h"
#include "common/text_helpers.h"
#include "common/translation.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

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
    QelvaneWriter out;
    out.Header().BlankLine();
    for (const CWString& table : tables) {
        const ColumnsRead columns = readColumns(table);
        if (!columns) continue;
        out.ClassStart(table, u"公开");
        for (const rg_ShuJuKuBiaoJieGou& column : *columns)
            out.Field(TranslateWord(column.columnName),
                      CWString::Format(u"公开 类型 = %s 注释 = \"%s\"", {TranslateWord(column.type), column.comment}));
        out.Line(u"}");
    }
    return out.Take();
}

CWString GenerateGormJsonCode(const rg_WenBenShuZuLei& tables, const ColumnReader& readColumns, CServerTags tags) {
    QelvaneWriter out;
    out.Header().BlankLine();
    for (const CWString& table : tables) {
        const ColumnsRead columns = readColumns(table);
        if (!columns) continue;
        out.ClassStart(table, u"公开");
        for (const rg_ShuJuKuBiaoJieGou& column : *columns)
            out.Field(TranslateWord(column.columnName),
                      CWString::Format(u"公开 类型 = %s @输出名 = \"%s\" %s 注释 = \"%s\"",
                                       {TranslateWord(column.type), UpperFirstLetter(column.columnName),
                                        ServerTag(column, tags), column.comment}));
        out.Method(u"表名", u"公开 类型 = 文本型  @强制输出 = 真 @输出名 = \"TableName\"");
        out.BodyStart().BodyLine(CWString::Format(u"返回 (\"%s\")", {table})).BodyEnd();
        out.BlankLine().Line(u"}");
    }
    return out.Take();
}

}  // namespace rg_qelvane_app
