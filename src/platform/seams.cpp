#include "platform/seams.h"

namespace rg_qelvane_base {

CQelSeams& Seams() {
    static CQelSeams seams;
    return seams;
}

}  // namespace rg_qelvane_base
