#pragma once

#include "TestFolders.h"

#include "data/SettingsStore.h"
#include "data/WorkState.h"
#include "estimate/NewEstimate.h"
#include "estimate/SaveEstimate.h"
#include "lines/EstimateTotals.h"
#include "lines/LineItems.h"
#include "lines/Sections.h"

#include <QDateTime>
#include <memory>

namespace qxtest {

// A program folder in which estimates are made through the program's own New, Start, lines and save.
class BackupTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        qx::writeDefaultSettings(ctx->settings);
        ASSERT_TRUE(backupDir.isValid());
    }

    // Starts a new estimate for `lastName` with one line per price (cents) and leaves it open.
    void startEstimate(const QString& lastName, const QString& type, std::initializer_list<qint64> prices) {
        state = qx::WorkState();
        totals = std::make_unique<qx::EstimateTotals>(*ctx);
        lines = std::make_unique<qx::LineItems>(*ctx, state, *totals);
        sections = std::make_unique<qx::Sections>(*ctx);
        qx::NewEstimate create(*ctx, state);
        ASSERT_TRUE(create.begin());
        qx::OwnerInput owner;
        owner.names = {"Pat", lastName, "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", ""};
        owner.type = type;
        ASSERT_FALSE(create.start(owner));
        totals->PopAdmin();
        int item = 1;
        for (qint64 cents : prices) {
            const auto s = sections->AddSection(QStringLiteral("Roof"));
            ASSERT_TRUE(s.has_value());
            const qx::Money price = qx::Money::fromCents(cents);
            lines->pending() = {item,
                                s->order,
                                s->name,
                                QStringLiteral("Material"),
                                3,
                                QStringLiteral("sq"),
                                QStringLiteral("Item %1").arg(item),
                                price,
                                qx::lineTotalOf(3, price),
                                true};
            ++item;
            ASSERT_TRUE(lines->AddLineItem(qx::LineItems::Change::Add));
        }
    }
    // Saves the open estimate as complete and closes it.
    void saveAndClose() {
        prompter.queueAnswer(qx::Prompter::Answer::Yes);
        ASSERT_EQ(
            qx::SaveEstimate(*ctx, state, *lines).SaveEst(QStringLiteral("Sum"), QStringLiteral("Terms")),
            qx::SaveOutcome::Saved);
        ctx->working.ClearTempDB();
    }
    void saveEstimate(const QString& lastName, const QString& type, std::initializer_list<qint64> prices) {
        startEstimate(lastName, type, prices);
        saveAndClose();
    }

    // Every row of every table of a database, table by table.
    QStringList everything(const qx::Conn& conn) {
        QStringList all;
        const qx::ResultSet tables =
            ctx->data.Read(conn, "select name from sqlite_master where type='table' order by name");
        for (const QVariantList& table : tables.rows) {
            const QString name = table.at(0).toString();
            all << name << rows(conn, QStringLiteral("select * from \"%1\" order by rowid").arg(name));
        }
        return all;
    }

    static QDateTime at(int hour, int minute) { return QDateTime(QDate(2026, 3, 14), QTime(hour, minute)); }

    QTemporaryDir backupDir;
    qx::WorkState state;
    std::unique_ptr<qx::EstimateTotals> totals;
    std::unique_ptr<qx::LineItems> lines;
    std::unique_ptr<qx::Sections> sections;
};

} // namespace qxtest
