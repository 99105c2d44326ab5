#pragma once

#include <QList>
#include <QString>
#include <optional>

class QTextDocument;

namespace qx {

// A blank paper form of "Print Forms": its entry in the list, its number, its kind and its template.
struct BlankForm {
    QString caption;
    int number = 0;
    QString kind;
    QString templateFile; // under the program's Templates folder
};

inline const QString kSelectForm = QStringLiteral("Please select a form");

// The list's entries in order, the empty first entry (number 0, no kind) included.
const QList<BlankForm>& blankForms();
// The form with that number or that kind; the empty entry when there is none.
BlankForm blankFormNumbered(int number);
BlankForm blankFormOfKind(const QString& kind);

// Loads the form's template from `templatesDir` into `document`. A template that is missing or cannot
// be read gives the error report to show instead ("Error 53 (File not found: '...') in procedure
// PrintBlankForm of Form frmPrintForms"): an empty page is never printed in its place.
std::optional<QString> loadBlankForm(const QString& templatesDir, const BlankForm& form,
                                     QTextDocument& document);

} // namespace qx
