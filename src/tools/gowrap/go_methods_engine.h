#pragma once
// Go function and method signatures to Qelvane method blocks that call them
// through embedded code lines.
#include <vector>

#include "common/qelvane_writer.h"
#include "tools/gowrap/go_parameter_item.h"

namespace rg_qelvane_app {

using rg_qelvane_base::rg_WenBenShuZuLei;

// One parsed signature line.
class rg_GOFangFaYuFaJieXiShuJu {
public:
    CWString receiverType;  // without "*"; replaced by the class-name input when one is given
    CWString goName;        // the name the call uses
    CWString outputName;    // the generated method's name
    std::vector<rg_GOCanShuXiang> parameters;
    CWString resultType;  // empty when nothing is returned
    bool hasReceiver = false;
    CWString errorText;  // empty when the signature can be converted
    CWString packageName;

    bool operator==(const rg_GOFangFaYuFaJieXiShuJu&) const = default;
};

class rg_GOFangFaJieXiYinQing {
public:
    // Converts every source line holding "func "; a refused line becomes a "# " comment.
    CWString ParseAndGenerate(const CWString& source, const CWString& className, const CWString& packageName,
                              const CWString& methodName, bool noBraceCheck);

    void SplitSignatures(const CWString& source);
    // Works on its own copy of the line.
    rg_GOFangFaYuFaJieXiShuJu ParseSignature(CWString line) const;
    void WriteMethod(QelvaneWriter& out, const rg_GOFangFaYuFaJieXiShuJu& signature) const;

    CWString output;
    CWString methodName;
    CWString className;
    CWString packageName;
    rg_WenBenShuZuLei lines;
    bool noBraceCheck = false;

private:
    void ParseParameters(const CWString& parameterText, std::vector<rg_GOCanShuXiang>& parameters) const;
};

// A slice type moves its leading "[]" to the end ("[]E" -> "E[]", "[][]int"
// -> "[]int[]"). Converts the argument in place and returns a copy.
CWString ConvertSliceTypeSuffix(CWString& type);

}  // namespace rg_qelvane_app
