// Every way Velko writes a file, against every way a write can fail: the old
// file is left exactly as it was and the failure is reported; a symbolic link
// stays a link and its target gets the new content.

#include "import/UrlHistory.h"
#include "support/InProcessCommandLine.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <tuple>

using namespace velko;

namespace {

const QByteArray kOld = "old bytes\r\n";
// Bigger than the file-size limit of the full disk.
const QString kBigText = QString(20000, 'x');

enum class Fault { DiskFull, FolderInPlace, MissingFolder, SymbolicLink };

// Writes to `path` as the user would, calling `fault` just before the write;
// returns the report of a failure (empty when the writer said nothing).
using Writer = std::function<QString(const QString &path, const std::function<void()> &fault)>;

// Chooses a menu item in the window, whose document and tags are too big for
// the full disk. Save File writes to the file the document came from, so it
// imports the file first; it reports a failure by asking for another name.
Writer menuItem(const char *item) {
    return [item](const QString &path, const std::function<void()> &fault) {
        test::WindowDriver d;
        d.desktop().fileChoices << path << "";
        if (QLatin1String(item) == "mnuFileSave" && !d.trigger("mnuFileOpen"))
            return QStringLiteral("not offered");
        d.window().setDocumentText(kBigText);
        d.setText(Field::Title, kBigText);
        d.window().setTagsText("a block"); // so that the Tags menu offers its items
        fault();
        if (!d.trigger(item))
            return QStringLiteral("not offered");
        if (d.desktop().fileDialogs.size() > 1)
            return QStringLiteral("asked again");
        return d.desktop().messages.isEmpty() ? QString() : d.desktop().messages.last().text;
    };
}

QString insertOutput(const QString &path, const std::function<void()> &fault) {
    const QTemporaryDir dir;
    test::writeBytes(dir.filePath("form.json"), "{\"Title\": \"" + kBigText.toUtf8() + "\"}");
    test::writeBytes(dir.filePath("page.html"), "<head></head>");
    fault();
    const test::CommandLineRun run = test::runInProcess(
        {"--insert", dir.filePath("form.json"), dir.filePath("page.html"), "--output", path});
    return run.code == 0 ? QString() : QString::fromUtf8(run.err);
}

QString urlHistory(const QString &path, const std::function<void()> &fault) {
    fault();
    QString error;
    saveUrlHistory(path, QStringList(200, "http://www.example.com/" + QString(100, 'p')), &error);
    return error;
}

} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Fault)

class TestFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    void writes_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("name"); // of the file written to
        const std::pair<const char *, Writer> writers[] = {
            {"Save File As", menuItem("mnuFileSaveAs")},
            {"Save File", menuItem("mnuFileSave")},
            {"Save Tags As", menuItem("mnuTagsSaveAs")},
            {"Save Form As", menuItem("mnuFormSaveAs")},
            {"--insert --output", insertOutput},
            {"Url.dat", urlHistory},
        };
        const std::tuple<const char *, Fault, const char *> faults[] = {
            {"disk full", Fault::DiskFull, "old.html"},
            {"folder in the file's place", Fault::FolderInPlace, "folder"},
            {"folder missing", Fault::MissingFolder, "missing/new.html"},
            {"symbolic link", Fault::SymbolicLink, "link.html"},
        };
        for (const auto &[writerName, writer] : writers)
            for (const auto &[faultName, fault, name] : faults)
                QTest::addRow("%s, %s", writerName, faultName) << writer << fault << QString(name);
    }

    // Each target is a file until the fault strikes, so Save File can import it.
    void writes() {
        QFETCH(Writer, writer);
        QFETCH(Fault, fault);
        const QTemporaryDir dir;
        const QString old = dir.filePath("old.html");
        test::writeBytes(old, kOld);
        QFETCH(QString, name);
        const QString target = dir.filePath(name);
        if (fault == Fault::SymbolicLink)
            QVERIFY(QFile::link(old, target));
        else if (target != old) {
            QVERIFY(QDir().mkpath(QFileInfo(target).path()));
            test::writeBytes(target, "imported");
        }

        // A full disk: every write past 4 KiB fails with EFBIG.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        const QString report = writer(target, [&] {
            if (fault == Fault::DiskFull) {
                limit.rlim_cur = 4096;
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            if (target == old || fault == Fault::SymbolicLink)
                return;
            QFile::remove(target);
            if (fault == Fault::FolderInPlace)
                QDir().mkdir(target);
            else
                QDir().rmdir(dir.filePath("missing"));
        });
        setrlimit(RLIMIT_FSIZE, &before);

        if (fault == Fault::SymbolicLink) {
            QVERIFY2(report.isEmpty(), qPrintable(report));
            QVERIFY(QFileInfo(target).isSymLink());
            QVERIFY(test::bytesOf(old) != kOld);
            return;
        }
        QVERIFY(!report.isEmpty()); // the failure was reported
        QCOMPARE(test::bytesOf(old), kOld);
        // Nothing half-written is left behind.
        QStringList expected = {"old.html"};
        if (fault == Fault::FolderInPlace)
            expected.prepend("folder");
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 expected);
        QCOMPARE(QFileInfo(target).isDir(), fault == Fault::FolderInPlace);
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
