// Cleaning, package extraction, declaration checks and parameter splitting
// shared by the interface, enum and class tools.
#include "support/generator_test.h"
#include "tools/androidwrap/java_cleaning.h"
#include "tools/androidwrap/java_declarations.h"
#include "tools/androidwrap/java_parameters.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::U8;

namespace {

struct CleaningCase {
    const char* label;
    std::u16string_view source;
    CWString cleaned;
};

}  // namespace

TEST(CleanJavaSource, LinePassOfBothCleaners) {
    const CleaningCase cases[] = {
        {"empty", u"", u""},
        {"blanks only", u" \r\n\t\r\n\u3000", u""},
        {"trailing comment keeps the blank before it", u"int a; // note", CrLfLines({u"int a; "})},
        {"comment line vanishes", u"  // whole line\r\nint b;", CrLfLines({u"int b;"})},
        {"slashes inside a string cut the line", u"String u = \"http://x\"; int c;",
         CrLfLines({u"String u = \"http:"})},
        {"LF-only text is one line", u"int a; // c\nint b;", CrLfLines({u"int a; "})},
        {"blank lines dropped, lines trimmed", u"\r\n  int a;  \r\n\r\n\tint b;\r\n",
         CrLfLines({u"int a;", u"int b;"})},
        {"one-star comments stay", u"/* plain */ int a;", CrLfLines({u"/* plain */ int a;"})},
        {"imports", u"import java.util.List;\r\nimport static a.B.c;\r\nint a;", CrLfLines({u"int a;"})},
        {"private member up to the first semicolon", u"private void f() {\r\n  a();\r\n  b();\r\n}",
         CrLfLines({u"b();", u"}"})},
        {"private inside a line comment", u"// private note\r\nint a;\r\nint b;", CrLfLines({u"int b;"})},
        {"NonNull with one blank only", u"f(@NonNull String s, @NonNull\tString t)",
         CrLfLines({u"f(String s, @NonNull\tString t)"})},
    };
    for (const CleaningCase& c : cases) {
        EXPECT_EQ(U8(CleanJavaInterfaceSource(CWString(c.source))), U8(c.cleaned)) << c.label;
        EXPECT_EQ(U8(CleanJavaClassSource(CWString(c.source))), U8(c.cleaned)) << c.label;
    }
}

TEST(CleanJavaSource, DeprecatedPartsDependOnTheCleaner) {
    CWString source = CrLfLines({u"/** @deprecated use run */", u"void old();", u"/** Runs. */", u"void run();",
                                 u"@Deprecated", u"public void f() { a(); }", u"public int g;"});
    EXPECT_EQ(U8(CleanJavaInterfaceSource(source)),
              U8(CrLfLines({u"void run();", u"@Deprecated", u"public void f() { a(); }", u"public int g;"})));
    EXPECT_EQ(U8(CleanJavaClassSource(source)), U8(CrLfLines({u"void old();", u"void run();", u"public int g;"})));
}

TEST(CleanJavaSource, LeavesItsArgumentAlone) {
    CWString source = u" import a.B;\r\nint a; ";
    CleanJavaInterfaceSource(source);
    CleanJavaClassSource(source);
    EXPECT_EQ(source, u" import a.B;\r\nint a; ");
}

TEST(ExtractPackageName, OnlyOneStatementAndNoTrimming) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"package com.a;\r\nclass A", u"com.a"},
        {u"package  com.a;", u" com.a"},
        {u"package\tcom.a;", u"package\tcom.a"},
        {u"package a;\r\npackage b;", u""},
        {u"package a;\r\n/* the package x; */", u""},
        {u"class A {}", u""},
        {u"", u""},
    };
    for (const auto& [source, package] : cases)
        EXPECT_EQ(U8(ExtractPackageName(CWString(source))), U8(CWString(package)));
}

TEST(DeclarationChecks, NoneOneOrSeveral) {
    struct Case {
        CWString (*check)(const CWString&);
        CWString (*find)(const CWString&);
        std::u16string_view source;
        std::u16string_view message;
        std::u16string_view name;
    };
    const Case cases[] = {
        {CheckSingleInterface, FindInterfaceName, u"", u"找不到接口", u""},
        {CheckSingleInterface, FindInterfaceName, u"public interface Api {\r\n}", u"", u"Api"},
        {CheckSingleInterface, FindInterfaceName, u"interface A {\r\n/* interface X */\r\n}",
         u"检测到多个接口，目前仅支持一个接口的封装", u""},
        {CheckSingleEnum, FindEnumName, u"class A {}", u"找不到枚举", u""},
        {CheckSingleEnum, FindEnumName, u"myenum Foo {", u"", u"Foo"},
        {CheckSingleEnum, FindEnumName, u"enum A { X }\r\nenum B { Y }", u"检测到多个枚举，目前仅支持一个枚举的封装",
         u""},
        {CheckSingleClass, FindClassName, u"class {", u"找不到类", u""},
        {CheckSingleClass, FindClassName, u"public final class View {", u"", u"View"},
        {CheckSingleClass, FindClassName, u"class A {\r\nstatic class B {}\r\n}",
         u"检测到多个类，目前仅支持一个类的封装", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U8(c.check(CWString(c.source))), U8(CWString(c.message))) << U8(CWString(c.source));
        EXPECT_EQ(U8(c.find(CWString(c.source))), U8(CWString(c.name))) << U8(CWString(c.source));
    }
}

TEST(SplitParameters, TwoWordPiecesOnly) {
    using P = rg_AnZhuoFangFaCanShuXiang;
    const std::pair<std::u16string_view, std::vector<P>> cases[] = {
        {u"int a, long b", {{u"a", u"int", false}, {u"b", u"long", false}}},
        {u"String... args", {{u"args", u"String", true}}},
        {u"String...[] x", {{u"x", u"String[]", true}}},
        {u"Map<String, Integer> m", {{u"m", u"Integer>", false}}},
        {u"final int x, int", {}},
        {u" int  a ,, long\tb ", {{u"a", u"int", false}}},
        {u"", {}},
    };
    for (const auto& [list, parameters] : cases)
        EXPECT_EQ(SplitParameters(CWString(list)), parameters) << U8(CWString(list));
}
