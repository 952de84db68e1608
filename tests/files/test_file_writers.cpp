// Every way Velko writes a file, against the situations a file can be in: the
// file the system would open gets the new bytes, every other file keeps its
// old ones, the file written keeps its owner, group, mode, ACL and extended
// attributes, and a refusal says why. As root, and for the files an ordinary
// user may or may not write as such a user too, in a child process of this
// program. Then two runs of velko on the same pages, and an editor among them.

#include "document/SiteUpdate.h"
#include "seams/Settings.h"
#include "support/InProcessCommandLine.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace velko;

namespace {

const QByteArray kOldPage = "<html><head><title>old</title></head><body></body></html>\n";
const QString kNewPage = "<html><head><title>zebra</title></head><body></body></html>";
constexpr uid_t kUserId = 4242; // the ordinary user, who needs no account
constexpr uid_t kNobody = 65534;

QString messages(const test::ScriptedDesktop &desktop) {
    QString report;
    for (const Message &message : desktop.messages)
        report += message.text + message.details;
    return report;
}

// A writer writes bytes holding "zebra": a menu item of the window, the
// command line (FORM, PAGE and OUT stand for the form, the page and the file
// written), or else Update Tags In Files on one page.
struct WriterEntry {
    const char *name;
    const char *menuItem;
    QStringList arguments;
    bool streams; // writes into a FIFO or a device
};

const WriterEntry kWriters[] = {
    {"Save File", "mnuFileSave", {}, false},
    {"Save File As", "mnuFileSaveAs", {}, false},
    {"Save Tags As", "mnuTagsSaveAs", {}, false},
    {"Save Form As", "mnuFormSaveAs", {}, false},
    {"--insert --output", nullptr, {"--insert", "FORM", "PAGE", "--output", "OUT"}, true},
    {"--update --output", nullptr, {"--update", "FORM", "PAGE", "--output", "OUT"}, true},
    {"--update --in-place", nullptr, {"--update", "FORM", "--in-place", "OUT"}, false},
    {"Update Tags In Files", nullptr, {}, false},
};

// Writes to `path`, with the form and page in `scratch`, calling `arrange`
// just before; returns the report of a failure, empty when there was none.
// Save File writes to the page it imported: the page is imported as it was
// before the situation came about (made for the import if need be).
QString write(const WriterEntry &writer, const QString &path, const QString &scratch,
              const std::function<void()> &arrange) {
    if (!writer.arguments.isEmpty()) {
        QStringList arguments = writer.arguments;
        arguments.replaceInStrings("FORM", scratch + "/form.json")
            .replaceInStrings("PAGE", scratch + "/source.html")
            .replaceInStrings("OUT", path);
        arrange();
        const test::CommandLineRun run = test::runInProcess(arguments);
        return run.code == 0 ? QString() : QString::fromUtf8(run.err);
    }
    if (!writer.menuItem) {
        arrange();
        FormValue form;
        form[Field::Title] = "zebra";
        return updatePage(path, siteTagLines(form, false)).error;
    }
    test::WindowDriver d;
    d.setText(Field::Title, "zebra");
    d.desktop().fileChoices << path << ""; // Save File As, after a failure, is cancelled
    const QFileInfo info(path);
    const bool made = !info.exists() && !info.isSymLink();
    const bool madeFolder = made && !QFileInfo::exists(info.path());
    if (QLatin1String(writer.menuItem) == "mnuFileSave") {
        if (made && QDir().mkpath(info.path()))
            test::writeBytes(path, kOldPage);
        if (!d.trigger("mnuFileOpen"))
            return "not offered";
        if (made)
            QFile::remove(path);
        if (madeFolder)
            QDir().rmdir(info.path());
    }
    arrange();
    d.window().setDocumentText(kNewPage);
    d.window().setTagsText("a block"); // so that the Tags menu offers its items
    if (!d.trigger(writer.menuItem))
        return "not offered";
    if (d.desktop().fileDialogs.size() > 1 && d.desktop().fileDialogs.last().fileName != path)
        return "Save File As did not start at the page";
    return messages(d.desktop());
}

const WriterEntry &writerNamed(const QString &name) {
    for (const WriterEntry &entry : kWriters)
        if (name == QLatin1String(entry.name))
            return entry;
    qFatal("no writer %s", qPrintable(name));
}

enum class Situation {
    LinkBeside,
    LinkThroughFolder,
    Dangling,
    Loop,
    HardLink,
    OtherUsersFile,
    SetGroupFolder,
    ReadOnlyFile,
    ReadOnlyFolder,
    Fifo,
    CharacterDevice,
    FolderInPlace,
    MissingFolder,
    FullFileSystem,
};

enum Who { kRoot = 1, kUser = 2, kBoth = 3 }; // who writes

struct SituationEntry {
    const char *name;
    Situation situation;
    const char *path;    // what the writer is given
    QStringList written; // the files that get the new bytes
    const char *reason;  // of the refusal; for a stream, of the writers that take none
    Who who;
};

using enum Situation;
const SituationEntry kSituations[] = {
    {"link beside", LinkBeside, "page.html", {"target.html"}, "", kRoot},
    {"link through a linked folder",
     LinkThroughFolder,
     "alias/page.html",
     {"real/target.html"},
     "",
     kRoot},
    {"dangling link", Dangling, "page.html", {}, "Dangling symbolic link", kRoot},
    {"link loop", Loop, "page.html", {}, "Too many levels of symbolic links", kRoot},
    {"hard link", HardLink, "page.html", {"page.html", "other.html"}, "", kRoot},
    {"another user's file", OtherUsersFile, "page.html", {"page.html"}, "", kBoth},
    {"folder giving its group", SetGroupFolder, "sg/page.html", {"sg/page.html"}, "", kRoot},
    {"read-only file", ReadOnlyFile, "page.html", {}, "Permission denied", kUser},
    {"read-only folder", ReadOnlyFolder, "ro/page.html", {}, "Permission denied", kUser},
    {"FIFO", Fifo, "page.html", {}, "Not a regular file", kRoot},
    {"character device", CharacterDevice, "page.html", {}, "Not a regular file", kRoot},
    {"folder in the file's place", FolderInPlace, "page.html", {}, "Not a regular file", kRoot},
    {"folder missing", MissingFolder, "missing/page.html", {}, "No such file or directory", kRoot},
    {"full file system", FullFileSystem, "full/page.html", {}, "No space left on device", kRoot},
};

void setAcl(const QString &path) {
    // A POSIX ACL as the kernel stores it: the owner, user kUserId, the group
    // and the mask read-write, others nothing.
    struct AclEntry {
        quint16 tag, perm;
        quint32 id;
    };
    const quint32 none = 0xffffffff;
    const AclEntry entries[] = {
        {1, 6, none}, {2, 6, kUserId}, {4, 4, none}, {0x10, 6, none}, {0x20, 0, none}};
    QByteArray acl(4, '\0');
    acl[0] = 2;
    acl.append(reinterpret_cast<const char *>(entries), sizeof entries);
    QVERIFY(setxattr(QFile::encodeName(path), "system.posix_acl_access", acl.constData(),
                     size_t(acl.size()), 0) == 0);
}

// Builds the situation in `dir`, owned by `owner` (the files an ordinary
// user works on are theirs).
void arrange(Situation situation, const QString &dir, uid_t owner) {
    const auto page = [&](const QString &name) { test::writeBytes(dir + '/' + name, kOldPage); };
    const auto link = [&](const char *target, const QString &name) {
        QVERIFY(symlink(target, QFile::encodeName(dir + '/' + name)) == 0);
    };
    const QByteArray path = QFile::encodeName(dir + "/page.html");
    switch (situation) {
    case Situation::LinkBeside:
        page("target.html");
        link("target.html", "page.html");
        break;
    case Situation::LinkThroughFolder:
        QDir().mkpath(dir + "/real/sub");
        page("real/target.html");
        page("target.html"); // where a link read from the link's folder would lead
        link("../target.html", "real/sub/page.html");
        link("real/sub", "alias");
        break;
    case Situation::Dangling:
        link("missing.html", "page.html");
        break;
    case Situation::Loop:
        link("loop.html", "page.html");
        link("page.html", "loop.html");
        break;
    case Situation::HardLink:
        page("page.html");
        QVERIFY(::link(path, QFile::encodeName(dir + "/other.html")) == 0);
        break;
    case Situation::OtherUsersFile:
        page("page.html");
        QVERIFY(chown(path, kNobody, kNobody) == 0);
        setAcl(dir + "/page.html");
        QVERIFY(setxattr(path, "user.origin", "velko", 5, 0) == 0);
        break;
    case Situation::SetGroupFolder: // new files in it take its group, not the page's
        QDir().mkdir(dir + "/sg");
        QVERIFY(chown(QFile::encodeName(dir + "/sg"), owner, kNobody) == 0 &&
                chmod(QFile::encodeName(dir + "/sg"), 02775) == 0);
        page("sg/page.html");
        QVERIFY(chown(QFile::encodeName(dir + "/sg/page.html"), owner, owner) == 0);
        break;
    case Situation::ReadOnlyFile:
        page("page.html");
        QVERIFY(chmod(path, 0444) == 0 && chown(path, owner, owner) == 0);
        break;
    case Situation::ReadOnlyFolder:
        QDir().mkdir(dir + "/ro");
        page("ro/page.html");
        QVERIFY(chown(QFile::encodeName(dir + "/ro/page.html"), owner, owner) == 0);
        QVERIFY(chmod(QFile::encodeName(dir + "/ro"), 0555) == 0 &&
                chown(QFile::encodeName(dir + "/ro"), owner, owner) == 0);
        break;
    case Situation::Fifo:
        QVERIFY(mkfifo(path, 0644) == 0);
        break;
    case Situation::CharacterDevice: // a /dev/null of its own
        QVERIFY(mknod(path, S_IFCHR | 0666, makedev(1, 3)) == 0);
        break;
    case Situation::FolderInPlace:
        QDir().mkdir(dir + "/page.html");
        break;
    case Situation::MissingFolder:
        break;
    case Situation::FullFileSystem: {
        const QByteArray full = QFile::encodeName(dir + "/full");
        QDir().mkdir(dir + "/full");
        QVERIFY(mount("velko-test", full, "tmpfs", 0, "size=64k") == 0);
        page("full/page.html");
        QFile filler(dir + "/full/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
        break;
    }
    }
}

struct Entry {
    struct stat info;
    QByteArray bytes; // a regular file's
    QByteArray linkTarget;
    QMap<QByteArray, QByteArray> attributes;
};

QMap<QByteArray, QByteArray> attributesOf(const QByteArray &path) {
    QMap<QByteArray, QByteArray> attributes;
    QByteArray names(4096, '\0');
    names.truncate(std::max<ssize_t>(0, llistxattr(path, names.data(), size_t(names.size()))));
    for (const QByteArray &name : names.split('\0')) {
        QByteArray value(4096, '\0');
        if (!name.isEmpty())
            value.truncate(
                std::max<ssize_t>(0, lgetxattr(path, name, value.data(), size_t(value.size()))));
        if (!name.isEmpty())
            attributes[name] = value;
    }
    return attributes;
}

// Everything in `dir`, without following links.
QMap<QString, Entry> contentsOf(const QString &dir) {
    QMap<QString, Entry> contents;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray name = QFile::encodeName(path);
        Entry entry{};
        lstat(name, &entry.info);
        if (S_ISREG(entry.info.st_mode))
            entry.bytes = test::bytesOf(path);
        if (S_ISLNK(entry.info.st_mode))
            entry.linkTarget = QFile::encodeName(QFileInfo(path).symLinkTarget());
        entry.attributes = attributesOf(name);
        contents[QDir(dir).relativeFilePath(path)] = entry;
    }
    return contents;
}

} // namespace

