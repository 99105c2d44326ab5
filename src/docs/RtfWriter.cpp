#include "docs/RtfWriter.h"

#include "docs/CodePage.h"
#include "docs/RtfControlWords.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>

namespace qx {

namespace {

int twips(double pixels) {
    return int(std::lround(pixels * rtf::kTwipsPerPixel));
}

// The tables a file names its fonts and colours by; filled while the body is written.
class Tables {
public:
    int font(const QString& family) {
        const qsizetype index = m_fonts.indexOf(family);
        if (index >= 0)
            return int(index);
        m_fonts.append(family);
        return int(m_fonts.size() - 1);
    }
    // 0 is "auto", so the first colour is 1.
    int colour(const QColor& colour) {
        const QRgb rgb = colour.rgb();
        const qsizetype index = m_colours.indexOf(rgb);
        if (index >= 0)
            return int(index) + 1;
        m_colours.append(rgb);
        return int(m_colours.size());
    }
    QByteArray fontTable() const;
    QByteArray colourTable() const;

private:
    QStringList m_fonts;
    QList<QRgb> m_colours;
};

QByteArray escaped(const QString& text) {
    QByteArray out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
        case u'{':
        case u'}':
            out += '\\';
            out += char(u);
            continue;
        case u'\t':
            out += "\\tab ";
            continue;
        case QChar::LineSeparator:
            out += "\\line ";
            continue;
        case 0x00A0:
            out += "\\~";
            continue;
        case 0x00AD:
            out += "\\-";
            continue;
        case 0x2011:
            out += "\\_";
            continue;
        case QChar::ObjectReplacementCharacter: // pictures are not written
            continue;
        default:
            break;
        }
        if (u < 0x20)
            continue;
        if (u < 0x80) {
            out += char(u);
        } else if (const auto b = codepage::westernByte(c)) {
            out += "\\'" + QByteArray::number(static_cast<unsigned char>(*b), 16).rightJustified(2, '0');
        } else {
            // Readers that know \u take the character; others show the "?" after it.
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

QByteArray Tables::fontTable() const {
    QByteArray out = "{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + escaped(m_fonts[i]) + ";}";
    return out + "}\n";
}

QByteArray Tables::colourTable() const {
    QByteArray out = "{\\colortbl;";
    for (QRgb rgb : m_colours)
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) +
               "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    return out + "}\n";
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc)
        : m_doc(doc) {}
    QByteArray run();

private:
    QByteArray paragraph(const QTextBlockFormat& f);
    QByteArray character(const QTextCharFormat& f);

    const QTextDocument& m_doc;
    Tables m_tables;
};

QByteArray Writer::paragraph(const QTextBlockFormat& f) {
    QByteArray out = "\\pard";
    const Qt::Alignment align = f.alignment();
    if (align & Qt::AlignHCenter)
        out += "\\qc";
    else if (align & Qt::AlignRight)
        out += "\\qr";
    else if (align & Qt::AlignJustify)
        out += "\\qj";
    else
        out += "\\ql";
    const std::pair<const char*, double> spacing[] = {{"\\li", f.leftMargin()},
                                                      {"\\ri", f.rightMargin()},
                                                      {"\\fi", f.textIndent()},
                                                      {"\\sb", f.topMargin()},
                                                      {"\\sa", f.bottomMargin()}};
    for (const auto& [word, pixels] : spacing) {
        if (const int t = twips(pixels); t != 0)
            out += word + QByteArray::number(t);
    }
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        out += "\\sl" + QByteArray::number(std::lround(f.lineHeight() * 240.0 / 100.0)) + "\\slmult1";
        break;
    case QTextBlockFormat::FixedHeight:
        out += "\\sl-" + QByteArray::number(twips(f.lineHeight())) + "\\slmult0";
        break;
    case QTextBlockFormat::MinimumHeight:
        out += "\\sl" + QByteArray::number(twips(f.lineHeight())) + "\\slmult0";
        break;
    default:
        break;
    }
    for (const QTextOption::Tab& tab : f.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            out += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            out += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            out += "\\tqdec";
        out += "\\tx" + QByteArray::number(twips(tab.position));
    }
    return out;
}

QByteArray Writer::character(const QTextCharFormat& f) {
    const QStringList families = f.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? m_doc.defaultFont().family() : families.first();
    double points = f.fontPointSize();
    if (points <= 0)
        points = m_doc.defaultFont().pointSizeF() > 0 ? m_doc.defaultFont().pointSizeF() : 12.0;
    QByteArray out = "\\f" + QByteArray::number(m_tables.font(family)) + "\\fs" +
                     QByteArray::number(std::max(2L, std::lround(points * 2)));
    if (f.fontWeight() > QFont::Medium)
        out += "\\b";
    if (f.fontItalic())
        out += "\\i";
    if (f.fontUnderline())
        out += "\\ul";
    if (f.fontStrikeOut())
        out += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out += "\\super";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out += "\\sub";
    if (f.foreground().style() != Qt::NoBrush)
        out += "\\cf" + QByteArray::number(m_tables.colour(f.foreground().color()));
    if (f.background().style() != Qt::NoBrush)
        out += "\\highlight" + QByteArray::number(m_tables.colour(f.background().color()));
    return out;
}

QByteArray Writer::run() {
    QByteArray body;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        // The paragraph's own character format sizes an empty line and its paragraph mark.
        body += paragraph(block.blockFormat()) + "\\plain" + character(block.charFormat()) + ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            body += "{\\plain" + character(fragment.charFormat()) + ' ' + escaped(fragment.text()) + '}';
        }
        body += "\\par\n";
    }
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n" + m_tables.fontTable() + m_tables.colourTable() +
           "{\\*\\generator Quorvex " QUORVEX_VERSION ";}\n"
           "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\\viewkind4\n" +
           body + "}\n";
}

} // namespace

QByteArray writeRtf(const QTextDocument& document) {
    return Writer(document).run();
}

} // namespace qx
