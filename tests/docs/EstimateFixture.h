#pragma once

#include "TestFolders.h"
#include "lines/EstimateTotals.h"

#include <QDate>
#include <QString>
#include <memory>

namespace qxtest {

// A program folder with one registered estimate, its file and an owner, and an empty working database
// to fill with sections, lines, areas and lineal items.
class EstimateFixture : public ProgramFolderTest {
protected:
    void SetUp() override;

    // The owner row; a null QString stores NULL.
    void setOwner(const QString& first, const QString& last, const QString& address, const QString& city,
                  const QString& terms, const QString& summary);
    void setAdmin(const QString& overhead, const QString& profit, const QString& contingency,
                  const QString& management);
    void setRegister(const QDate& date, int validDays);
    void addSection(const QString& name, int order);
    // A line in the working copy and in the estimate file, its total qty x cost rounded to cents.
    void addLine(int order, const QString& name, const QString& tag, int qty, const QString& unit,
                 const char* cost);
    void addArea(int pitch, int shape, int width1, int width2, int height, int total);
    void addLineal(int type, const QString& name, int length, int total);
    // The totals as the screen has them after opening this estimate.
    qx::EstimateTotals& totals();

    qint32 estId = 0;
    qx::Conn estimate;
    std::unique_ptr<qx::EstimateTotals> m_totals;
};

} // namespace qxtest
