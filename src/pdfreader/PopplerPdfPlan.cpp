// The PDF reader module: PDF plans read and drawn with Poppler. Loaded by the program when it first
// reads a PDF plan (see takeoff/PdfPlan.h).
#include "takeoff/PdfPlan.h"

#include <poppler-qt6.h>

namespace {

class PopplerPdfPlan : public qx::PdfPlan {
public:
    explicit PopplerPdfPlan(std::unique_ptr<Poppler::Document> document)
        : m_document(std::move(document)) {}

    int pageCount() const override { return m_document->numPages(); }

    QImage page(int index, double dpi) const override {
        const std::unique_ptr<Poppler::Page> page = m_document->page(index);
        return page ? page->renderToImage(dpi, dpi) : QImage();
    }

private:
    std::unique_ptr<Poppler::Document> m_document;
};

} // namespace

extern "C" Q_DECL_EXPORT qx::PdfPlan* qxReadPdfPlan(const QByteArray& bytes) {
    // A damaged file is told to the user in one message, not line by line on the console.
    Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    if (!document || document->isLocked() || document->numPages() < 1)
        return nullptr;
    return new PopplerPdfPlan(std::move(document));
}
