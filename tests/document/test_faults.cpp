// Every way Velko writes a file, against every way a write can fail: the old
// file is left exactly as it was and the failure is reported; a symbolic link
// stays a link and its target gets the new content.

#include "cli/CommandLine.h"
#include "import/UrlHistory.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

using namespace velko;

namespace {

const QByteArray kOld = "old bytes\r\n";
// Bigger than the file-size limit of the full disk.
const QString kBigText = QString(20000, 'x');

enum class Fault { DiskFull, FolderInPlace, MissingFolder, SymbolicLink };

// Writes to `path` as the user would; returns the report of a failure (empty
// when the writer said nothing).
using Writer = std::function<QString(const QString &path)>;

QString lastError(test::ScriptedDesktop &desktop) {
    return desktop.messages.isEmpty() ? QString() : desktop.messages.last().text;
}

QString saveFileAs(const QString &path) {
    test::WindowDriver d;
    d.window().setDocumentText(kBigText);
    d.desktop().fileChoices << path;
    if (!d.trigger("mnuFileSaveAs"))
        return "not offered";
    return lastError(d.desktop());
}

// Save File writes to the file the document came from; it reports a failure
// by asking for another name. The fault happens after the import.
QString saveFile(const QString &path) {
    test::WindowDriver d;
    const QFileInfo target(path);
    const bool wasFile = target.isFile();
    const bool wasFolder = target.isDir();
    const bool hadFolder = target.dir().exists();
    if (wasFolder)
        QDir().rename(path, path + ".aside");
    if (!wasFile) {
        QDir().mkpath(target.path());
        test::writeBytes(path, "imported");
    }
    d.desktop().fileChoices << path << "";
    if (!d.trigger("mnuFileOpen"))
        return "not offered";
    if (!wasFile) {
        QFile::remove(path);
        if (!hadFolder)
            QDir().rmdir(target.path());
    }
    if (wasFolder)
        QDir().rename(path + ".aside", path);
    d.window().setDocumentText(kBigText);
    if (!d.trigger("mnuFileSave"))
        return "not offered";
    return d.desktop().fileDialogs.size() > 1 ? QStringLiteral("asked again") : QString();
}

QString saveTagsAs(const QString &path) {
    test::WindowDriver d;
    d.setText(Field::Title, kBigText);
    d.window().setTagsText("a block");
    d.desktop().fileChoices << path;
    if (!d.trigger("mnuTagsSaveAs"))
        return "not offered";
    return lastError(d.desktop());
}

QString saveFormAs(const QString &path) {
    test::WindowDriver d;
    d.setText(Field::Title, kBigText);
    d.desktop().fileChoices << path;
    if (!d.trigger("mnuFormSaveAs"))
        return "not offered";
    return lastError(d.desktop());
}

// The form and page of --insert, written before any fault is set up.
const QTemporaryDir &insertInputs() {
    static const QTemporaryDir dir;
    static const bool written = [] {
        test::writeBytes(dir.filePath("form.json"), "{\"Title\": \"" + kBigText.toUtf8() + "\"}");
        test::writeBytes(dir.filePath("page.html"), "<head></head>");
        return true;
    }();
    Q_UNUSED(written);
    return dir;
}

QString insertOutput(const QString &path) {
    const QTemporaryDir &dir = insertInputs();
    QBuffer in, out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = runCommandLine({"velko", "--insert", dir.filePath("form.json"),
                                     dir.filePath("page.html"), "--output", path},
                                    in, out, err);
    return code == 0 ? QString() : QString::fromUtf8(err.data());
}

QString urlHistory(const QString &path) {
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
    void writes_data();
    void writes();
};

void TestFaults::writes_data() {
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<Fault>("fault");
    insertInputs();

    const std::pair<const char *, Writer> writers[] = {
        {"Save File As", saveFileAs},        {"Save File", saveFile},
        {"Save Tags As", saveTagsAs},        {"Save Form As", saveFormAs},
        {"--insert --output", insertOutput}, {"Url.dat", urlHistory},
    };
    const std::pair<const char *, Fault> faults[] = {
        {"disk full", Fault::DiskFull},
        {"folder in the file's place", Fault::FolderInPlace},
        {"folder missing", Fault::MissingFolder},
        {"symbolic link", Fault::SymbolicLink},
    };
    for (const auto &[writerName, writer] : writers)
        for (const auto &[faultName, fault] : faults)
            QTest::addRow("%s, %s", writerName, faultName) << writer << fault;
}

void TestFaults::writes() {
    QFETCH(Writer, writer);
    QFETCH(Fault, fault);
    const QTemporaryDir dir;
    const QString old = dir.filePath("old.html");
    test::writeBytes(old, kOld);
    QString target = old;
    if (fault == Fault::FolderInPlace) {
        target = dir.filePath("folder");
        QVERIFY(QDir(dir.path()).mkdir("folder"));
    } else if (fault == Fault::MissingFolder) {
        target = dir.filePath("missing/new.html");
    } else if (fault == Fault::SymbolicLink) {
        target = dir.filePath("link.html");
        QVERIFY(QFile::link(old, target));
    }

    QString report;
    {
        std::unique_ptr<test::FileSizeLimit> limit;
        if (fault == Fault::DiskFull)
            limit = std::make_unique<test::FileSizeLimit>(4096);
        report = writer(target);
    }

    if (fault == Fault::SymbolicLink) {
        QVERIFY2(report.isEmpty(), qPrintable(report));
        QVERIFY(QFileInfo(target).isSymLink());
        QVERIFY(test::bytesOf(old) != kOld);
        return;
    }
    QVERIFY(!report.isEmpty()); // the failure was reported
    QCOMPARE(test::bytesOf(old), kOld);
    QCOMPARE(QFileInfo(dir.filePath("folder")).isDir(), fault == Fault::FolderInPlace);
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    // Nothing half-written is left behind.
    QStringList expected = {"old.html"};
    if (fault == Fault::FolderInPlace)
        expected.prepend("folder");
    QDir listing(dir.path());
    QCOMPARE(listing.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
