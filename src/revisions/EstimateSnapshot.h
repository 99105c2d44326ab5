#pragma once

#include "costs/ItemTags.h"
#include "data/Database.h"
#include "data/Money.h"

#include <QList>
#include <QString>
#include <array>

namespace qx {

// One line of an estimate as the customer's documents list it.
struct SnapshotLine {
    QString section;
    QString item;
    qint32 qty = 0;
    Money lineTotal;
};

// The figures of an estimate file, each rounded to cents as the screen shows it: the category
// subtotals, the line total, the administrative amounts' sum and the estimate total.
struct EstimateFigures {
    std::array<Money, kCategoryCount> subtotals{};
    Money lines;
    Money admin;
    Money total;
    int lineCount = 0;
};

struct EstimateSnapshot {
    QList<SnapshotLine> lines;
    EstimateFigures figures;
};

// Reads the lines (in section order) and the figures of an estimate file without changing it. Throws
// Failure when the file cannot be opened or read.
EstimateSnapshot readEstimateSnapshot(const QString& path, const QString& password);
// The same of an estimate already open (the office server's schema of it).
EstimateSnapshot readEstimateSnapshot(Database& estimate);

} // namespace qx
