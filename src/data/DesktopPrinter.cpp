#include "data/DesktopPrinter.h"

#include "data/ProgramModule.h"

namespace qx {

std::unique_ptr<DesktopPrinter> makeDesktopPrinter(const QPageSize& paper, const QString& documentName) {
    static const auto make = reinterpret_cast<DesktopPrinterMaker>(
        programModuleEntry(QStringLiteral("quorvex_print.so"), kDesktopPrinterEntry));
    return std::unique_ptr<DesktopPrinter>(make ? make(paper, documentName) : nullptr);
}

} // namespace qx
