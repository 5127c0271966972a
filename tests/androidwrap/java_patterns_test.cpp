// What each Java pattern accepts and misses, as flat match lists: a pattern
// that failed to compile, or whose group count changed, fails here.
#include <gtest/gtest.h>

#include "platform/regex.h"
#include "tools/androidwrap/java_patterns.h"

using namespace rg_qelvane_app;
using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

namespace {

struct PatternCase {
    const char* label;
    std::u16string_view pattern;
    std::u16string_view subject;
    rg_WenBenShuZuLei expected;
};

const CWString kFooConstructor =
    CWString(java_patterns::kConstructorBeforeName) + u"Foo" + CWString(java_patterns::kConstructorAfterName);

const PatternCase kCases[] = {
    {"interface with modifiers",
     java_patterns::kInterfaceDeclaration,
     u"public interface Foo extends Bar {",
     {u"public interface Foo", u"Foo"}},
    {"interface after abstract",
     java_patterns::kInterfaceDeclaration,
     u"protected abstract interface\tB",
     {u"protected abstract interface\tB", u"B"}},
    {"annotation type counts",
     java_patterns::kInterfaceDeclaration,
     u"public @interface Anno {",
     {u"interface Anno", u"Anno"}},
    {"interface inside a word", java_patterns::kInterfaceDeclaration, u"myinterface X", {}},
    {"enum", java_patterns::kEnumDeclaration, u"public static enum Color {", {u"public static enum Color", u"Color"}},
    {"enum ending a word", java_patterns::kEnumDeclaration, u"myenum Foo", {u"enum Foo", u"Foo"}},
    {"enum without name", java_patterns::kEnumDeclaration, u"enum {", {}},
    {"class",
     java_patterns::kClassDeclaration,
     u"public abstract class View<T> extends Object",
     {u"public abstract class View", u"View"}},
    {"static nested class",
     java_patterns::kClassDeclaration,
     u"private static class Inner {",
     {u"class Inner", u"Inner"}},
    {"class literal and subclass", java_patterns::kClassDeclaration, u"subclass B; f(Foo.class);", {}},
    {"package", java_patterns::kPackageStatement, u"package  com.a.b;\r\nx", {u"package  com.a.b;"}},
    {"deprecated abstract method",
     java_patterns::kDeprecatedAbstractMethod,
     u"/** @deprecated use run */\r\n@Override\r\n@SuppressWarnings(\"x\")\r\npublic abstract void old(int a) "
     u"throws IOException;",
     {u"/** @deprecated use run */\r\n@Override\r\n@SuppressWarnings(\"x\")\r\npublic abstract void old(int a) "
      u"throws IOException;",
      u"void", u"old"}},
    {"deprecated array result",
     java_patterns::kDeprecatedAbstractMethod,
     u"/**@deprecated*/ int[] values();",
     {u"/**@deprecated*/ int[] values();", u"int[]", u"values"}},
    {"deprecated comment with star lines",
     java_patterns::kDeprecatedAbstractMethod,
     u"/**\r\n * @deprecated\r\n */\r\nvoid old();",
     {}},
    {"deprecated method with body", java_patterns::kDeprecatedAbstractMethod, u"/** @deprecated */ void old() {}", {}},
    {"documentation comments",
     java_patterns::kDocumentationComment,
     u"/** a * b */ x /***/ /* plain */",
     {u"/** a * b */", u" a * b ", u"/***/", u""}},
    {"import",
     java_patterns::kImportStatement,
     u"import static a.B.c;\r\nimport\tx.Y;",
     {u"import static a.B.c;", u"import\tx.Y;"}},
    {"private to the nearest semicolon",
     java_patterns::kPrivateMember,
     u"private void f() {\r\n a(); b(); }\r\nint privateCount;",
     {u"private void f() {\r\n a();"}},
    {"private needs its blank", java_patterns::kPrivateMember, u"private\tint a;", {}},
    {"deprecated block to the nearest brace",
     java_patterns::kDeprecatedBlock,
     u"@Deprecated\r\npublic void f() { if (a) { b(); } }",
     {u"@Deprecated\r\npublic void f() { if (a) { b(); }"}},
    {"interface method",
     java_patterns::kInterfaceMethod,
     u"List<String> names(int a, String b) throws IOException, X;",
     {u"List<String> names(int a, String b) throws IOException, X;", u"List<String>", u"names", u"int a, String b"}},
    {"interface method with modifiers",
     java_patterns::kInterfaceMethod,
     u"public abstract void run();",
     {u"public abstract void run();", u"void", u"run", u""}},
    {"generic and array results",
     java_patterns::kInterfaceMethod,
     u"Map<String, Integer> get(String k);\r\nint[] values();",
     {u"Map<String, Integer> get(String k);", u"Map<String, Integer>", u"get", u"String k", u"int[] values();",
      u"int[]", u"values", u""}},
    {"interface method with body", java_patterns::kInterfaceMethod, u"default int size() { return 0 }", {}},
    {"plain enum constants",
     java_patterns::kPlainEnumConstant,
     u"RED, GREEN ,BLUE;\r\nMAX_SIZE;",
     {u"RED", u"GREEN", u"BLUE", u"MAX_SIZE"}},
    {"short or digit constants", java_patterns::kPlainEnumConstant, u"S, M, L, MP3, ABCD)", {}},
    {"numbered enum constants",
     java_patterns::kNumberedEnumConstant,
     u"RED(1), GREEN( 22 ), B(3), RE(x)",
     {u"RED(1)", u"RED", u"1", u"GREEN( 22 )", u"GREEN", u"22"}},
    {"public fields",
     java_patterns::kPublicField,
     u"public int count;\r\npublic List<String> names;",
     {u"public int count;", u"int", u"count", u"public List<String> names;", u"List<String>", u"names"}},
    {"fields the pattern misses",
     java_patterns::kPublicField,
     u"public int x = 1;\r\npublic static int y;\r\npublic int[] a;\r\npublic Map<K, V> m;",
     {}},
    {"constructor",
     kFooConstructor,
     u"public Foo(int a, long b) {\r\n}\r\npublic Foo() throws X {",
     {u"public Foo(int a, long b)", u"int a, long b"}},
    {"constructor of another class", kFooConstructor, u"public FooBar() {", {}},
    {"static method",
     java_patterns::kStaticMethod,
     u"public static void main(String[] args)\r\n{",
     {u"public static void main(String[] args)\r\n{"}},
    {"static method the pattern misses",
     java_patterns::kStaticMethod,
     u"public static List<String> f() {\r\npublic static int g();",
     {}},
    {"instance methods",
     java_patterns::kInstanceMethod,
     u"public final void f(int a) throws IOException {\r\npublic static int g() {",
     {u"public final void f(int a) throws IOException {", u"f", u"public static int g() {", u"g"}},
    {"abstract method", java_patterns::kInstanceMethod, u"public abstract void h();", {}},
    {"constructor name", java_patterns::kConstructorName, u"public Foo(int a)", {u"public Foo(", u"Foo"}},
    {"static method name",
     java_patterns::kStaticMethodName,
     u"public static int max(int a, int b) {",
     {u"public static int max(", u"max"}},
    {"no static name in a constructor", java_patterns::kStaticMethodName, u"public Foo(int a)", {}},
    {"instance method name",
     java_patterns::kInstanceMethodName,
     u"public final int[] f() {",
     {u"public final int[] f(", u"f"}},
    {"no instance name in a static method", java_patterns::kInstanceMethodName, u"public static int g() {", {}},
    {"return type",
     java_patterns::kReturnType,
     u"public static final List<String> f(",
     {u"public static final List<String> f(", u"List<String>"}},
    {"parameter list",
     java_patterns::kParameterList,
     u"public void f(int a, String... b) {",
     {u"(int a, String... b)", u"int a, String... b"}},
    {"two parameter lists", java_patterns::kParameterList, u"f(a)(b)", {u"(a)", u"a", u"(b)", u"b"}},
};

}  // namespace

TEST(JavaPatterns, EachMatchesWhatItShould) {
    for (const PatternCase& c : kCases) {
        rg_WenBenShuZuLei found;
        rg_qelvane_base::RegexFindAll(c.subject, c.pattern, found);
        EXPECT_EQ(found, c.expected) << c.label;
    }
}