Q_DECLARE_METATYPE(Situation)

class TestFileWriters : public QObject {
    Q_OBJECT

public:
    explicit TestFileWriters(bool privateMounts)
        : m_privateMounts(privateMounts) {}

private Q_SLOTS:
    void initTestCase();
    void writes_data();
    void writes();
    void appendsToStandardOutput();
    void ownFilesArePrivate();
    void twoRunsKeepBothTags();
    void editorDuringARun();

private:
    bool m_privateMounts;
    QTemporaryDir m_scratch;
};

void TestFileWriters::initTestCase() {
    // The form and the page the command line reads, for the ordinary user too.
    test::writeBytes(m_scratch.filePath("form.json"), R"({"Title": "zebra"})");
    test::writeBytes(m_scratch.filePath("source.html"), kOldPage);
    QFile::setPermissions(m_scratch.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
}

void TestFileWriters::writes_data() {
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("situation");
    QTest::addColumn<bool>("asUser");
    for (int s = 0; s < int(std::size(kSituations)); ++s)
        for (const bool asUser : {false, true})
            for (int w = 0; w < int(std::size(kWriters)); ++w)
                if (kSituations[s].who & (asUser ? kUser : kRoot))
                    QTest::addRow("%s, %s%s", kWriters[w].name, kSituations[s].name,
                                  asUser ? ", as a user" : "")
                        << w << s << asUser;
}

void TestFileWriters::writes() {
    QFETCH(int, writer);
    QFETCH(int, situation);
    QFETCH(bool, asUser);
    const WriterEntry &w = kWriters[writer];
    const SituationEntry &s = kSituations[situation];
    if (geteuid() != 0)
        QSKIP("the situations are made as root");
    if (s.situation == Situation::FullFileSystem && !m_privateMounts)
        QSKIP("no private mount namespace (unshare) for a small file system");
    const QTemporaryDir dir;
    const QString path = dir.filePath(s.path);
    const bool stream =
        w.streams && (s.situation == Situation::Fifo || s.situation == Situation::CharacterDevice);
    int reader = -1; // the FIFO's other end, open for reading all along
    QMap<QString, Entry> before;
    const auto build = [&] {
        arrange(s.situation, dir.path(), asUser ? kUserId : 0);
        if (s.situation == Situation::Fifo)
            reader = open(QFile::encodeName(path), O_RDWR | O_NONBLOCK);
        before = contentsOf(dir.path());
    };

    QString report;
    if (asUser) {
        QVERIFY(chown(QFile::encodeName(dir.path()), kUserId, kUserId) == 0);
        build();
        QProcess child;
        child.start("setpriv", {"--reuid=4242", "--regid=4242", "--clear-groups",
                                QCoreApplication::applicationFilePath(), "--write", w.name, path,
                                m_scratch.path()});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            QSKIP(qPrintable("cannot run as an ordinary user: " + child.readAllStandardError()));
        report = QString::fromUtf8(child.readAllStandardOutput());
    } else {
        report = write(w, path, m_scratch.path(), build);
    }
    const QMap<QString, Entry> after = contentsOf(dir.path());
    if (s.situation == Situation::FullFileSystem)
        umount2(QFile::encodeName(dir.filePath("full")), MNT_DETACH);

    const bool refused = s.written.isEmpty() && !stream;
    if (refused)
        QVERIFY2(report.contains(s.reason), qPrintable(report));
    else
        QVERIFY2(report.isEmpty(), qPrintable(report));
    if (s.situation == Situation::Fifo) {
        char bytes[65536];
        const ssize_t count = read(reader, bytes, sizeof bytes);
        close(reader);
        QCOMPARE(QByteArray(bytes, std::max<ssize_t>(count, 0)).contains("zebra"), stream);
    }
    // Nothing left behind, nothing made, nothing else changed.
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const Entry &old = it.value();
        const Entry &now = after[it.key()];
        QCOMPARE(now.info.st_mode, old.info.st_mode);
        QCOMPARE(now.info.st_uid, old.info.st_uid);
        QCOMPARE(now.info.st_gid, old.info.st_gid);
        QCOMPARE(now.info.st_rdev, old.info.st_rdev);
        QCOMPARE(now.linkTarget, old.linkTarget);
        QCOMPARE(now.attributes, old.attributes);
        if (s.written.contains(it.key()))
            QVERIFY2(now.bytes.contains("zebra"), qPrintable(it.key()));
        else
            QVERIFY2(now.bytes == old.bytes, qPrintable(it.key()));
    }
    if (s.situation == Situation::HardLink)
        QCOMPARE(after["other.html"].info.st_ino, after["page.html"].info.st_ino);
}

