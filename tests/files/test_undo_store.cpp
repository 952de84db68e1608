// The undo of a run that wrote many pages: only the pages that still hold
// what the run wrote are put back, the rest are listed; the oldest runs are
// pruned; nothing kept is readable by others.

#include "files/UndoStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace velko;

namespace {

unsigned modeOf(const QString &path) {
    struct stat info {};
    stat(QFile::encodeName(path), &info);
    return info.st_mode & 07777;
}

} // namespace

class TestUndoStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void undoLeavesPagesChangedSince_data();
    void undoLeavesPagesChangedSince();
    void oldRunsArePruned();
    void keptFilesAreTheOwners();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString root() const { return m_dir->filePath("undo"); }
    QString page(const QString &name) const { return m_dir->filePath(name); }
    // A run that turns each page's "old" into "new", as an update would.
    void updateRun(const QStringList &names) {
        UndoRecorder recorder(root(), "Update Tags In Files");
        for (const QString &name : names) {
            const QByteArray before = test::bytesOf(page(name));
            const QByteArray after = QByteArray(before).replace("old", "new");
            QString error;
            QVERIFY2(recorder.keep(page(name), before, after, &error), qPrintable(error));
            test::writeBytes(page(name), after);
        }
    }
};

void TestUndoStore::undoLeavesPagesChangedSince_data() {
    QTest::addColumn<QString>("meanwhile"); // what happens to b.html after the run
    QTest::addColumn<QByteArray>("b");      // b.html after the undo
    QTest::addColumn<QStringList>("restored");
    QTest::addColumn<QString>("leftAlone");
    QTest::addColumn<QString>("failed");
    const QStringList all = {"a.html", "b.html", "c.html"};
    const QStringList ac = {"a.html", "c.html"};
    QTest::newRow("nothing") << "" << QByteArray("b old") << all << ""
                             << "";
    QTest::newRow("edited") << "edit" << QByteArray("b edited") << ac
                            << "b.html: changed since the update"
                            << "";
    QTest::newRow("removed") << "remove" << QByteArray("<missing>") << ac
                             << "b.html: removed since the update"
                             << "";
    QTest::newRow("put back by hand") << "put back" << QByteArray("b old") << all << ""
                                      << "";
    QTest::newRow("kept bytes damaged") << "damage" << QByteArray("b new") << ac << ""
                                        << "b.html: its old bytes were damaged";
}

void TestUndoStore::undoLeavesPagesChangedSince() {
    QFETCH(QString, meanwhile);
    QFETCH(QByteArray, b);
    QFETCH(QStringList, restored);
    QFETCH(QString, leftAlone);
    QFETCH(QString, failed);
    for (const char *name : {"a", "b", "c"})
        test::writeBytes(page(QString(name) + ".html"), QByteArray(name) + " old");
    updateRun({"a.html", "b.html", "c.html"});
    const std::optional<UndoRun> run = lastUndoRun(root());
    QVERIFY(run);
    QCOMPARE(run->pages, 3);
    if (meanwhile == "edit")
        test::writeBytes(page("b.html"), "b edited");
    else if (meanwhile == "remove")
        QFile::remove(page("b.html"));
    else if (meanwhile == "put back")
        test::writeBytes(page("b.html"), "b old");
    else if (meanwhile == "damage")
        test::writeBytes(run->folder + "/2", "b tampered");

    const UndoResult result = undoRun(*run);
    const auto named = [this](const QStringList &texts) {
        QStringList names;
        for (const QString &text : texts)
            names << QString(text).remove(m_dir->path() + "/");
        return names.join(", ");
    };
    QCOMPARE(result.error, QString());
    QCOMPARE(named(result.restored), restored.join(", "));
    QCOMPARE(named(result.leftAlone), leftAlone);
    QCOMPARE(named(result.failed), failed);
    QCOMPARE(test::bytesOf(page("a.html")), QByteArray("a old"));
    QCOMPARE(test::bytesOf(page("b.html")), b);
    // An undone run is not undone twice.
    QVERIFY(!lastUndoRun(root()));
}

void TestUndoStore::oldRunsArePruned() {
    test::writeBytes(page("p.html"), "old");
    QStringList folders;
    for (int run = 0; run < kUndoRunsKept + 2; ++run) {
        test::writeBytes(page("p.html"), "old " + QByteArray::number(run));
        updateRun({"p.html"});
        folders << lastUndoRun(root())->folder;
    }
    updateRun({}); // keeps nothing: leaves no folder and prunes none
    const QStringList left = QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), kUndoRunsKept);
    QCOMPARE(m_dir->filePath("undo/" + left.first()), folders[2]);
    // Undo goes back one run at a time, newest first.
    QVERIFY(undoRun(*lastUndoRun(root())).failed.isEmpty());
    QCOMPARE(test::bytesOf(page("p.html")), QByteArray("old 11"));
    QCOMPARE(lastUndoRun(root())->folder, folders[10]);
}

void TestUndoStore::keptFilesAreTheOwners() {
    test::writeBytes(page("p.html"), "old");
    updateRun({"p.html"});
    const QString folder = lastUndoRun(root())->folder;
    QCOMPARE(modeOf(root()), 0700u);
    QCOMPARE(modeOf(folder), 0700u);
    QCOMPARE(modeOf(folder + "/manifest.json"), 0600u);
    QCOMPARE(modeOf(folder + "/1"), 0600u);
    QCOMPARE(test::bytesOf(folder + "/1"), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestUndoStore)
#include "test_undo_store.moc"
