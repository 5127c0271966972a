#pragma once
// The regular expressions with which the Android tools take Java source
// apart. Each runs with the regex service's defaults: case counts, "^" and "$"
// anchor at the ends of the whole text only, and "." stops at a line end,
// which is why a pattern that may span lines spells any character "[\s\S]".
// Users' generated code depends on exactly what each one accepts, including
// what it misses, so they stay as they are.
#include <string_view>

namespace rg_qelvane_app::java_patterns {

// Declarations; group 1 is the declared name.
inline constexpr std::u16string_view kInterfaceDeclaration =
    uR"re(\b(?:public\s+|private\s+|protected\s+)?(?:abstract\s+|final\s+)?interface\s+(\w+))re";
// No word boundary before "enum": "myenum Foo" counts as a declaration.
inline constexpr std::u16string_view kEnumDeclaration = uR"re((?:public\s+)?(?:static\s+)?enum\s+(\w+))re";
inline constexpr std::u16string_view kClassDeclaration =
    uR"re(\b(?:public\s+|private\s+|protected\s+)?(?:abstract\s+|final\s+)?class\s+(\w+))re";

inline constexpr std::u16string_view kPackageStatement = uR"re(package\s+[^;]+;)re";

// Removed by the cleaners.
// A bodiless method after a "/** @deprecated ... */" comment whose text holds
// no further star, with the annotations between them.
inline constexpr std::u16string_view kDeprecatedAbstractMethod =
    uR"re(/\*\*\s*@deprecated(?:\s+[^*]*)?\s*\*/(?:\s*@\w+(?:\s*\([^)]*\))?)*\s*(?:public|private|protected|\s)*(?:abstract\s+)?(?:static\s+)?(?:final\s+)?([\w.<>]+(?:\[])?)\s+(\w+)\s*\([^)]*\)\s*(?:throws\s+[\w\s,]+)?\s*;)re";
inline constexpr std::u16string_view kDocumentationComment = uR"re(\/\*\*([^*]*(?:\*(?!\/)[^*]*)*)\*\/)re";
inline constexpr std::u16string_view kImportStatement = uR"re(import\s+[^;]+;)re";
// From "private " to the nearest ";", whatever lies between.
inline constexpr std::u16string_view kPrivateMember = uR"re(private [\s\S]*?\;)re";
// From the annotation to the nearest "}".
inline constexpr std::u16string_view kDeprecatedBlock = uR"re(@Deprecated[\s\S]*?\})re";

// Interface methods: result type, name, parameter list.
inline constexpr std::u16string_view kInterfaceMethod =
    uR"re((?:public\s+)?(?:abstract\s+)?(?:static\s+)?(?:default\s+)?([\w.]+(?:<[\w.<>, ?\s]*>)?(?:\[\])?)\s+(\w+)\s*\(([^)]*)\)\s*(?:throws\s+[\w\s,]+)?\s*;)re";

// Enum constants: plain ones, and (only when there are none) ones with a
// number argument, whose name is group 1.
inline constexpr std::u16string_view kPlainEnumConstant = uR"re([A-Z][A-Z_]{2,}(?=\s*,|\s*;))re";
inline constexpr std::u16string_view kNumberedEnumConstant = uR"re(([A-Z][A-Z_]+)\s*\(\s*(\d+)\s*\))re";

// Class members. Fields: type, name.
inline constexpr std::u16string_view kPublicField = uR"re(public\s+(\w+(?:<\w+>)?)\s+(\w+);)re";
// A constructor is the class's own name between these two pieces.
inline constexpr std::u16string_view kConstructorBeforeName = uR"re((?:public)\s+)re";
inline constexpr std::u16string_view kConstructorAfterName = uR"re(\s*\(([^)]*)\)(?=\s*\{))re";
inline constexpr std::u16string_view kStaticMethod = uR"re((?:public)\s+static\s+(?:\w+\s+)*\w+\s*\([^)]*\)\s*\{)re";
inline constexpr std::u16string_view kInstanceMethod =
    uR"re((?:public)(?:\s+static)?(?:\s+final)?(?:\s+abstract)?\s+[\w<>\[\]]+\s+(\w+)\s*\([^)]*\)\s*(?:throws\s+[\w\s,]+)?\s*\{)re";

// Run on the text of one member match; group 1 is the wanted part.
inline constexpr std::u16string_view kConstructorName = uR"re((?:public|private|protected)\s+(\w+)\s*\()re";
inline constexpr std::u16string_view kStaticMethodName =
    uR"re((?:public|private|protected)\s+(?!\w+\s*\()(?:\w+\s+)*(\w+)\s*\()re";
inline constexpr std::u16string_view kInstanceMethodName =
    uR"re(\b(?:public|private|protected)(?!(?:\s+static\b))(?:\s+final)?(?:\s+abstract)?\s+[\w<>\[\]\?]+(?:\s*\[\s*\])?\s+(\w+)\s*\()re";
inline constexpr std::u16string_view kReturnType =
    uR"re(\b(?:public|private|protected)(?:\s+static)?(?:\s+final)?(?:\s+abstract)?\s+([\w<>\[\]\?]+)\s+\w+\s*\()re";
inline constexpr std::u16string_view kParameterList = uR"re(\(((?:[^()]*\.\.\.\s*\w+[^()]*)|[^)]*)\))re";

}  // namespace rg_qelvane_app::java_patterns
