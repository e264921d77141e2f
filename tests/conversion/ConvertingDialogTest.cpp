// The progress dialog as a window: its shape, what it shows when it opens, how deliveries
// from the runner's thread reach its bars, and the busy indicator.
#include "conversion/ProgressDialog.h"
#include "shell/ProgramParts.h"
#include "shell/PictureButton.h"

#include <QBitmap>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QtTest>

#include <thread>

namespace {

QString report(int seconds)
{
    return QStringLiteral("frame= %1 q=3.0 size=    2048kB time=%2.04 bitrate= 279.4kbits/s\r")
        .arg(seconds * 25)
        .arg(seconds);
}

} // namespace

class ConvertingDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_proc = std::make_unique<ProgramParts>();
        m_dialog = std::make_unique<ProgressDialog>();
        m_dialog->Bind(*m_proc, nullptr);
        m_proc->jobs.Job.InputFile = "/videos/holiday trip.avi";
        m_proc->jobs.Job.CodecArg = " -vcodec mpeg4 -acodec aac";
        m_proc->jobs.Job.OutputExt = ".3gp";
    }

    void isABorderlessWindowInTheShapeOfItsPicture()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Converting"));
        QVERIFY(m_dialog->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(m_dialog->size(), QSize(435, 222));
        const QRegion shape = m_dialog->mask();
        QVERIFY(shape.contains(QPoint(200, 100)));
        QVERIFY(!shape.contains(QPoint(0, 0)));      // a rounded corner
        QVERIFY(!shape.contains(QPoint(200, 212))); // the status bar below the picture
        QCOMPARE(m_dialog->btnStop->geometry().topLeft(), QPoint(294, 126));
        QCOMPARE(m_dialog->btnStop->width(), 100);
    }

    void showingResetsTextsAndBars()
    {
        m_proc->batch.CheckedCount = 3;
        m_dialog->ProgressBar1->setRange(0, 50);
        m_dialog->ProgressBar1->setValue(20);
        m_dialog->show();
        QCOMPARE(m_dialog->lblPersent->text(), QStringLiteral("Current: 1, Total: 3"));
        QCOMPARE(m_dialog->lblCurFileName->text(), QStringLiteral("/videos/holiday trip.avi"));
        QCOMPARE(m_dialog->ProgressBar1->value(), 0);
        QCOMPARE(m_dialog->ProgressBar1->maximum(), 1);
        QCOMPARE(m_dialog->pbTotal->value(), 0);
        QCOMPARE(m_dialog->SpinnerStep(), 0);
    }

    // Job 2 of 3, a piece of 120 seconds: the current bar at 60 of 120, then the batch bar
    // at 149 of 300 and the counter Current: 2 , Total: 3.
    void workedExampleOnTheWidgets()
    {
        m_proc->batch.CheckedCount = 3;
        m_proc->batch.ConvertedCount = 1;
        m_proc->jobs.CutSeconds = "120";
        m_dialog->show();
        m_dialog->OnEncoderOutput(report(60));
        QTRY_COMPARE(m_proc->batch.RefreshCount, 1);
        QCOMPARE(m_dialog->ProgressBar1->value(), 0); // the first delivery only shows
        QCOMPARE(m_dialog->statStatePanel->text(), report(60));
        m_dialog->OnEncoderOutput(report(60));
        QTRY_COMPARE(m_dialog->ProgressBar1->value(), 60);
        QCOMPARE(m_dialog->ProgressBar1->maximum(), 120);
        m_dialog->OnEncoderOutput(report(60));
        QTRY_COMPARE(m_dialog->pbTotal->value(), 149);
        QCOMPARE(m_dialog->pbTotal->maximum(), 300);
        QCOMPARE(m_dialog->lblPersent->text(), QStringLiteral("Current: 2 , Total: 3."));
    }

    // Deliveries made on another thread are refreshed on the GUI thread one at a time, in
    // the order they were made.
    void deliveriesFromTheRunnerThreadArriveInOrder()
    {
        m_proc->batch.CheckedCount = 1;
        m_proc->jobs.CutSeconds = "1000";
        QList<int> seen;
        connect(m_dialog->ProgressBar1, &QProgressBar::valueChanged, this, [&](int value) {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            seen << value;
        });
        std::thread runner([this] {
            for (int i = 1; i <= 200; ++i)
                m_dialog->OnEncoderOutput(report(i));
        });
        runner.join();
        QTRY_COMPARE(m_proc->batch.RefreshCount, 200);
        seen.removeAll(0); // the bar's first drawing
        QCOMPARE(seen.size(), 199);
        for (int i = 0; i < seen.size(); ++i)
            QCOMPARE(seen[i], i + 2);
        QCOMPARE(m_dialog->statStatePanel->text(), report(200));
    }

    void busyIndicatorFollowsTheCurrentBar()
    {
        m_proc->jobs.CutSeconds = "100";
        m_dialog->show();
        QStringList texts;
        for (int i = 0; i < 2; ++i) {
            m_dialog->refreshProgress();
            texts << m_dialog->lblInfo->text();
        }
        m_proc->batch.RefreshCount = 1;
        m_dialog->OnEncoderOutput(report(3));
        QTRY_COMPARE(m_dialog->ProgressBar1->value(), 3);
        m_dialog->refreshProgress();
        texts << m_dialog->lblInfo->text();
        QCOMPARE(texts, QStringList({"Installing convert information  |",
                                     "Installing convert information  /", "Converting  -"}));
    }

private:
    std::unique_ptr<ProgramParts> m_proc;
    std::unique_ptr<ProgressDialog> m_dialog;
};

QTEST_MAIN(ConvertingDialogTest)
#include "ConvertingDialogTest.moc"
