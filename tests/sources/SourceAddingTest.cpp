// Adding sources: the checks of the adding, the media probe on generated clips, the Open
// command with its busy window, drops, and the codec error dialog.
#include <stdexcept>
#include <sys/stat.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "SourceFixtures.h"
#include "platform/MediaProbe.h"
#include "sources/ISourceFileDialog.h"
#include "sources/SourceAdder.h"
#include "sources/SourceCommands.h"
#include "sources/SourceFileError.h"
#include "sources/SourceListModel.h"
#include "sources/SourceOpenDialog.h"
#include "sources/CodecErrorDialog.h"
#include "sources/AddingFilesWindow.h"
#include "sources/SourceListView.h"

namespace {

// An open dialog that answers with a prepared choice.
class FakeOpenDialog : public ISourceFileDialog
{
public:
    bool confirm = true;
    QStringList choice;
    QStringList initialDirs;
    QString fileName;

    bool Execute(const QString &initialDir, QStringList *files) override
    {
        initialDirs << initialDir;
        if (!confirm)
            return false;
        *files = choice;
        if (!choice.isEmpty())
            fileName = choice.first();
        return true;
    }
    QString FileName() const override { return fileName; }
};

// What the adding did around the list: codec error dialogs (with the row count at that
// moment) and loads of the selected row.
struct Recorder
{
    QStringList codecErrors;
    QList<int> rowsAtCodecError;
    int loads = 0;
};

SourceAdding::Services servicesFor(IMediaProbe &probe, Recorder &recorder,
                                   const SourceListModel &list)
{
    SourceAdding::Services services;
    services.probe = &probe;
    services.showCodecErrorDialog = [&recorder, &list](const QString &path) {
        recorder.codecErrors << path;
        recorder.rowsAtCodecError << list.count();
    };
    services.loadSelectedRow = [&recorder] { ++recorder.loads; };
    return services;
}

QStringList fileNames(const SourceListModel &list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.row(i).fileName();
    return names;
}

} // namespace

class SourceAddingTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString m_special;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(SourceFixtures::MakeClip(path("ok.avi"), 2));
        QVERIFY(SourceFixtures::MakeClip(path("short.mp4"), 0.9));
        QVERIFY(SourceFixtures::MakeClip(path("clip.mkv"), 2));
        QVERIFY(SourceFixtures::MakeDamagedFile(path("damaged.avi")));
        for (const char *copy : {"MOVIE.AVI", "a.avi", "A.avi", "third.mp4"})
            QVERIFY(QFile::copy(path("ok.avi"), path(copy)));
        // Blanks, quotes, a colon and letters beyond ASCII in one name.
        m_special = path(QString::fromUtf8("my clip \"quoted\" 'x' é ü: 日本.mp4"));
        QVERIFY(QFile::copy(path("ok.avi"), m_special));
        QVERIFY(QDir(m_dir.path()).mkdir("folder"));
        QVERIFY(QDir(m_dir.path()).mkdir("dir.avi"));
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.avi")).constData(), 0600), 0);
    }

    void probeMeasuresGeneratedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("seconds");
        QTest::newRow("two seconds") << "ok.avi" << 2;
        QTest::newRow("0.9 seconds gives 0") << "short.mp4" << 0;
        QTest::newRow("damaged") << "damaged.avi" << 0;
        QTest::newRow("missing") << "missing.avi" << 0;
        QTest::newRow("folder") << "dir.avi" << 0;
        QTest::newRow("named pipe, no hang") << "pipe.avi" << 0;
        QTest::newRow("matroska") << "clip.mkv" << 2;
    }
    void probeMeasuresGeneratedFiles()
    {
        QFETCH(QString, name);
        QFETCH(int, seconds);
        MediaProbe probe;
        QCOMPARE(SourceAdding::ProbeDuration(path(name), probe), seconds);
    }

    void probeReadsOddNamesAndSizes()
    {
        MediaProbe probe;
        QCOMPARE(SourceAdding::ProbeDuration(m_special, probe), 2);
        QCOMPARE(SourceAdding::GetSourceFileSize(m_special, probe), QFileInfo(m_special).size());
        QString reason;
        QVERIFY(!probe.FileSize(path("missing.avi"), &reason));
        QVERIFY(!reason.isEmpty());
    }

    void acceptedExtensions_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        for (const QString &extension : SourceAdding::AcceptedExtensions())
            QTest::newRow(qPrintable(extension)) << "/v/clip" + extension << true;
        QTest::newRow("capitals") << "/v/MOVIE.AVI" << true;
        QTest::newRow("last dot counts") << "/v/a.mkv.rmvb" << true;
        QTest::newRow("capital MKV") << "/v/CLIP.MKV" << true;
        QTest::newRow("mixed case Opus") << "/v/song.Opus" << true;
        QTest::newRow("text") << "/v/notes.txt" << false;
        QTest::newRow("no extension") << "/v/folder" << false;
        QTest::newRow("dot in folder only") << "/v.avi/clip" << false;
        QTest::newRow("bare dot") << "/v/clip." << false;
    }
    void acceptedExtensions()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(SourceAdding::IsAcceptedSourceFile(path), accepted);
    }

    void removeDuplicatePathsKeepsFirstOccurrences()
    {
        QCOMPARE(SourceAdding::RemoveDuplicatePaths({"/b", "/a", "/b", "/A", "/a"}),
                 QStringList({"/b", "/a", "/A"}));
        QVERIFY(SourceAdding::RemoveDuplicatePaths({}).isEmpty());
    }

    // Every check of the adding on real files: repeats, letter case, extensions, folders,
    // short and damaged files, odd names.
    void addingChecksEveryPath()
    {
        MediaProbe probe;
        SourceListModel list;
        Recorder recorder;
        const QStringList paths{path("ok.avi"),  path("short.mp4"), path("damaged.avi"),
                                path("ok.avi"),  path("clip.mkv"),  path("folder"),
                                path("dir.avi"), path("MOVIE.AVI"), path("a.avi"),
                                path("A.avi"),   m_special,         path("pipe.avi")};
        QCOMPARE(SourceAdding::AddSourceFiles(list, paths, servicesFor(probe, recorder, list)), 6);

        QCOMPARE(fileNames(list), QStringList({path("ok.avi"), path("clip.mkv"), path("MOVIE.AVI"),
                                               path("a.avi"), path("A.avi"), m_special}));
        QCOMPARE(recorder.codecErrors, QStringList({path("short.mp4"), path("damaged.avi"),
                                                    path("dir.avi"), path("pipe.avi")}));
        const SourceRow &row = list.row(0);
        QCOMPARE(row.cell(0), QString("True"));
        QVERIFY(QRegularExpression("^\\d+(\\.\\d{1,2})? (B|KB|MB)$").match(row.cell(2)).hasMatch());
        QCOMPARE(row.cell(3), QString("00:00:02"));
        QCOMPARE(row.cell(4), QString("00:00:00"));
        QCOMPARE(row.cell(5), QString("00:00:02"));
        QCOMPARE(row.cell(6), QString("00:00:02"));
        QCOMPARE(list.selectedRows(), QList<int>{0});
        QCOMPARE(recorder.loads, 1);

        // Adding the same files again changes nothing and shows nothing for the rows.
        Recorder again;
        QCOMPARE(SourceAdding::AddSourceFiles(list, {path("ok.avi"), m_special},
                                              servicesFor(probe, again, list)),
                 0);
        QVERIFY(again.codecErrors.isEmpty());
    }

    void rowOfTheExampleFile()
    {
        FakeMediaProbe probe;
        const QString clip = "/media/Video/clip.avi";
        probe.durations[clip] = 956000000; // 95.6 s in 100-ns units
        probe.sizes[clip] = 5000000;
        SourceListModel list;
        Recorder recorder;
        SourceAdding::AddSourceFiles(list, {clip}, servicesFor(probe, recorder, list));
        QCOMPARE(list.count(), 1);
        const SourceRow expected = SourceRow::ForNewSource(clip, "4.76 MB", "00:01:35");
        QCOMPARE(list.row(0).cells, expected.cells);
        QCOMPARE(list.row(0).cell(0), QString("True"));
    }

    void damagedFileBetweenTwoGoodOnes()
    {
        MediaProbe probe;
        SourceListModel list;
        Recorder recorder;
        SourceAdding::AddSourceFiles(list, {path("ok.avi"), path("damaged.avi"), path("third.mp4")},
                                     servicesFor(probe, recorder, list));
        QCOMPARE(fileNames(list), QStringList({path("ok.avi"), path("third.mp4")}));
        QCOMPARE(recorder.codecErrors, QStringList{path("damaged.avi")});
        QCOMPARE(recorder.rowsAtCodecError, QList<int>{1}); // shown between the two rows
    }

    // A file that renders but cannot be opened for its size ends the adding with the error;
    // the rows so far stay and nothing after it is probed or selected.
    void unopenableFileEndsTheAdding()
    {
        FakeMediaProbe probe;
        for (const QString &name : {"/v/a.avi", "/v/b.avi", "/v/c.avi"})
            probe.durations[name] = 30000000;
        probe.sizes["/v/a.avi"] = 10;
        probe.sizes["/v/c.avi"] = 10;
        SourceListModel list;
        Recorder recorder;
        try {
            SourceAdding::AddSourceFiles(list, {"/v/a.avi", "/v/b.avi", "/v/c.avi"},
                                         servicesFor(probe, recorder, list));
            QFAIL("no error");
        } catch (const SourceFileError &error) {
            QCOMPARE(error.message(), QString("Cannot open file \"/v/b.avi\". Permission denied"));
        }
        // The files are measured side by side, so c.avi may have been measured too: it is
        // not added after the error.
        QCOMPARE(fileNames(list), QStringList{"/v/a.avi"});
        QVERIFY(list.selectedRows().isEmpty());
        QCOMPARE(recorder.loads, 0);

        // Dropped files show the same error in the error box, never as a crash.
        const QString held = path("held.avi");
        QVERIFY(QFile::copy(path("ok.avi"), held));
        probe.durations[held] = 30000000;
        FakeOpenDialog dialog;
        SourceCommands commands(list, probe, dialog, nullptr);
        QStringList errors;
        commands.hooks().ShowError = [&errors](const QString &message) { errors << message; };
        commands.addDroppedFiles({held});
        QCOMPARE(errors, QStringList{"Cannot open file \"" + held + "\". Permission denied"});
    }

    void addingKeepsTheSelectionAndSelectsTheFirstRow()
    {
        FakeMediaProbe probe;
        SourceListModel list;
        for (const QString &name : {"/v/1.avi", "/v/2.avi", "/v/3.avi", "/v/4.avi"}) {
            probe.durations[name] = 50000000;
            probe.sizes[name] = 1;
        }
        Recorder recorder;
        SourceAdding::AddSourceFiles(list, {"/v/1.avi", "/v/2.avi", "/v/3.avi"},
                                     servicesFor(probe, recorder, list));
        list.clearSelection();
        list.setSelected(2, true);
        SourceAdding::AddSourceFiles(list, {"/v/4.avi"}, servicesFor(probe, recorder, list));
        QCOMPARE(list.selectedRows(), QList<int>({0, 2}));
        // Nothing to add still selects and loads the first row of a list that has rows.
        list.clearSelection();
        SourceAdding::AddSourceFiles(list, {}, servicesFor(probe, recorder, list));
        QCOMPARE(list.selectedRows(), QList<int>{0});
        QCOMPARE(recorder.loads, 3);
    }

    // The Open command: folder from the settings, repeats dropped, busy window adding the
    // files and closing itself, the folder stored afterwards.
    void openCommandAddsThroughTheBusyWindow()
    {
        MediaProbe probe;
        SourceListModel list;
        FakeOpenDialog dialog;
        dialog.choice = {path("ok.avi"), path("ok.avi"), path("third.mp4")};
        SourceCommands commands(list, probe, dialog, nullptr);
        QStringList saved;
        int loads = 0;
        bool busyShown = false;
        commands.hooks().LoadInitDir = [] { return QString("/stored/folder/"); };
        commands.hooks().SaveInitDir = [&saved](const QString &fileName) { saved << fileName; };
        commands.hooks().LoadSelectedRow = [&] {
            ++loads;
            busyShown = commands.BusyWindow()->isVisible();
        };
        commands.onAddFilesRequested();

        QCOMPARE(dialog.initialDirs, QStringList{"/stored/folder/"});
        QCOMPARE(fileNames(list), QStringList({path("ok.avi"), path("third.mp4")}));
        QVERIFY(busyShown);
        QVERIFY(!commands.BusyWindow()->isVisible());
        QCOMPARE(loads, 1);
        QCOMPARE(saved, QStringList({path("ok.avi"), path("ok.avi")}));
        QVERIFY(commands.BusyWindow()->FileList().isEmpty());

        // Cancelling still runs the busy window, which selects and loads the first row.
        dialog.confirm = false;
        list.clearSelection();
        commands.onAddFilesRequested();
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.selectedRows(), QList<int>{0});
        QCOMPARE(loads, 2);
    }

    // Settings that cannot be read or written (a missing or read-only Config folder): the
    // error is shown in the error box and the files are added all the same.
    void openCommandSurvivesSettingsErrors()
    {
        MediaProbe probe;
        SourceListModel list;
        FakeOpenDialog dialog;
        dialog.choice = {path("ok.avi")};
        SourceCommands commands(list, probe, dialog, nullptr);
        QStringList errors;
        commands.hooks().ShowError = [&errors](const QString &message) { errors << message; };
        commands.hooks().SaveInitDir = [](const QString &) {
            throw std::runtime_error("Cannot create file \"Config/UserSettings.ini\".");
        };
        commands.onAddFilesRequested();
        QCOMPARE(fileNames(list), QStringList{path("ok.avi")});
        // Once when the busy window stores the folder, once after it closed.
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.first().startsWith("Cannot create file"));

        errors.clear();
        commands.hooks().LoadInitDir = []() -> QString {
            throw std::runtime_error("Cannot open file \"Config/UserSettings.ini\".");
        };
        commands.onAddFilesRequested();
        QCOMPARE(errors.size(), 1);
        QCOMPARE(dialog.initialDirs.size(), 1); // the dialog was not shown again
    }

    void busyWindowSpinsAndCloses()
    {
        AddingFilesWindow busy;
        QCOMPARE(busy.size(), QSize(273, 45));
        QCOMPARE(busy.infoLabel()->text(), QString("Installing File..."));
        QCOMPARE(busy.spinnerTimer()->interval(), 1000);
        QCOMPARE(busy.workTimer()->interval(), 300);
        QVERIFY(!busy.spinnerTimer()->isActive() && !busy.workTimer()->isActive());
        QVERIFY(busy.FileList().isEmpty());

        QStringList texts;
        busy.SetAddFiles([&](const QStringList &) {
            for (int i = 0; i < 4; ++i) {
                busy.turnSpinner();
                texts << busy.infoLabel()->text();
            }
            throw SourceFileError("Cannot open file \"x\". gone");
        });
        bool saved = false;
        busy.SetSaveInitDir([&saved] { saved = true; });
        busy.exec();
        QCOMPARE(texts, QStringList({"Installing File...  /", "Installing File...  -",
                                     "Installing File...  \\", "Installing File...  |"}));
        // A failed adding still closes the window and hands its error on.
        QVERIFY(!saved);
        QVERIFY(!busy.spinnerTimer()->isActive());
        QCOMPARE(busy.TakeError(), QString("Cannot open file \"x\". gone"));
    }

    void codecErrorDialogShowsItsTextsAndLink()
    {
        int downloads = 0;
        QString title;
        QString message;
        QString link;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<CodecErrorDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            message = dialog->messageLabel()->text();
            link = dialog->downloadLink()->text();
            QTest::mouseClick(dialog->downloadLink(), Qt::LeftButton);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        ShowCodecErrorDialog(nullptr, [&downloads] { ++downloads; });
        QCOMPARE(title, QString("Error Info"));
        QCOMPARE(message, QString("Files reading error! Please check your files or install a new "
                                  "codec.You can click the link to download the lastest codec."));
        QCOMPARE(link, QString("(Click here to down)"));
        QCOMPARE(downloads, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Files dropped on the list from outside: local files are added in order, other
    // addresses and folders are passed over without a message.
    void dropsOnTheListAddLocalFiles()
    {
        MediaProbe probe;
        SourceListModel list;
        FakeOpenDialog dialog;
        SourceCommands commands(list, probe, dialog, nullptr);
        QStringList warnings;
        commands.hooks().ShowWarning = [&](const QString &message) { warnings << message; };
        SourceListView view;
        view.setSourceModel(&list);
        commands.SetListView(&view);
        view.resize(525, 138);
        view.show();

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path("third.mp4")), QUrl("https://example.org/a.avi"),
                      QUrl::fromLocalFile(path("folder")), QUrl::fromLocalFile(m_special)});
        QCOMPARE(SourceListView::DroppedPaths(&mime),
                 QStringList({path("third.mp4"), path("folder"), m_special}));
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &drop);
        QCOMPARE(fileNames(list), QStringList({path("third.mp4"), m_special}));
        QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(warnings, QStringList{"These could not be added:\n\n" + path("folder") +
                                       " (a folder without supported files)"});

        // A path far longer than 254 characters arrives whole.
        QString deep = m_dir.path();
        for (int i = 0; i < 4; ++i)
            deep += '/' + QString(70, QChar('a' + i));
        QVERIFY(QDir().mkpath(deep));
        const QString longPath = deep + "/clip.avi";
        QVERIFY(longPath.size() > 300);
        QVERIFY(QFile::copy(path("ok.avi"), longPath));
        mime.setUrls({QUrl::fromLocalFile(longPath)});
        QDropEvent longDrop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &enter);
        QApplication::sendEvent(view.viewport(), &longDrop);
        QCOMPARE(fileNames(list).last(), longPath);
    }

    // A source deleted after it was added stays a row that the list commands handle; adding
    // the path again is a repeat, and once removed it is refused like any unreadable file.
    void sourceThatDisappearsAfterAdding()
    {
        const QString gone = path("gone.avi");
        QVERIFY(QFile::copy(path("ok.avi"), gone));
        MediaProbe probe;
        SourceListModel list;
        FakeOpenDialog dialog;
        SourceCommands commands(list, probe, dialog, nullptr);
        QStringList codecErrors;
        QStringList warnings;
        commands.hooks().ShowCodecErrorDialog = [&](const QString &p) { codecErrors << p; };
        commands.hooks().ShowWarning = [&](const QString &message) { warnings << message; };
        commands.addDroppedFiles({gone});
        QCOMPARE(list.count(), 1);
        QVERIFY(QFile::remove(gone));
        commands.addDroppedFiles({gone});
        QCOMPARE(list.count(), 1);
        commands.onRemoveFilesRequested();
        QCOMPARE(list.count(), 0);
        commands.addDroppedFiles({gone});
        // Named as missing, not shown as a codec problem.
        QVERIFY(codecErrors.isEmpty());
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(warnings.last(), "These could not be added:\n\n" + gone + " (no such file)");
    }

    // A dropped folder adds the accepted files inside it and its sub-folders in name order;
    // what could not be added is named, with the reason, in one warning after the adding.
    void droppedFoldersAndWhatCannotBeAdded()
    {
        QTemporaryDir tree;
        FakeMediaProbe probe;
        auto make = [&](const QString &name) {
            const QString file = tree.filePath(name);
            QDir().mkpath(QFileInfo(file).path());
            QFile(file).open(QIODevice::WriteOnly);
            probe.durations[file] = 50000000;
            probe.sizes[file] = 1;
            return file;
        };
        for (const char *name : {"clips/z.wav", "clips/b.avi", "clips/A.MKV", "clips/notes.txt",
                                 "clips/sub/deeper/d.webm", "clips/sub/c.mp3",
                                 "nothing/readme.txt", "letter.txt"})
            make(QLatin1String(name));
        QVERIFY(QDir(tree.path()).mkpath("clips/empty"));
        // A name whose bytes were not UTF-8 arrives with replacement characters.
        QMimeData mime;
        mime.setUrls({QUrl::fromEncoded("file://" + QUrl::toPercentEncoding(tree.path(), "/") +
                                        "/bad%FFname.avi")});
        const QStringList dropped = SourceListView::DroppedPaths(&mime);
        QCOMPARE(dropped.size(), 1);

        SourceListModel list;
        FakeOpenDialog dialog;
        SourceCommands commands(list, probe, dialog, nullptr);
        QStringList warnings;
        QStringList codecErrors;
        commands.hooks().ShowWarning = [&](const QString &message) { warnings << message; };
        commands.hooks().ShowCodecErrorDialog = [&](const QString &p) { codecErrors << p; };
        commands.AddSourceFiles({tree.filePath("clips"), tree.filePath("letter.txt"),
                                 tree.filePath("nothing"), tree.filePath("gone.avi"),
                                 dropped.first()});

        QCOMPARE(fileNames(list),
                 QStringList({tree.filePath("clips/A.MKV"), tree.filePath("clips/b.avi"),
                              tree.filePath("clips/z.wav"), tree.filePath("clips/sub/c.mp3"),
                              tree.filePath("clips/sub/deeper/d.webm")}));
        QVERIFY(codecErrors.isEmpty());
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(warnings.first(),
                 "These could not be added:\n\n" + tree.filePath("letter.txt") +
                     " (not a supported file type)\n" + tree.filePath("nothing") +
                     " (a folder without supported files)\n" + tree.filePath("gone.avi") +
                     " (no such file)\n" + dropped.first() + " (the name is not valid UTF-8)");

        // Everything added, nothing to name: no warning.
        commands.AddSourceFiles({tree.filePath("clips/b.avi")});
        QCOMPARE(warnings.size(), 1);
    }

    void openDialogFilters()
    {
        const QStringList filters = SourceOpenDialog::Filters();
        QCOMPARE(filters.size(), 11);
        QVERIFY(filters.first().startsWith("Supported Files ("));
        // The first filter's patterns are exactly the accepted extensions.
        QStringList patterns = filters.first().section('(', 1).chopped(1).split(' ');
        QStringList expected;
        for (const QString &extension : SourceAdding::AcceptedExtensions())
            expected << "*" + extension;
        patterns.sort();
        expected.sort();
        QCOMPARE(patterns, expected);
        QCOMPARE(filters.at(4), QString("Flash Files (*.flv,swf) (*.flv *.swf)"));
        QVERIFY(filters.last().startsWith("Audio Files ("));
        for (const char *audio : {"*.mp3", "*.m4a", "*.wav", "*.flac", "*.opus", "*.amr"})
            QVERIFY2(filters.last().contains(audio), audio);
    }
};

QTEST_MAIN(SourceAddingTest)
#include "SourceAddingTest.moc"
