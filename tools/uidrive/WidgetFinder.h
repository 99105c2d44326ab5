#pragma once

#include "Target.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace qx::uidrive {

// Turns a script NAME into a control of the running program. While a modal dialog (or a popup) is
// open a user can only act on its controls; reading looks at that dialog first, then every window.
// NAME is an objectName; "NAME:INDEX" is a tab of a tab control; failing both, a caption (button,
// frame, tab, menu command) without its & mnemonic. Where several controls match, the one on view
// is meant; several on view is an error.
class WidgetFinder {
public:
    enum class Purpose { Act, Read };

    struct Result {
        Target target;
        QString error; // why NAME names nothing (or too much); empty when found
    };

    explicit WidgetFinder(QWidget* mainWindow)
        : m_mainWindow(mainWindow) {}

    Result find(const QString& name, Purpose purpose) const;

private:
    QList<QWidget*> roots(Purpose purpose) const;
    Result byObjectName(const QString& name, const QList<QWidget*>& roots) const;
    Result byTabIndex(const QString& name, const QList<QWidget*>& roots) const;
    Result byCaption(const QString& name, const QList<QWidget*>& roots) const;
    QString notFound(const QString& name, Purpose purpose) const;

    QPointer<QWidget> m_mainWindow;
};

} // namespace qx::uidrive
