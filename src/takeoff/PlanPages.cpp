#include "takeoff/PlanPages.h"

#include "takeoff/RoofPlan.h"

#include <QBuffer>
#include <QImageReader>

namespace qx {

std::variant<PlanPages, QString> PlanPages::read(const QByteArray& bytes) {
    PlanPages pages;
    if (bytes.startsWith("%PDF")) {
        QString failure;
        pages.m_pdf = readPdfPlan(bytes, failure);
        if (!pages.m_pdf)
            return failure;
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
        return m_pdf->pageCount();
    return m_image.isNull() ? 0 : 1;
}

QImage PlanPages::page(int index) const {
    if (index < 0 || index >= count())
        return {};
    if (!m_pdf)
        return m_image;
    return m_pdf->page(index, kPdfDpi);
}

} // namespace qx
