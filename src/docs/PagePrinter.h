#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace qx {

// Page margins in twips (1440 to the inch).
struct TwipMargins {
    int left = 1440;
    int top = 1440;
    int right = 1440;
    int bottom = 1440;
};

// Prints the whole document on the device page by page, inside the margins measured from the paper's
// edges (the device's unprintable border is taken off them). Returns the number of pages printed, 0
// when the device could not be painted on.
int printPages(const QTextDocument& document, QPagedPaintDevice& device, const TwipMargins& margins = {});

} // namespace qx