// As `>>log.txt` sets it up: the page is appended.
void TestFileWriters::appendsToStandardOutput() {
    const QString log = m_scratch.filePath("log.txt");
    test::writeBytes(log, "earlier\n");
    QProcess process;
    process.setStandardOutputFile(log, QIODevice::Append);
    process.start(VELKO_BINARY, {"--insert", m_scratch.filePath("form.json"),
                                 m_scratch.filePath("source.html"), "--output", "/dev/stdout"});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray bytes = test::bytesOf(log);
    QVERIFY2(bytes.startsWith("earlier\n<html><head>") && bytes.contains("zebra"), bytes);
}

// The settings and the data folder, kept from other users however loose the
// umask.
void TestFileWriters::ownFilesArePrivate() {
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    const mode_t mask = umask(0);
    const Settings settings = readSettings();
    SettingsWindowStore().setRecentForms({"a.json"});
    umask(mask);
    const auto modeOf = [](const QString &path) {
        struct stat info {};
        stat(QFile::encodeName(path), &info);
        return info.st_mode & 07777;
    };
    QCOMPARE(settings.dataFolder, home.filePath("data/velko"));
    QCOMPARE(modeOf(settings.dataFolder), 0700u);
    QCOMPARE(modeOf(home.filePath("config/velko")), 0700u);
    QCOMPARE(modeOf(home.filePath("config/velko/velko.conf")), 0600u);
    QVERIFY(test::bytesOf(home.filePath("config/velko/velko.conf")).contains("a.json"));
}

