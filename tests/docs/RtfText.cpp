#include "RtfText.h"

#include <QColor>
#include <QTextBlockFormat>

namespace qxtest {

namespace {

QString number(double value) {
    return QString::number(value, 'f', 1);
}

QString paragraph(const QTextBlockFormat& f) {
    QString align = QStringLiteral("left");
    if (f.alignment() & Qt::AlignHCenter)
        align = QStringLiteral("centre");
    else if (f.alignment() & Qt::AlignRight)
        align = QStringLiteral("right");
    else if (f.alignment() & Qt::AlignJustify)
        align = QStringLiteral("justify");
    QStringList tabs;
    for (const QTextOption::Tab& tab : f.tabPositions())
        tabs << number(tab.position) + QLatin1Char(':') + QString::number(tab.type);
    return QStringLiteral("P %1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6 lh=%7/%8 tabs=%9")
        .arg(align, number(f.leftMargin()), number(f.rightMargin()), number(f.textIndent()),
             number(f.topMargin()), number(f.bottomMargin()), number(f.lineHeight()))
        .arg(f.lineHeightType())
        .arg(tabs.join(QLatin1Char(',')));
}

QString run(const QTextFragment& fragment) {
    const QTextCharFormat f = fragment.charFormat();
    const QStringList families = f.fontFamilies().toStringList();
    QString flags;
    flags += f.fontWeight() > QFont::Medium ? QLatin1Char('B') : QLatin1Char('-');
    flags += f.fontItalic() ? QLatin1Char('I') : QLatin1Char('-');
    flags += f.fontUnderline() ? QLatin1Char('U') : QLatin1Char('-');
    flags += f.fontStrikeOut() ? QLatin1Char('S') : QLatin1Char('-');
    const QString colour =
        f.foreground().style() == Qt::NoBrush ? QStringLiteral("auto") : f.foreground().color().name();
    const QString back =
        f.background().style() == Qt::NoBrush ? QStringLiteral("none") : f.background().color().name();
    return QStringLiteral("  [%1] %2 %3pt %4 %5 on %6 v%7")
        .arg(fragment.text(), families.value(0), number(f.fontPointSize()), flags, colour, back)
        .arg(int(f.verticalAlignment()));
}

} // namespace

QStringList describe(const QTextDocument& doc) {
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        out << paragraph(b.blockFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out << run(it.fragment());
    }
    return out;
}

} // namespace qxtest
