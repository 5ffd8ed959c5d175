// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The launcher, icon, AppStream and MIME files in data/: they pass the
// freedesktop validators, agree on one id and one MIME type, carry the Turkish
// and English texts, and name the releases that CHANGELOG describes.
#include "process.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMimeDatabase>
#include <QMultiHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace installtest;

namespace {

const QString appId = QStringLiteral("io.github.stagepath.StagePath");
const QString lessonType = QStringLiteral("application/x-stagepath");

QString dataFile(const QString &suffix)
{
    return QStringLiteral(STAGEPATH_DATA_DIR "/") + appId + suffix;
}

// Keys and values of the [Desktop Entry] group, e.g. "Comment[tr]" -> "...".
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> entry;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return entry;
    bool inGroup = false;
    for (const QByteArray &raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(u'=') && !line.startsWith(u'#'))
            entry.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return entry;
}

// Text of the metainfo elements that matter here, keyed by "element" or
// "element[lang]"; description paragraphs count under "p" / "p[lang]".
struct Metainfo {
    QMultiHash<QString, QString> text;
    QString launchableType;
    QStringList releases; // "version date", newest first
    bool contentRating = false;
    QString error;
};

Metainfo readMetainfo(const QString &path)
{
    Metainfo m;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m.error = f.errorString();
        return m;
    }
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
        if (name == QLatin1String("content_rating"))
            m.contentRating = true;
        if (name == QLatin1String("launchable"))
            m.launchableType = xml.attributes().value(QLatin1String("type")).toString();
        if (name == QLatin1String("release")) {
            const QXmlStreamAttributes a = xml.attributes();
            m.releases << a.value(QLatin1String("version")).toString() + u' ' + a.value(QLatin1String("date")).toString();
            xml.skipCurrentElement();
            continue;
        }
        if (name == QLatin1String("component") || name == QLatin1String("description")
            || name == QLatin1String("provides") || name == QLatin1String("categories")
            || name == QLatin1String("keywords") || name == QLatin1String("releases"))
            continue; // containers: descend into them
        const QString key = lang.isEmpty() ? name : name + u'[' + lang + u']';
        m.text.insert(key, xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified());
    }
    if (xml.hasError())
        m.error = xml.errorString();
    return m;
}

// "version date" of every CHANGELOG entry, newest first, the date as
// yyyy-MM-dd from the entry's trailer line.
QStringList changelogReleases()
{
    QFile f(QStringLiteral(STAGEPATH_CHANGELOG));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression heading(QStringLiteral("^stagepath \\(([^)]+)\\) ")),
        trailer(QStringLiteral("^ -- .+>  (.+)$"));
    QStringList releases;
    for (const QByteArray &raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (const auto m = heading.match(line); m.hasMatch())
            releases << m.captured(1);
        else if (const auto t = trailer.match(line); t.hasMatch() && !releases.isEmpty())
            releases.last() += u' ' + QDateTime::fromString(t.captured(1), Qt::RFC2822Date).toString(Qt::ISODate).left(10);
    }
    return releases;
}

// The licence that Debian's copyright file gives a path of the source tree:
// that of the last "Files:" paragraph whose patterns match it.
class CopyrightFile
{
public:
    explicit CopyrightFile(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return;
        QString field;
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (const QByteArray &raw : lines) {
            const QString line = QString::fromUtf8(raw);
            if (line.trimmed().isEmpty()) {
                field.clear();
                continue;
            }
            if (!line.startsWith(u' '))
                field = line.section(u':', 0, 0);
            const QString value = line.startsWith(u' ') ? line.trimmed() : line.section(u':', 1).trimmed();
            if (field == QLatin1String("Files")) {
                if (m_rules.isEmpty() || !m_rules.last().licence.isEmpty())
                    m_rules.append(Rule());
                for (const QString &glob : value.split(u' ', Qt::SkipEmptyParts))
                    m_rules.last().globs << QRegularExpression(
                        QRegularExpression::anchoredPattern(QRegularExpression::escape(glob)
                                                                .replace(QLatin1String("\\*"), QLatin1String(".*"))
                                                                .replace(QLatin1String("\\?"), QLatin1String("."))));
            } else if (field == QLatin1String("License") && !m_rules.isEmpty() && m_rules.last().licence.isEmpty()
                       && !line.startsWith(u' ')) {
                m_rules.last().licence = value;
            }
        }
    }
    QString licence(const QString &path) const
    {
        for (auto rule = m_rules.crbegin(); rule != m_rules.crend(); ++rule)
            for (const QRegularExpression &glob : rule->globs)
                if (glob.match(path).hasMatch())
                    return rule->licence;
        return QString();
    }

private:
    struct Rule {
        QList<QRegularExpression> globs;
        QString licence;
    };
    QList<Rule> m_rules;
};

} // namespace

