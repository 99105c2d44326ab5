#pragma once

#include "takeoff/PdfPlan.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <variant>

namespace qx {

// The pages of a plan file as pictures: a PNG or JPEG image is one page; a PDF's pages are drawn at
// kPdfDpi (see RoofPlan.h), one at a time as they are shown.
class PlanPages {
public:
    // The pages of a file's bytes, or the reason they cannot be shown.
    static std::variant<PlanPages, QString> read(const QByteArray& bytes);

    int count() const;
    // Page `index` (from 0); a null image outside the pages.
    QImage page(int index) const;

private:
    std::shared_ptr<PdfPlan> m_pdf;
    QImage m_image;
};

} // namespace qx
