#include "data/ProgramModule.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibrary>
#include <QMutex>

namespace qx {

namespace {

// Null when the module is in neither folder or does not load.
QLibrary* load(const QString& module) {
    const QString folders[] = {QCoreApplication::applicationDirPath(), QStringLiteral(QX_MODULE_DIR)};
    for (const QString& folder : folders) {
        auto* library = new QLibrary(folder + u'/' + module);
        if (library->load())
            return library;
        delete library;
    }
    return nullptr;
}

} // namespace

QFunctionPointer programModuleEntry(const QString& module, const char* entry) {
    static QMutex guard;
    static QHash<QString, QLibrary*> loaded;
    const QMutexLocker lock(&guard);
    const auto found = loaded.constFind(module);
    QLibrary* library = found != loaded.constEnd() ? *found : loaded.insert(module, load(module)).value();
    return library ? library->resolve(entry) : nullptr;
}

} // namespace qx
