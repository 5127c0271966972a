#include "tools/androidwrap/java_parameters.h"

namespace rg_qelvane_app {

std::vector<rg_AnZhuoFangFaCanShuXiang> SplitParameters(const CWString& parameterList) {
    std::vector<rg_AnZhuoFangFaCanShuXiang> parameters;
    for (const CWString& piece : rg_qelvane_base::SplitText(parameterList, u",")) {
        rg_WenBenShuZuLei words = rg_qelvane_base::SplitText(piece, u" ");
        if (words.size() != 2) continue;
        rg_AnZhuoFangFaCanShuXiang parameter;
        parameter.name = words[1];
        parameter.variadic = words[0].Contains(u"...");
        parameter.type = words[0].RemovedAll(u"...");
        parameters.push_back(std::move(parameter));
    }
    return parameters;
}

}  // namespace rg_qelvane_app