namespace {

constexpr int kPages = 400;

QString makeSite(const QTemporaryDir &dir) {
    for (int i = 0; i < kPages; ++i)
        test::writeBytes(dir.filePath(QString("p%1.html").arg(i)), kOldPage);
    return dir.path();
}

QStringList sitePages(const QString &site) {
    QStringList pages;
    for (int i = 0; i < kPages; ++i)
        pages << site + QString("/p%1.html").arg(i);
    return pages;
}

QProcess *startUpdate(const QString &form, const QStringList &pages) {
    auto *process = new QProcess;
    process->start(VELKO_BINARY, QStringList{"--update", form, "--in-place"} + pages);
    return process;
}

void finish(QProcess *process) {
    QVERIFY(process->waitForFinished(120000));
    QCOMPARE(process->exitCode(), 0);
    delete process;
}

} // namespace

// Each run's form makes a tag the other's lacks; every page ends with both.
void TestFileWriters::twoRunsKeepBothTags() {
    const QTemporaryDir dir;
    const QStringList pages = sitePages(makeSite(dir));
    test::writeBytes(m_scratch.filePath("author.json"), R"({"Author": "Ann"})");
    test::writeBytes(m_scratch.filePath("keywords.json"), R"({"Keywords": "bee"})");
    QProcess *first = startUpdate(m_scratch.filePath("author.json"), pages);
    QProcess *second = startUpdate(m_scratch.filePath("keywords.json"), pages);
    finish(first);
    finish(second);
    for (const QString &page : pages) {
        const QByteArray bytes = test::bytesOf(page);
        QVERIFY2(bytes.contains("content=\"Ann\"") && bytes.contains("content=\"bee\""),
                 qPrintable(page + ": " + bytes));
    }
}

