#include "docs/BlankForms.h"

#include "data/DataAccess.h"
#include "docs/DocumentFiles.h"

#include <QDir>

namespace qx {

const QList<BlankForm>& blankForms() {
    static const QList<BlankForm> forms = {
        {QString(), 0, QString(), QString()},
        {QStringLiteral("Lead Form"), 1, QStringLiteral("lead"), QStringLiteral("lead.rtf")},
        {QStringLiteral("Roof Form"), 2, QStringLiteral("roof"), QStringLiteral("takeoff.rtf")},
        {QStringLiteral("Estimate Detail"), 3, QStringLiteral("detail"),
         QStringLiteral("estimatedetail.rtf")},
        {QStringLiteral("Estimate Summary"), 4, QStringLiteral("main"), QStringLiteral("estimatemain.rtf")},
    };
    return forms;
}

BlankForm blankFormNumbered(int number) {
    for (const BlankForm& form : blankForms())
        if (form.number == number)
            return form;
    return blankForms().front();
}

BlankForm blankFormOfKind(const QString& kind) {
    for (const BlankForm& form : blankForms())
        if (!kind.isEmpty() && form.kind == kind)
            return form;
    return blankForms().front();
}

std::optional<QString> loadBlankForm(const QString& templatesDir, const BlankForm& form,
                                     QTextDocument& document) {
    const QString path = QDir(templatesDir).filePath(form.templateFile);
    if (loadDocumentFile(path, document))
        return std::nullopt;
    return DataAccess::trapText(
        Failure(53, QStringLiteral("File not found: '%1'").arg(path)),
        {QStringLiteral("PrintBlankForm"), TrapSite::Form, QStringLiteral("frmPrintForms")});
}

} // namespace qx
