#include "StandIn.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

// qxkontavi [--replace] FOLDER
// Lays out a stand-in for the Kontavi lead-management program in FOLDER (its data/contacts.mdb with
// sample contacts) and records FOLDER in Kontavi's settings, so that Quorvex's "Import from Kontavi"
// can be tried and tested without that program.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool replace = args.removeAll(QStringLiteral("--replace")) > 0;
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        std::fputs("usage: qxkontavi [--replace] FOLDER\n", stderr);
        return 2;
    }
    qx::SettingsStore settings;
    const QString error = qx::kontavi::makeStandIn(args.first(), settings, replace);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "qxkontavi: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Kontavi stand-in with %d contacts in %s\n", int(qx::kontavi::sampleContacts().size()),
                qPrintable(settings.read(qx::kKontaviApp, QStringLiteral("Common"), QStringLiteral("Path"))));
    return 0;
}