// An editor that saves each page while the run goes on, as editors do (a new
// file renamed over the page), taking the lock the runs take: on the file
// that is the page once it holds the lock.
void TestFileWriters::editorDuringARun() {
    const QTemporaryDir dir;
    const QStringList pages = sitePages(makeSite(dir));
    QProcess *run = startUpdate(m_scratch.filePath("form.json"), pages);
    QVERIFY(run->waitForStarted());
    for (auto it = pages.crbegin(); it != pages.crend(); ++it) { // to meet the run halfway
        const QString &page = *it;
        QFile file(page);
        struct stat locked {
        }, named{};
        do {
            file.close();
            QVERIFY(file.open(QIODevice::ReadOnly) && flock(file.handle(), LOCK_EX) == 0);
            fstat(file.handle(), &locked);
            stat(QFile::encodeName(page), &named);
        } while (locked.st_ino != named.st_ino);
        const QByteArray edited = file.readAll().replace("<body>", "<body>edited");
        test::writeBytes(page + ".new", edited);
        QVERIFY(rename(QFile::encodeName(page + ".new"), QFile::encodeName(page)) == 0);
    }
    finish(run);
    for (const QString &page : pages) {
        const QByteArray bytes = test::bytesOf(page);
        QVERIFY2(bytes.contains("edited") && bytes.contains("zebra"),
                 qPrintable(page + ": " + bytes));
    }
}

int main(int argc, char *argv[]) {
    // The small full file system is mounted in a mount namespace of this
    // process's own, made before any thread starts so that all share it.
    const bool privateMounts = geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
                               mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QApplication app(argc, argv);
    // The child that writes as an ordinary user: --write WRITER PATH SCRATCH.
    if (argc == 5 && qstrcmp(argv[1], "--write") == 0) {
        const QString report = write(writerNamed(argv[2]), QFile::decodeName(argv[3]),
                                     QFile::decodeName(argv[4]), [] {});
        std::fputs(report.toUtf8().constData(), stdout);
        return 0;
    }
    TestFileWriters test(privateMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "test_file_writers.moc"
