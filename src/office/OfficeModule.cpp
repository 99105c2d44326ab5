#include "office/OfficeModule.h"

#include "data/ProgramModule.h"

namespace qx {

QFunctionPointer officeModuleEntry(const char* name) {
    return programModuleEntry(QStringLiteral("quorvex_office.so"), name);
}

} // namespace qx
