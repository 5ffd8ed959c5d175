// The Debian package made from this build tree: its control fields, the files
// it puts on disk, and that the program starts from where it is unpacked.
#include "process.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace installtest;

namespace {
const QString appId = QStringLiteral("io.github.stagepath.StagePath");
}

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

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QVERIFY2(haveTool("dpkg-deb"), "dpkg-deb is missing");
        const QString out = m_scratch.filePath("out");
        const Run cpack = run(STAGEPATH_CPACK, {"-G", "DEB", "--config", STAGEPATH_CPACK_CONFIG, "-B", out}, 90000);
        QVERIFY2(cpack.code == 0, qPrintable(cpack.output));
        const QStringList debs = QDir(out).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_deb = QDir(out).filePath(debs.first());
        m_root = m_scratch.filePath("root");
        const Run unpack = run("dpkg-deb", {"--extract", m_deb, m_root});
        QVERIFY2(unpack.code == 0, qPrintable(unpack.output));
    }

    void controlFields()
    {
        QCOMPARE(field("Package"), QStringLiteral("stagepath"));
        QCOMPARE(field("Version"), QStringLiteral(STAGEPATH_VERSION));
        QVERIFY2(field("Maintainer").contains(QRegularExpression("^.+ <[^@ ]+@[^@ ]+>$")),
                 qPrintable(field("Maintainer")));
        QVERIFY(!field("Description").isEmpty());
        // The libraries the program links against, and the run-time plugins it loads.
        const QString depends = field("Depends");
        for (const char *dep : {"libqt6widgets6", "libqt6core6", "qt6-qpa-plugins", "fonts-dejavu-core"})
            QVERIFY2(depends.contains(QLatin1String(dep)), qPrintable(dep + (": " + depends)));
    }

    // Exactly these files, so that stray install rules (headers, static
    // libraries, tests) do not end up in the package unnoticed.
    void files()
    {
        const QString share = "usr/share/";
        const QMap<QString, QString> expected{
            {"usr/bin/stagepath", {}},
            {share + "applications/" + appId + ".desktop", ".desktop"},
            {share + "icons/hicolor/scalable/apps/" + appId + ".svg", ".svg"},
            {share + "metainfo/" + appId + ".metainfo.xml", ".metainfo.xml"},
        };
        QStringList found;
        for (QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            found << QDir(m_root).relativeFilePath(it.next());
        found.sort();
        QCOMPARE(found.join(u'\n'), QStringList(expected.keys()).join(u'\n'));

        QVERIFY(QFileInfo(m_root + "/usr/bin/stagepath").isExecutable());
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            if (it.value().isEmpty())
                continue;
            const QString path = m_root + u'/' + it.key();
            QVERIFY2(!QFileInfo(path).isExecutable(), qPrintable(path));
            QFile installed(path), source(QStringLiteral(STAGEPATH_DATA_DIR "/") + appId + it.value());
            QVERIFY(installed.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
            QVERIFY2(installed.readAll() == source.readAll(), qPrintable(path + " differs from data/"));
        }
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
