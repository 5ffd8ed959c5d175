// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Debian package made from this build tree: lintian finds nothing to
// complain about, its control fields, the files it puts on disk, its release
// notes and manual page, and that the program starts from where it is unpacked.
#include "process.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace installtest;

namespace {
const QString appId = QStringLiteral("io.github.stagepath.StagePath");
const QString version = QStringLiteral(STAGEPATH_VERSION);

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratch;
    QString m_deb;
    QString m_root; // where the package is unpacked

    QString field(const QString &name)
    {
        const Run r = run("dpkg-deb", {"--field", m_deb, name});
        return r.code == 0 ? r.output.trimmed() : QString();
    }

    // A gzipped file of the package, unpacked.
    QString gunzipped(const QString &path)
    {
        QProcess p;
        p.start("gzip", {"-dc", m_root + u'/' + path});
        if (!p.waitForFinished() || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return QString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QVERIFY2(haveTool("dpkg-deb"), "dpkg-deb is missing");
        const QString out = m_scratch.filePath("out");
        const Run cpack = run(STAGEPATH_CPACK, {"-G", "DEB", "--config", STAGEPATH_CPACK_CONFIG, "-B", out}, 120000);
        QVERIFY2(cpack.code == 0, qPrintable(cpack.output));
        const QStringList debs = QDir(out).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_deb = QDir(out).filePath(debs.first());
        m_root = m_scratch.filePath("root");
        const Run unpack = run("dpkg-deb", {"--extract", m_deb, m_root});
        QVERIFY2(unpack.code == 0, qPrintable(unpack.output));
    }

    // What a Debian packager checks first. Informational tags are shown to
    // help, but only errors and warnings fail.
    void lintian()
    {
        QVERIFY2(haveTool("lintian"), "lintian is missing (tools/install-deps installs it)");
        const Run r = run("lintian", {"--fail-on", "error,warning", "--display-info", "--color", "never", m_deb},
                          240000);
        static const QRegularExpression complaint(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption);
        QVERIFY2(r.code == 0 && !r.output.contains(complaint), qPrintable(r.output));
        if (!r.output.trimmed().isEmpty())
            qInfo().noquote() << r.output.trimmed();
    }

    void controlFields()
    {
        QCOMPARE(field("Package"), QStringLiteral("stagepath"));
        QCOMPARE(field("Version"), version);
        QVERIFY2(field("Maintainer").contains(QRegularExpression("^.+ <[^@ ]+@[^@ ]+>$")),
                 qPrintable(field("Maintainer")));
        QVERIFY(!field("Description").isEmpty());
        // The libraries the program links against, and the run-time plugins it loads.
        const QString depends = field("Depends");
        for (const char *dep : {"libqt6widgets6", "libqt6core6", "qt6-qpa-plugins", "fonts-dejavu-core"})
            QVERIFY2(depends.contains(QLatin1String(dep)), qPrintable(dep + (": " + depends)));
    }

    // Exactly these files, so that stray install rules (headers, static
    // libraries, tests) do not end up in the package unnoticed. Files copied
    // from the source tree must arrive unchanged.
    void files()
    {
        const QString share = "usr/share/", data = QStringLiteral(STAGEPATH_DATA_DIR "/");
        QMap<QString, QString> expected{// installed path -> source, if copied as it is
            {"usr/bin/stagepath", {}},
            {share + "applications/" + appId + ".desktop", data + appId + ".desktop"},
            {share + "icons/hicolor/scalable/apps/" + appId + ".svg", data + appId + ".svg"},
            {share + "metainfo/" + appId + ".metainfo.xml", data + appId + ".metainfo.xml"},
            {share + "mime/packages/" + appId + ".xml", data + appId + ".mime.xml"},
            {share + "doc/stagepath/copyright", data + "copyright"},
            {share + "doc/stagepath/changelog.gz", {}},
            {share + "man/man1/stagepath.1.gz", {}},
        };
        const QString translations = share + "stagepath/translations/";
        QStringList found;
        for (QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = QDir(m_root).relativeFilePath(it.next());
            if (path.startsWith(translations) && path.endsWith(".qm"))
                continue; // checked below
            found << path;
        }
        found.sort();
        QCOMPARE(found.join(u'\n'), QStringList(expected.keys()).join(u'\n'));

        QVERIFY(QFileInfo(m_root + "/usr/bin/stagepath").isExecutable());
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            const QString path = m_root + u'/' + it.key();
            if (it.key() != "usr/bin/stagepath")
                QVERIFY2(!QFileInfo(path).isExecutable(), qPrintable(path));
            if (!it.value().isEmpty())
                QVERIFY2(readAll(path) == readAll(it.value()), qPrintable(path + " differs from " + it.value()));
        }

        // Both languages once the translations are built; none before.
        const QStringList qm = QDir(m_root + u'/' + translations).entryList({"*.qm"}, QDir::Files);
        if (STAGEPATH_TRANSLATIONS) {
            for (const QString lang : {"en", "tr"})
                QVERIFY2(!qm.filter(QRegularExpression("(^|[_-])" + lang + "\\.qm$")).isEmpty(),
                         qPrintable("no " + lang + " translation in " + qm.join(", ")));
        } else {
            QVERIFY2(qm.isEmpty(), qPrintable(qm.join(", ")));
        }
    }

