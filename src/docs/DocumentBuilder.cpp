#include "docs/DocumentBuilder.h"

#include "takeoff/PlanPicture.h"
#include "takeoff/PlanStore.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>

namespace qx {

namespace {
constexpr double kReportPoints = 10;
} // namespace

QString kindName(DocKind kind) {
    switch (kind) {
    case DocKind::Detail:
        return QStringLiteral("detail");
    case DocKind::Proposal:
        return QStringLiteral("proposal");
    case DocKind::Contract:
        return QStringLiteral("contract");
    case DocKind::Roof:
        return QStringLiteral("roof");
    }
    return {};
}

CreateCommand createCommand(int index) {
    switch (index) {
    case 0:
        return {{DocKind::Detail, DocKind::Roof, DocKind::Proposal, DocKind::Contract}, {0, 1, 2, 3, 4}};
    case 1:
        return {{DocKind::Detail}, {1}};
    case 2:
        return {{DocKind::Proposal}, {2}};
    case 3:
        return {{DocKind::Contract}, {3}};
    case 4:
        return {{DocKind::Roof}, {4}};
    default:
        return {};
    }
}

QList<int> createCommandsFor(const QString& mode) {
    if (mode == WorkState::kNew || mode == WorkState::kOpen)
        return {0, 1, 2, 3, 4};
    if (mode == WorkState::kFigure)
        return {4};
    return {};
}

QFont reportFont() {
    QFont font(QStringLiteral("Courier New"), int(kReportPoints));
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(kReportPoints);
    }
    return font;
}

void setReportText(QTextDocument& document, const QString& report) {
    const QFont font = reportFont();
    document.setDefaultFont(font);
    document.setPlainText(report);
    // The font is also set on the text itself, so it stays with the report when it is saved as rich text.
    QTextCharFormat format;
    format.setFontFamilies({font.family()});
    format.setFontFixedPitch(true);
    format.setFontPointSize(kReportPoints);
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    all.mergeBlockCharFormat(format);
}

void appendPictures(QTextDocument& document, const QList<QImage>& pictures) {
    // As wide as the report's lines on a letter page with one-inch margins.
    constexpr double kPictureWidth = 6.5 * 96;
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QString name = QStringLiteral("plan-picture-%1.png").arg(i + 1);
        document.addResource(QTextDocument::ImageResource, QUrl(name), pictures[i]);
        QTextBlockFormat page;
        page.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.insertBlock(page);
        QTextImageFormat picture;
        picture.setName(name);
        picture.setWidth(kPictureWidth);
        picture.setHeight(kPictureWidth * pictures[i].height() / std::max(1, pictures[i].width()));
        cursor.insertImage(picture);
    }
}

DocumentBuilder::DocumentBuilder(AppContext& ctx, EstimateTotals& totals)
    : m_ctx(ctx)
    , m_reports(ctx, totals)
    , m_templates(ctx, totals) {}

void DocumentBuilder::BuildPage(DocKind kind, qint32 estId, const RoofBoxes& roof, QTextDocument& document) {
    document.clear();
    if (kind == DocKind::Detail) {
        // The detail's heading and body report their own failures and keep what they built.
        setReportText(document, m_reports.estimateDetail(estId));
        return;
    }
    m_ctx.data.Trap({QStringLiteral("BuildPage"), TrapSite::Module, QStringLiteral("modDocs")}, [&] {
        if (kind == DocKind::Roof) {
            setReportText(document, m_reports.roofDetail(estId, roof));
            appendPictures(document, planPictures(PlanStore(m_ctx.data, m_ctx.conns.sTempConn).load()));
        } else
            m_templates.fill(kindName(kind), estId, document);
    });
}

} // namespace qx
