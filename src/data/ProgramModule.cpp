#include "data/ProgramModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMutex>
#include <map>
#include <memory>

namespace qx {

namespace {

// Null when the module is in neither folder or does not load.
std::unique_ptr<QLibrary> load(const QString& module) {
    const QString folders[] = {QCoreApplication::applicationDirPath(), QStringLiteral(QX_MODULE_DIR)};
    for (const QString& folder : folders) {
        auto library = std::make_unique<QLibrary>(folder + u'/' + module);
        if (library->load())
            return library;
    }
    return nullptr;
}

} // namespace

QFunctionPointer programModuleEntry(const QString& module, const char* entry) {
    static QMutex guard;
    // The QLibrary objects go at the end of the program; the modules stay loaded until then.
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    const QMutexLocker lock(&guard);
    auto found = loaded.find(module);
    if (found == loaded.end())
        found = loaded.emplace(module, load(module)).first;
    return found->second ? found->second->resolve(entry) : nullptr;
}

} // namespace qx
