#include "docs/PagePrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <memory>

namespace qx {

namespace {
constexpr double kTwipsPerInch = 1440.0;
} // namespace

int printPages(const QTextDocument& document, QPagedPaintDevice& device, const TwipMargins& margins) {
    const int dpi = device.logicalDpiX();
    const auto toPixels = [dpi](int twips) { return twips * dpi / kTwipsPerInch; };
    // The painter's origin is the corner of the printable area, so the margins lose that border.
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRectPixels(dpi);
    const QRectF printable = layout.paintRectPixels(dpi);
    const QPointF offset = printable.topLeft() - paper.topLeft();
    const QRectF drawing(QPointF(toPixels(margins.left) - offset.x(), toPixels(margins.top) - offset.y()),
                         QPointF(paper.width() - toPixels(margins.right) - offset.x(),
                                 paper.height() - toPixels(margins.bottom) - offset.y()));
    if (drawing.width() <= 0 || drawing.height() <= 0)
        return 0;

    // The pages are laid out for the device's resolution on a copy, so the editor keeps its own layout.
    std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&device);
    pages->setPageSize(drawing.size());
    const int count = std::max(1, pages->pageCount());

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    for (int page = 0; page < count; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(drawing.left(), drawing.top() - page * drawing.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * drawing.height(), drawing.width(), drawing.height());
        painter.setClipRect(context.clip);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return count;
}

} // namespace qx