class TestMetadata : public QObject
{
    Q_OBJECT

private slots:
    void validators_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("desktop-file-validate")
            << "desktop-file-validate" << QStringList{dataFile(".desktop")};
        QTest::newRow("appstreamcli")
            << "appstreamcli" << QStringList{"validate", "--pedantic", "--no-net", dataFile(".metainfo.xml")};
    }
    void validators()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QVERIFY2(haveTool(tool), qPrintable(tool + " is missing (tools/install-deps installs it)"));
        const Run r = run(tool, args);
        QVERIFY2(r.code == 0, qPrintable(r.output));
        // desktop-file-validate exits 0 on warnings; a hint is fine, a warning is not.
        QVERIFY2(!r.output.contains(QLatin1String("warning:")), qPrintable(r.output));
    }

    void launcher()
    {
        const auto entry = desktopEntry(dataFile(".desktop"));
        QCOMPARE(entry.value("Type"), QStringLiteral("Application"));
        QCOMPARE(entry.value("Name"), QStringLiteral("En Kısa Yol"));
        QCOMPARE(entry.value("Exec"), QStringLiteral("stagepath %f"));
        QCOMPARE(entry.value("MimeType"), lessonType + u';');
        QCOMPARE(entry.value("Icon"), appId);
        const QString comment = entry.value("Comment"), commentTr = entry.value("Comment[tr]");
        QVERIFY(!comment.isEmpty());
        QVERIFY(!commentTr.isEmpty());
        QVERIFY2(comment != commentTr, "Comment[tr] should be the Turkish text, Comment the English one");
        const QStringList categories = entry.value("Categories").split(u';', Qt::SkipEmptyParts);
        for (const char *c : {"Education", "Science", "Math"})
            QVERIFY2(categories.contains(QLatin1String(c)), c);
    }

    void metainfo()
    {
        const Metainfo m = readMetainfo(dataFile(".metainfo.xml"));
        QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
        QCOMPARE(m.text.value("id"), appId);
        QCOMPARE(m.launchableType, QStringLiteral("desktop-id"));
        QCOMPARE(m.text.value("launchable"), appId + ".desktop");
        QCOMPARE(m.text.value("binary"), QStringLiteral("stagepath"));
        QCOMPARE(m.text.value("mediatype"), lessonType);
        QCOMPARE(m.text.value("project_license"), QStringLiteral("GPL-3.0-or-later"));
        QVERIFY(m.contentRating);
        // Both languages for what a software centre shows.
        QCOMPARE(m.text.value("name"), QStringLiteral("En Kısa Yol"));
        QVERIFY(!m.text.value("name[en]").isEmpty());
        QVERIFY(!m.text.value("summary").isEmpty());
        QVERIFY(!m.text.value("summary[tr]").isEmpty());
        QCOMPARE(m.text.values("p").size(), m.text.values("p[tr]").size());
        QVERIFY(m.text.values("p").size() > 0);
        // The releases a software centre lists are those of the release notes.
        const QStringList notes = changelogReleases();
        QVERIFY2(!notes.isEmpty() && !notes.first().endsWith(u' '), qPrintable(notes.join(", ")));
        QCOMPARE(m.releases.join(", "), notes.join(", "));
    }

    // The package's copyright file says of every file what the file itself (or
    // .reuse/dep5) says. A file that says nothing is reuse_lint's to report.
    void copyrightMatchesTree()
    {
        QVERIFY2(haveTool("reuse"), "reuse is missing (tools/install-deps installs it)");
        const Run r = run("reuse", {"--root", STAGEPATH_SOURCE_DIR, "spdx"});
        QVERIFY2(r.code == 0, qPrintable(r.output));
        const CopyrightFile copyright(QStringLiteral(STAGEPATH_DATA_DIR "/copyright"));
        QMap<QString, QStringList> licences; // file -> the licences it states
        QString file;
        for (const QString &line : r.output.split(u'\n')) {
            if (line.startsWith(QLatin1String("FileName: ./")))
                file = line.mid(12);
            else if (line.startsWith(QLatin1String("LicenseInfoInFile: ")) && !file.isEmpty())
                licences[file] << line.mid(19).trimmed();
        }
        QVERIFY2(licences.size() > 20, qPrintable(r.output.left(2000)));
        QStringList wrong;
        for (auto it = licences.cbegin(); it != licences.cend(); ++it) {
            QStringList stated = it.value();
            stated.sort();
            if (stated.join(" AND ") != copyright.licence(it.key()))
                wrong << it.key() + ": " + stated.join(" AND ") + ", copyright file: " + copyright.licence(it.key());
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // The MIME package, installed into a scratch data directory as a desktop
    // installs it: update-mime-database takes it without a word, and Qt then
    // finds the lesson type by its glob, as a kind of JSON, named in Turkish.
    void mimeType()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid() && QDir(dir.path()).mkpath("mime/packages"));
        QVERIFY(QFile::copy(dataFile(".mime.xml"), dir.filePath("mime/packages/" + appId + ".xml")));
        // Before the first use of QMimeDatabase, which reads the data directories once.
        qputenv("XDG_DATA_DIRS", (dir.path() + ":/usr/share").toUtf8());
        QVERIFY2(haveTool("update-mime-database"), "shared-mime-info is missing (tools/install-deps installs it)");
        const Run r = run("update-mime-database", {dir.filePath("mime")});
        QVERIFY2(r.code == 0 && r.output.isEmpty(), qPrintable(r.output));

        const QMimeType type = QMimeDatabase().mimeTypeForFile("ders.stagepath", QMimeDatabase::MatchExtension);
        QCOMPARE(type.name(), lessonType);
        QVERIFY(type.inherits("application/json"));
        QVERIFY(!type.comment().isEmpty());
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const QString turkish = type.comment();
        QLocale::setDefault(before);
        QCOMPARE(turkish, QStringLiteral("Ders dosyası"));
    }

    void icon()
    {
        QFile f(dataFile(".svg"));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QXmlStreamReader xml(&f);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        QCOMPARE(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
        const QStringList box = xml.attributes().value(QLatin1String("viewBox")).toString()
                                    .split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(box.size(), 4);
        QVERIFY2(box[2].toDouble() > 0 && box[2] == box[3], "the icon should be square");
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestMetadata)
#include "tst_metadata.moc"
