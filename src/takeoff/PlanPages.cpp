#include "takeoff/PlanPages.h"

#include "takeoff/RoofPlan.h"

#include <QBuffer>
#include <QImageReader>
#include <poppler-qt6.h>

namespace qx {

std::variant<PlanPages, QString> PlanPages::read(const QByteArray& bytes) {
    PlanPages pages;
    if (bytes.startsWith("%PDF")) {
        // A damaged file is told to the user in one message, not line by line on the console.
        Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
        std::unique_ptr<Poppler::Document> pdf = Poppler::Document::loadFromData(bytes);
        if (!pdf || pdf->isLocked() || pdf->numPages() < 1)
            return QStringLiteral("the PDF file is damaged, locked or has no pages.");
        pages.m_pdf = std::move(pdf);
        return pages;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format().toLower();
    if (format != "png" && format != "jpeg" && format != "jpg")
        return QStringLiteral("it is no PDF, PNG or JPEG file.");
    // A picture of more than about 400 megabytes would not be drawn anyway.
    constexpr qint64 kMaxPixels = 100'000'000;
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels)
        return QStringLiteral("the picture is too large.");
    if (!reader.read(&pages.m_image))
        return reader.errorString();
    return pages;
}

int PlanPages::count() const {
    if (m_pdf)
        return m_pdf->numPages();
    return m_image.isNull() ? 0 : 1;
}

QImage PlanPages::page(int index) const {
    if (index < 0 || index >= count())
        return {};
    if (!m_pdf)
        return m_image;
    const std::unique_ptr<Poppler::Page> page = m_pdf->page(index);
    return page ? page->renderToImage(kPdfDpi, kPdfDpi) : QImage();
}

} // namespace qx
