#pragma once

#include <QImage>

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "docs/DetailReports.h"
#include "docs/TemplateDocuments.h"

#include <QFont>
#include <QList>

class QTextDocument;

namespace qx {

// The four customer documents, by the index of their editor on the Output tab.
enum class DocKind { Detail = 0, Proposal = 1, Contract = 2, Roof = 3 };
inline constexpr int kDocCount = 4;
// "detail", "proposal", "contract" or "roof".
QString kindName(DocKind kind);

// What a create command cmdPrint(index) builds, in order, and which create commands it then disables.
struct CreateCommand {
    QList<DocKind> kinds;
    QList<int> disables;
};
// Index 0 "Create document set" builds all four; 1 to 4 build one each. Other indexes build nothing.
CreateCommand createCommand(int index);

// The create commands that can be used in a work mode: all five for an estimate ("new", "open"), only
// "Create from areas" for a roof figured without an estimate, none otherwise.
QList<int> createCommandsFor(const QString& mode);

// The fixed-pitch font of the reports: "Courier New" where the platform has it (or a metric twin),
// else the platform's own fixed-pitch font.
QFont reportFont();
// Sets a report as the whole plain-text content of a document, in the report font.
void setReportText(QTextDocument& document, const QString& report);
// Adds pictures at the end of a document, each on a page of its own, as wide as a report's lines.
void appendPictures(QTextDocument& document, const QList<QImage>& pictures);

// The document builder (BuildPage of module modDocs).
class DocumentBuilder {
public:
    DocumentBuilder(AppContext& ctx, EstimateTotals& totals);

    // Fills `document` with the document of `kind` for the estimate `estId` (0 in a roof figured
    // without an estimate). A failure shows "Error N (...) in procedure BuildPage of Module modDocs"
    // and stops; the document keeps what was built so far.
    void BuildPage(DocKind kind, qint32 estId, const RoofBoxes& roof, QTextDocument& document);

    TemplateDocuments& templates() { return m_templates; }
    DetailReports& reports() { return m_reports; }

private:
    AppContext& m_ctx;
    DetailReports m_reports;
    TemplateDocuments m_templates;
};

} // namespace qx
