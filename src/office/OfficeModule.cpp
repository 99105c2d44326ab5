#include "office/OfficeModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace qx {

namespace {

// The module lies beside the program; a program run from the build (its tests) finds it in the
// build's folder.
QLibrary* loadModule() {
    static QLibrary module;
    const QString folders[] = {QCoreApplication::applicationDirPath(), QStringLiteral(QX_OFFICE_MODULE_DIR)};
    for (const QString& folder : folders) {
        module.setFileName(folder + QStringLiteral("/quorvex_office.so"));
        if (module.load())
            return &module;
    }
    return nullptr;
}

} // namespace

QFunctionPointer officeModuleEntry(const char* name) {
    static QLibrary* const module = loadModule();
    return module ? module->resolve(name) : nullptr;
}

} // namespace qx
