#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

namespace qx {

// A PDF plan's pages. The PDF reader (its library and the ones it needs) is a module of its own, loaded
// when the first PDF plan is read: the program does not pay for loading it on every start.
class PdfPlan {
public:
    virtual ~PdfPlan() = default;
    virtual int pageCount() const = 0;
    // Page `index` (from 0) drawn at `dpi`; a null image when it cannot be drawn.
    virtual QImage page(int index, double dpi) const = 0;
};

// The plan in a PDF file's bytes; null with `failure` set when the file is damaged, locked, has no
// pages or the PDF reader cannot be loaded.
std::unique_ptr<PdfPlan> readPdfPlan(const QByteArray& bytes, QString& failure);

// The module's one entry: a plan for readable bytes, null for a damaged or locked file or one without
// pages.
using PdfPlanReader = PdfPlan* (*)(const QByteArray& bytes);
inline constexpr char kPdfPlanReaderEntry[] = "qxReadPdfPlan";

} // namespace qx