    // The package's changelog is CHANGELOG from the entry of this version on:
    // an entry above it (a release in preparation) stays out.
    void changelog()
    {
        const QString packaged = gunzipped("usr/share/doc/stagepath/changelog.gz");
        QVERIFY(packaged.startsWith("stagepath (" + version + ") "));
        const QString source = QString::fromUtf8(readAll(QStringLiteral(STAGEPATH_CHANGELOG)));
        QVERIFY2(source.endsWith(packaged) && (source.size() == packaged.size() || source.endsWith('\n' + packaged)),
                 "the packaged changelog is not the tail of CHANGELOG");
        // dpkg reads it as lintian does.
        QTemporaryFile copy;
        QVERIFY(copy.open());
        copy.write(packaged.toUtf8());
        copy.flush();
        const Run parsed = run("dpkg-parsechangelog", {"-l", copy.fileName(), "--show-field", "Version"});
        QCOMPARE(parsed.output.trimmed(), version);
    }

    // man renders the page without a warning, with this version in it, and the
    // page names every option that the program's --help lists.
    void manualPage()
    {
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MANWIDTH", "80");
        env.insert("LC_ALL", "C.UTF-8");
        man.setProcessEnvironment(env);
        man.start("man", {"--warnings", "-E", "UTF-8", "-l", m_root + "/usr/share/man/man1/stagepath.1.gz"});
        QVERIFY2(man.waitForFinished(30000), "man is missing or hangs (tools/install-deps installs man-db)");
        const QString page = QString::fromUtf8(man.readAllStandardOutput());
        const QString warnings = QString::fromUtf8(man.readAllStandardError());
        QVERIFY2(man.exitCode() == 0 && warnings.isEmpty(), qPrintable(warnings));
        QVERIFY2(page.contains("stagepath " + version), qPrintable(page.right(200)));
        QVERIFY2(!page.contains(u'@'), "a placeholder was left unfilled");

        QProcess help;
        env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        help.setProcessEnvironment(env);
        help.start(m_root + "/usr/bin/stagepath", {"--help"});
        const bool finished = help.waitForFinished(10000);
        if (!finished) {
            help.kill();
            help.waitForFinished();
        }
        const QString usage = QString::fromUtf8(help.readAllStandardOutput());
        if (!finished || !usage.contains("--solve"))
            QSKIP("the program has no command line yet");
        static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*"));
        QStringList options;
        for (const auto &m : option.globalMatch(usage))
            options << m.captured();
        options.removeDuplicates();
        options.removeAll("--help-all"); // Qt's own: the same help with Qt's generic options
        QVERIFY(options.size() >= 7);
        for (const QString &o : std::as_const(options))
            QVERIFY2(page.contains(o), qPrintable("the manual page does not document " + o));
    }

    // Offscreen, the program either finishes cleanly or is still running after
    // a few seconds (it has a window and no reason to quit); both mean it started.
    void programStarts()
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(m_root + "/usr/bin/stagepath", {});
        QVERIFY2(p.waitForStarted(), qPrintable(p.errorString()));
        if (p.waitForFinished(3000)) {
            const QString output = QString::fromUtf8(p.readAll());
            QVERIFY2(p.exitStatus() == QProcess::NormalExit, qPrintable("crashed\n" + output));
            QVERIFY2(p.exitCode() == 0, qPrintable(QString("exit code %1\n").arg(p.exitCode()) + output));
        } else {
            p.kill();
            p.waitForFinished();
        }
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
