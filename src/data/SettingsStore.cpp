#include "data/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <utility>

namespace qx {
namespace {

// The whole store of one application as it stands in its file: sections and keys in creation order.
struct Section {
    QString name;
    SettingsList entries;
};
using Document = QList<Section>;

// Section and key names are compared without regard to case: "Op" and "OP" are one section.
bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One value per line: backslash, carriage return and line feed are written as \\, \r and \n.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        if (next == u'r')
            out += u'\r';
        else if (next == u'n')
            out += u'\n';
        else
            out += next; // "\\" and any other escaped character stand for themselves
    }
    return out;
}

// Document or const Document: the section of that name, or null.
template <typename Doc> auto findSection(Doc& doc, const QString& name) -> decltype(&doc.front()) {
    for (auto& section : doc) {
        if (sameName(section.name, name))
            return &section;
    }
    return nullptr;
}

// Changes a key in place, or appends it to its section (appending the section when it is new).
void setValue(Document& doc, const QString& sectionName, const QString& key, const QString& value) {
    Section* section = findSection(doc, sectionName);
    if (!section) {
        doc.append(Section{sectionName, {}});
        section = &doc.last();
    }
    for (auto& entry : section->entries) {
        if (sameName(entry.first, key)) {
            entry.second = value;
            return;
        }
    }
    section->entries.append({key, value});
}

// A missing or unreadable file is an empty store. Lines outside any section, and lines that are neither a
// section nor a key, are skipped; a repeated section or key counts as a later write of it. A key is a name
// without blanks around it, escaped ones ("\ ") included, so that it is written back as the same key; a
// line with a blank key is no key.
Document load(const QString& path) {
    Document doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return doc;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n'); // drops a byte order mark
    QString current;
    bool inSection = false;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            current = unescaped(trimmed.mid(1, trimmed.size() - 2));
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = unescaped(line.left(equals).trimmed()).trimmed();
        if (!inSection || equals < 0 || key.isEmpty())
            continue;
        setValue(doc, current, key, unescaped(line.mid(equals + 1)));
    }
    return doc;
}

void save(const QString& path, const Document& doc) {
    QString text;
    for (const Section& section : doc) {
        text += u'[' + escaped(section.name) + QStringLiteral("]\n");
        for (const auto& [key, value] : section.entries) {
            // A key that starts with "[" is escaped, so that its line never reads back as a section.
            const QString keyText = escaped(key);
            text += (keyText.startsWith(u'[') ? u'\\' + keyText : keyText) + u'=' + escaped(value) + u'\n';
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(text.toUtf8());
    file.commit(); // on failure the old file stays as it was
}

SettingsList entriesOf(const Document& doc, const QString& sectionName) {
    const Section* section = findSection(doc, sectionName);
    return section ? section->entries : SettingsList();
}

} // namespace

SettingsStore::SettingsStore(QString configRoot)
    : m_root(std::move(configRoot)) {}

QString SettingsStore::filePath(const QString& app) const {
    // Resolved on every call, so the store follows $XDG_CONFIG_HOME as it is when the file is used.
    const QString root =
        m_root.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : m_root;
    return root + u'/' + app + QStringLiteral("/settings.ini");
}

QString SettingsStore::read(const QString& app, const QString& section, const QString& key) const {
    for (const auto& [name, value] : list(app, section)) {
        if (sameName(name, key))
            return value;
    }
    return QString();
}

void SettingsStore::write(const QString& app, const QString& section, const QString& key,
                          const QString& value) {
    const QString path = filePath(app);
    Document doc = load(path);
    setValue(doc, section, key, value);
    save(path, doc);
}

SettingsList SettingsStore::list(const QString& app, const QString& section) const {
    return entriesOf(load(filePath(app)), section);
}

QString SettingsStore::readAt(const QString& app, const QString& section, int position) const {
    return list(app, section).value(position).second;
}

void writeDefaultSettings(SettingsStore& store) {
    struct Default {
        const char16_t* section;
        const char16_t* key;
        const char16_t* value;
    };
    // The order matters: readers of CoInfo and Op find values by their position in the section.
    static constexpr std::array<Default, 28> kDefaults{{
        {u"CoInfoInc", u"Name", u"1"},
        {u"CoInfo", u"Name", u"ABC Construction"},
        {u"CoInfoInc", u"AddressInc", u"1"},
        {u"CoInfo", u"Address", u"5454 Builders Lane"},
        {u"CoInfoInc", u"CityInc", u"1"},
        {u"CoInfo", u"City", u"Anytown"},
        {u"CoInfo", u"ST", u"MT"},
        {u"CoInfo", u"Zip", u"54321-1234"},
        {u"CoInfoInc", u"PhoneInc", u"1"},
        {u"CoInfo", u"Phone", u"406/123-4567"},
        {u"CoInfoInc", u"FaxInc", u"1"},
        {u"CoInfo", u"Fax", u"406/234-5678"},
        {u"CoInfoInc", u"CellInc", u"0"},
        {u"CoInfo", u"Cell", u"406/345-6789"},
        {u"CoInfoInc", u"EmailInc", u"0"},
        {u"CoInfo", u"Email", u"office@example.com"},
        {u"CoInfoInc", u"WebsiteInc", u"0"},
        {u"CoInfo", u"Website", u"www.example.com"},
        {u"CoInfoInc", u"LetHead", u"0"},
        {u"Op", u"Greet", u"1"},
        {u"Op", u"Overhead", u"%-15"},
        {u"Op", u"Profit", u"%-15"},
        {u"Op", u"Contingency", u"Fixed-100"},
        {u"Op", u"Management", u"%-2"},
        {u"Op", u"WorkComp", u"45"},
        {u"Op", u"EmpTaxes", u"7.65"},
        {u"Op", u"OtherCosts", u"0"},
        {u"Op", u"Fringe", u"2"},
    }};
    // One atomic write of the whole store, with the same result as writing the values one by one.
    const QString path = store.filePath(kAppName);
    Document doc = load(path);
    for (const Default& d : kDefaults)
        setValue(doc, QString::fromUtf16(d.section), QString::fromUtf16(d.key), QString::fromUtf16(d.value));
    save(path, doc);
}

bool isFirstStart(const SettingsStore& store) {
    const Document doc = load(store.filePath(kAppName));
    for (const char16_t* section : {u"CoInfo", u"CoInfoInc", u"Op"}) {
        if (!entriesOf(doc, QString::fromUtf16(section)).isEmpty())
            return false;
    }
    return true;
}

} // namespace qx
