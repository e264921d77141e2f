// The desktop opener with a stand-in for xdg-open on PATH: what it is handed, and the
// failure told when no program can open the target or xdg-open is missing.
#include "platform/DesktopOpener.h"

#include <QFile>

#include <cstdio>
#include <QTemporaryDir>
#include <QTest>

class DesktopOpenerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_bin;
    QByteArray m_path;

    // An xdg-open that writes its argument next to itself and exits with code. The script is
    // written beside and renamed into place: the one before may still be ending.
    void standIn(int code)
    {
        QFile script(m_bin.filePath("xdg-open.new"));
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/opened.new\"\n"
                     "/bin/mv \"${0%/*}/opened.new\" \"${0%/*}/opened\"\nexit " +
                     QByteArray::number(code) + "\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(::rename(QFile::encodeName(script.fileName()).constData(),
                         QFile::encodeName(m_bin.filePath("xdg-open")).constData()) == 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_bin.path()));
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void opensThroughXdgOpenAndTellsWhenNothingCould()
    {
        QStringList failed;
        DesktopOpener opener([&failed](const QString &target) { failed << target; });
        const QString help = "/usr/lib/clipwright/Help.html";

        standIn(0);
        QVERIFY(opener.OpenPath(help));
        QTRY_VERIFY(QFile::exists(m_bin.filePath("opened")));
        QFile opened(m_bin.filePath("opened"));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll(), help.toUtf8());
        QTest::qWait(200);
        QVERIFY(failed.isEmpty());

        // xdg-open finds no program (no browser): exit code 3.
        standIn(3);
        QVERIFY(opener.OpenAddress("https://example.org/clipwright"));
        QTRY_COMPARE(failed, QStringList{"https://example.org/clipwright"});

        // No xdg-open at all.
        QVERIFY(QFile::remove(m_bin.filePath("xdg-open")));
        failed.clear();
        QVERIFY(!opener.OpenPath(help));
        QCOMPARE(failed, QStringList{help});
    }

    // The end of a batch opens the output folder: without a file manager the user is not
    // told to install a web browser.
    void theMessageNamesWhatIsMissing()
    {
        QCOMPARE(DesktopOpener::FailureText(m_bin.path()),
                 "No program could open the folder \"" + m_bin.path() +
                     "\". Install a file manager, or open it yourself.");
        QCOMPARE(DesktopOpener::FailureText("https://example.org/clipwright"),
                 QStringLiteral("No program could open \"https://example.org/clipwright\". "
                                "Install a web browser, or open it yourself."));
    }
};

QTEST_GUILESS_MAIN(DesktopOpenerTest)
#include "DesktopOpenerTest.moc"
