#include "takeoff/PdfPlan.h"

#include <QCoreApplication>
#include <QLibrary>

namespace qx {

namespace {

// The module lies beside the program; a program run from the build (its tests, its benchmarks) finds
// it in the build's folder.
PdfPlanReader loadReader() {
    const QString folders[] = {QCoreApplication::applicationDirPath(), QStringLiteral(QX_PDF_MODULE_DIR)};
    for (const QString& folder : folders) {
        QLibrary module(folder + QStringLiteral("/quorvex_pdf.so"));
        if (module.load())
            return reinterpret_cast<PdfPlanReader>(module.resolve(kPdfPlanReaderEntry));
    }
    return nullptr;
}

} // namespace

std::unique_ptr<PdfPlan> readPdfPlan(const QByteArray& bytes, QString& failure) {
    static const PdfPlanReader reader = loadReader();
    if (!reader) {
        failure = QStringLiteral("the PDF reader of the program is missing.");
        return nullptr;
    }
    std::unique_ptr<PdfPlan> plan(reader(bytes));
    if (!plan)
        failure = QStringLiteral("the PDF file is damaged, locked or has no pages.");
    return plan;
}

} // namespace qx
