// The session's list as the program keeps it: written on changes, the rows a batch
// converted marked until the rows move, gone at a normal close, and a damaged leftover set
// aside rather than trusted.
#include "shell/SessionKeeper.h"
#include "sources/SourceListModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SessionKeeperTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsChangesAndTheRowsABatchConverted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("SourceList.txt");
        SourceListModel list;
        SessionKeeper keeper(list, path);
        keeper.Watch();
        QVERIFY(!QFile::exists(path)); // an empty list is no session
        for (const char *name : {"/v/a.mp4", "/v/b.mp4", "/v/c.mp4"})
            list.appendRow(SourceRow::ForNewSource(name, "1 MB", "00:00:10"));
        list.setSelected(1, true);
        QTRY_COMPARE(SessionListFile::Read(path).session.rows.size(), 3);
        QCOMPARE(SessionListFile::Read(path).session.selected, 1);

        keeper.BatchStarting();
        keeper.JobEnded(0, true);
        keeper.JobEnded(1, false); // failed: to be converted again
        SessionListFile::Session kept = SessionListFile::Read(path).session;
        QCOMPARE(kept.rows[0].converted, true);
        QCOMPARE(kept.rows[1].converted, false);
        // Rows that move take the marks away; a new batch does too.
        list.deleteRow(2);
        QTRY_COMPARE(SessionListFile::Read(path).session.rows.size(), 2);
        QCOMPARE(SessionListFile::Read(path).session.rows[0].converted, false);

        keeper.Clear();
        QVERIFY(!QFile::exists(path));
        list.appendRow(SourceRow::ForNewSource("/v/d.mp4", "1 MB", "00:00:10"));
        QTest::qWait(400);
        QVERIFY(!QFile::exists(path));
    }

    void restoresTicksTrimsAndSelectionAndNamesWhatIsGone()
    {
        QTemporaryDir dir;
        QStringList files;
        for (const char *name : {"a.mp4", "b.mp4", "c.mp4"}) {
            files << dir.filePath(name);
            QFile file(files.last());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        SessionListFile::Session last;
        last.rows = {{files[0], true, true, "00:00:00", "00:00:10"},   // converted
                     {files[1], false, false, "00:00:00", "00:00:10"}, // unticked by the user
                     {dir.filePath("gone.mp4"), true, false, "00:00:00", "00:00:10"},
                     {files[2], true, false, "00:00:02", "00:00:07"}}; // trimmed
        last.selected = 3;
        SourceListModel list;
        SessionKeeper keeper(list, dir.filePath("SourceList.txt"));
        QStringList added;
        const QStringList gone = keeper.Restore(last, [&](const QStringList &paths) {
            added = paths;
            for (const QString &path : paths)
                list.appendRow(SourceRow::ForNewSource(path, "1 KB", "00:00:10"));
        });
        QCOMPARE(gone, QStringList{dir.filePath("gone.mp4")});
        QCOMPARE(added, files);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.row(0).isChecked(), false);
        QCOMPARE(list.row(1).isChecked(), false);
        QCOMPARE(list.row(2).isChecked(), true);
        QCOMPARE(list.row(2).startTime(), QString("00:00:02"));
        QCOMPARE(list.row(2).endTime(), QString("00:00:07"));
        QCOMPARE(list.cell(2, SourceRow::kCutColumn), QString("00:00:05"));
        QCOMPARE(list.selectedRows(), QList<int>{2});
    }

    void aDamagedLeftoverIsSetAside()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("SourceList.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Clipwright source list 1\nselected 0\nrow 1 0 00:00:00");
        file.close();
        SourceListModel list;
        SessionKeeper keeper(list, path);
        QVERIFY(keeper.Leftover().rows.isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::exists(path + ".bad"));
    }
};

QTEST_GUILESS_MAIN(SessionKeeperTest)
#include "SessionKeeperTest.moc"
