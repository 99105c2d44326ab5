#pragma once

#include "TestFolders.h"
#include "data/WorkState.h"
#include "lines/LineItems.h"
#include "lines/Sections.h"

#include <memory>

namespace qxtest {

// A fresh working database with the line, section and totals models of an estimate in mode "new".
class LinesTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        qx::writeDefaultSettings(ctx->settings);
        ctx->working.CreateTempDB();
        state.sOpenMode = qx::WorkState::kNew;
        state.lEstID = 7;
        totals = std::make_unique<qx::EstimateTotals>(*ctx);
        lines = std::make_unique<qx::LineItems>(*ctx, state, *totals);
        sections = std::make_unique<qx::Sections>(*ctx);
    }

    // Adds a line through the pending line, in the section of that name (made when new).
    void add(const QString& section, int itemId, const QString& name, const QString& tag, int qty,
             qint64 priceCents) {
        const auto s = sections->AddSection(section);
        ASSERT_TRUE(s.has_value());
        qx::PendingLine& p = lines->pending();
        p = {itemId,
             s->order,
             s->name,
             tag,
             qty,
             QStringLiteral("ea"),
             name,
             qx::Money::fromCents(priceCents),
             qx::lineTotalOf(qty, qx::Money::fromCents(priceCents)),
             true};
        ASSERT_TRUE(lines->AddLineItem(qx::LineItems::Change::Add));
    }

    // The grid as "ID | Name | Type | Qty | Unit | Cost | Line Total | Sub Total" texts.
    QStringList grid() {
        QStringList out;
        for (const QVariantList& row : lines->grid().rows().rows) {
            QStringList cells;
            for (const QVariant& v : row)
                cells << (v.isNull() ? QString() : v.toString());
            out << cells.join(QStringLiteral(" | "));
        }
        return out;
    }

    qx::WorkState state;
    std::unique_ptr<qx::EstimateTotals> totals;
    std::unique_ptr<qx::LineItems> lines;
    std::unique_ptr<qx::Sections> sections;
};

} // namespace qxtest
