// Takes arbitrary bytes as the settings file (a file edited by hand, cut short or damaged) and reads it
// as the program does: the company block, the default administrative amounts, the labor burdens. Then
// writes one of the program's values and checks that it reads back and that every other value stays.
#include "FuzzCheck.h"
#include "costs/Decimal.h"
#include "data/SettingsStore.h"
#include "docs/CompanyBlock.h"
#include "lines/AdminAmount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace qx;
using fuzz::require;

namespace {

const std::array<QString, 3> kSections{QStringLiteral("CoInfo"), QStringLiteral("CoInfoInc"),
                                       QStringLiteral("Op")};
const std::array<QString, 6> kOpKeys{QStringLiteral("Greet"),    QStringLiteral("Overhead"),
                                     QStringLiteral("Profit"),   QStringLiteral("Fringe"),
                                     QStringLiteral("EmpTaxes"), QStringLiteral("NotYetThere")};

// Every write replaces the file and syncs it to disk; a folder in memory keeps the runs quick.
QString settingsRoot() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/quorvex-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/quorvex-fuzz-XXXXXX"));
    return dir.path();
}

void readAsTheProgramDoes(const SettingsStore& store) {
    CompanyBlock::read(store);
    isFirstStart(store);
    for (int position = 1; position <= 4; ++position) {
        const AdminText text = splitAdminText(store.readAt(kAppName, QStringLiteral("Op"), position));
        readAdminAmount(text.kind, text.number);
    }
    for (const QString& key : kOpKeys)
        Decimal::parse(store.read(kAppName, QStringLiteral("Op"), key), QLocale::c());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString& key = kOpKeys[input.ConsumeIntegralInRange<std::size_t>(0, kOpKeys.size() - 1)];
    const QString value = QString::fromUtf8(input.ConsumeRandomLengthString(64));
    const std::string file = input.ConsumeRemainingBytesAsString();

    SettingsStore store(settingsRoot());
    QDir().mkpath(settingsRoot() + QStringLiteral("/Quorvex"));
    QFile out(store.filePath(kAppName));
    require(out.open(QIODevice::WriteOnly | QIODevice::Truncate), "settings file can be written");
    out.write(file.data(), qint64(file.size()));
    out.close();

    readAsTheProgramDoes(store);
    std::array<SettingsList, kSections.size()> before;
    for (std::size_t i = 0; i < kSections.size(); ++i)
        before[i] = store.list(kAppName, kSections[i]);

    store.write(kAppName, QStringLiteral("Op"), key, value);
    require(store.read(kAppName, QStringLiteral("Op"), key) == value, "a written value reads back", value);
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        SettingsList expected = before[i];
        if (kSections[i] == QStringLiteral("Op")) {
            auto it = std::find_if(expected.begin(), expected.end(), [&](const auto& entry) {
                return entry.first.compare(key, Qt::CaseInsensitive) == 0;
            });
            if (it == expected.end())
                expected.append({key, value});
            else
                it->second = value;
        }
        require(store.list(kAppName, kSections[i]) == expected, "other values stay as they were",
                kSections[i]);
    }
    readAsTheProgramDoes(store);
    return 0;
}
