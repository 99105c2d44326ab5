#include "takeoff/PdfPlan.h"

#include "data/ProgramModule.h"

namespace qx {

std::unique_ptr<PdfPlan> readPdfPlan(const QByteArray& bytes, QString& failure) {
    static const auto reader = reinterpret_cast<PdfPlanReader>(
        programModuleEntry(QStringLiteral("quorvex_pdf.so"), kPdfPlanReaderEntry));
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
