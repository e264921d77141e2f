// The Options dialog: showing, Cancel, OK, the close button and the custom profile buttons,
// over the program's option lists and a custom profile store kept in memory.
#include <stdexcept>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "FakeUserDialogs.h"
#include "conversion/ParallelJobs.h"
#include "profiles/ConfigInfo.h"
#include "profiles/OptionLists.h"
#include "settings/OptionsDialog.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"

namespace {

// Fills an option list from its table as start-up does: the choices, then the default.
void fill(OptionListModel &list, const QStringList &table)
{
    list.addItems(table.mid(0, table.size() - 1));
    list.setSelectedIndex(table.last().toInt());
}

// Custom profiles as the profile store keeps them: names in file order with their six
// selections; Add takes the name the input box would give.
struct ProfileStore
{
    OptionLists &boxes;
    QList<QPair<QString, QString>> profiles;
    QString nextName;    // what the user enters at Add; empty text cancels
    int added = 0;       // Add was used (the counter)
    QString brokenValue; // a value that is not a number, applied with an error

    int find(const QString &name) const
    {
        for (int i = 0; i < profiles.size(); ++i)
            if (profiles[i].first == name)
                return i;
        return -1;
    }
    void store(const QString &name)
    {
        const int at = find(name);
        if (at >= 0)
            profiles[at].second = boxes.currentSelections();
        else
            profiles.append({name, boxes.currentSelections()});
    }
    OptionsDialog::Operations operations()
    {
        OptionsDialog::Operations ops;
        ops.ReadProfileNames = [this] {
            QStringList names;
            for (const auto &profile : profiles)
                names << profile.first;
            return names;
        };
        ops.ApplyCustomProfile = [this] {
            const QString name = boxes.customProfile().selectedText();
            const int at = find(name);
            if (at < 0)
                return;
            if (profiles[at].second == brokenValue)
                throw std::runtime_error("'x' is not a valid integer value");
            const QStringList fields = profiles[at].second.split('|');
            const auto lists = boxes.profileLists();
            for (int i = 0; i < 6; ++i)
                lists[i]->setSelectedIndex(fields[i].toInt());
        };
        ops.AddCustomProfile = [this] {
            ++added;
            if (!nextName.isEmpty())
                store(nextName);
        };
        ops.SaveCustomProfile = [this] {
            if (!boxes.customProfile().text().isEmpty())
                store(boxes.customProfile().text());
        };
        ops.DeleteCustomProfile = [this] {
            if (boxes.customProfile().count() > 0) {
                const int at = find(boxes.customProfile().text());
                if (at >= 0)
                    profiles.removeAt(at);
            }
        };
        ops.FillProfileBox = [this](OptionListModel &list) {
            QStringList names = ConfigInfo::QualityNames();
            names.removeLast();
            list.addItems(names);
            for (const auto &profile : profiles)
                list.addItem(profile.first);
            list.setSelectedIndex(2);
        };
        return ops;
    }
};

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        OptionLists boxes;
        ProfileStore store{boxes, {}};
        OptionsDialog dialog{boxes};
        QStringList errors;

        Fixture()
        {
            fill(boxes.videoSize(), ConfigInfo::VideoSizes());
            fill(boxes.videoBitrate(), ConfigInfo::VideoBitrates());
            fill(boxes.frameRate(), ConfigInfo::FrameRates());
            fill(boxes.aspectRatio(), ConfigInfo::AspectRatios());
            fill(boxes.audioBitrate(), ConfigInfo::AudioBitrates());
            fill(boxes.sampleRate(), ConfigInfo::SampleRates());
            fill(boxes.audioChannels(), ConfigInfo::AudioChannels());
            fill(boxes.volumeGain(), ConfigInfo::VolumeSteps());
            QStringList names = ConfigInfo::QualityNames();
            names.removeLast();
            boxes.profile().addItems(names);
            boxes.profile().setSelectedIndex(2);
            store.profiles = {
                {"Phone", "2|0|2|3|0|0"}, {"Tablet", "8|1|4|6|1|2"}, {"Tiny", "0|0|0|0|0|0"}};
            dialog.operations() = store.operations();
            dialog.operations().ShowError = [this](const QString &m) { errors << m; };
        }
        // The nine selections in the order the dialog remembers them.
        QList<int> selections()
        {
            QList<int> result;
            for (OptionListModel *list :
                 {&boxes.videoSize(), &boxes.videoBitrate(), &boxes.frameRate(),
                  &boxes.aspectRatio(), &boxes.audioBitrate(), &boxes.sampleRate(),
                  &boxes.volumeGain(), &boxes.audioChannels(),
                  &boxes.customProfile()})
                result << list->selectedIndex();
            return result;
        }
        // Chooses entry index of a list as the user does.
        void choose(QComboBox *combo, int index)
        {
            combo->setCurrentIndex(index);
            Q_EMIT combo->activated(index);
        }
    };

    // The dialog over the program's controllers: profiles in UserProfileInfo.ini of a
    // temporary program folder, names asked through scripted input boxes.
    struct ProgramFixture
    {
        QTemporaryDir dir;
        FakeUserDialogs dialogs;
        ProgramParts proc{&dialogs};
        OptionsDialog dialog{proc.optionLists};
        QStringList errors;

        ProgramFixture()
        {
            QDir(dir.path()).mkdir("Config");
            proc.jobs.ProgramDir = dir.path() + '/';
            AppPaths::SetCurrent(AppPaths::Portable(proc.jobs.ProgramDir));
            proc.outputOptions.FillAll();
            proc.settings.Load();
            dialog.operations() = OptionsDialog::OperationsOn(proc);
            dialog.operations().ShowError = [this](const QString &m) { errors << m; };
        }

        OptionLists &boxes() { return proc.optionLists; }
        QString file(const QString &name) const { return proc.jobs.ProgramDir + "Config/" + name; }
        QByteArray read(const QString &name) const
        {
            QFile f(file(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }
        void write(const QString &name, const QByteArray &bytes)
        {
            QFile f(file(name));
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                f.write(bytes);
        }
        void choose(QComboBox *combo, int index)
        {
            combo->setCurrentIndex(index);
            Q_EMIT combo->activated(index);
        }
    };

private Q_SLOTS:
    void layoutAndShowing()
    {
        Fixture f;
        QCOMPARE(f.dialog.windowTitle(), QString("Options"));
        QCOMPARE(f.dialog.size(), QSize(468, 239));
        QVERIFY(!f.dialog.isModal());
        QCOMPARE(f.dialog.combo("cbbAudioVolumeGain")->count(), 21);
        QCOMPARE(f.dialog.combo("cbbAudioVolumeGain")->currentText(), QString("200"));
        QVERIFY(!f.dialog.combo("cbbVideoSize")->isEditable());
        QVERIFY(f.dialog.customProfile()->isEditable());
        QCOMPARE(f.dialog.btnApply()->text(), QString("OK"));
        QCOMPARE(f.dialog.btnDel()->geometry(), QRect(408, 10, 49, 24));

        // Shown while a custom profile is chosen on the main window: that one is selected,
        // and nothing is applied.
        f.boxes.profile().addItems({"Phone", "Tablet", "Tiny"});
        f.boxes.profile().setSelectedIndex(6);
        const QList<int> before = f.selections();
        f.dialog.Open();
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.boxes.customProfile().items(), QStringList({"Phone", "Tablet", "Tiny"}));
        QCOMPARE(f.boxes.customProfile().selectedIndex(), 1);
        QCOMPARE(f.dialog.customProfile()->currentText(), QString("Tablet"));
        QCOMPARE(f.selections().mid(0, 8), before.mid(0, 8));
        QCOMPARE(f.dialog.RememberedSelections()[8], 1);

        // Open again while open: brought to the front, nothing remembered anew.
        f.choose(f.dialog.combo("cbbFramerate"), 0);
        f.dialog.Open();
        QCOMPARE(f.dialog.RememberedSelections()[2], 1);
    }

    void cancelTakesTheSelectionsBack()
    {
        Fixture f;
        f.dialog.Open();
        const QList<int> opened = f.selections();
        f.choose(f.dialog.combo("cbbFramerate"), 0);
        f.choose(f.dialog.combo("cbbAudioVolumeGain"), 4);
        f.choose(f.dialog.customProfile(), 0); // applies Phone to six lists
        QCOMPARE(f.boxes.videoSize().selectedText(), QString("176x144"));
        QVERIFY(f.selections() != opened);
        f.dialog.btnCancel()->click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.selections(), opened);
        QCOMPARE(f.dialog.combo("cbbFramerate")->currentText(), QString("15"));
        QCOMPARE(f.dialog.combo("cbbAudioVolumeGain")->currentText(), QString("200"));
    }

    // OK keeps what the dialog shows and refills the main window's profile list, which then
    // reads "Normal Quality".
    void okKeepsTheChoiceAndRefillsTheProfileList()
    {
        Fixture f;
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 1); // Tablet
        f.dialog.btnApply()->click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.boxes.videoSize().selectedText(), QString("640x480"));
        QCOMPARE(f.boxes.profile().selectedText(), QString("Normal Quality"));
        QCOMPARE(f.boxes.profile().count(), 8);
    }

    // Escape and the window's close button take the changes back, as Cancel does: nothing
    // changed in a closed dialog applies to the next conversion.
    void escapeAndCloseButtonActAsCancel_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close button") << false;
    }
    void escapeAndCloseButtonActAsCancel()
    {
        QFETCH(bool, escape);
        Fixture f;
        f.dialog.Open();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        const QList<int> opened = f.selections();
        f.choose(f.dialog.customProfile(), 1); // Tablet: six lists change
        f.choose(f.dialog.combo("cbbAudioVolumeGain"), 0);
        QVERIFY(f.selections() != opened);
        if (escape) {
            f.dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus && focus->window() == &f.dialog);
            QTest::keyClick(focus, Qt::Key_Escape);
        } else {
            f.dialog.close();
        }
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.selections(), opened);
    }

    void customProfileButtons()
    {
        Fixture f;
        f.dialog.Open();
        const QList<int> opened = f.selections();

        // Add: stored, the list refilled with the last entry selected; Cancel keeps the
        // profile but takes the selections back.
        f.store.nextName = "Car";
        f.dialog.btnAdd()->click();
        QCOMPARE(f.boxes.customProfile().items(),
                 QStringList({"Phone", "Tablet", "Tiny", "Car"}));
        QCOMPARE(f.dialog.customProfile()->currentText(), QString("Car"));
        // A cancelled name prompt refills all the same.
        f.store.nextName.clear();
        f.choose(f.dialog.customProfile(), 0);
        f.dialog.btnAdd()->click();
        QCOMPARE(f.store.added, 2);
        QCOMPARE(f.boxes.customProfile().selectedIndex(), 3);
        f.dialog.btnCancel()->click();
        QCOMPARE(f.store.profiles.size(), 4);
        QCOMPARE(f.selections(), opened);

        // Save while the second profile is shown overwrites it; the last entry is then
        // selected.
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 1);
        f.choose(f.dialog.combo("cbbAudioBitrate"), 0);
        f.dialog.btnSave()->click();
        QCOMPARE(f.store.profiles[1].second.section('|', 3, 3), QString("0"));
        QCOMPARE(f.dialog.customProfile()->currentText(), QString("Car"));

        // A typed name that matches no entry selects none and Save creates it.
        QLineEdit *edit = f.dialog.customProfile()->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, "Bike");
        QCOMPARE(f.boxes.customProfile().selectedIndex(), -1);
        QCOMPARE(f.boxes.customProfile().text(), QString("Bike"));
        f.dialog.btnSave()->click();
        QCOMPARE(f.store.profiles.last().first, QString("Bike"));
        QCOMPARE(f.store.added, 2);

        // Delete each profile in turn: the list empties and its text is cleared.
        while (!f.store.profiles.isEmpty())
            f.dialog.btnDel()->click();
        QCOMPARE(f.boxes.customProfile().count(), 0);
        QCOMPARE(f.dialog.customProfile()->currentText(), QString());
        f.dialog.btnDel()->click(); // on an empty list
        QVERIFY(f.errors.isEmpty());
    }

    // A stored value that is not a number: the error is shown and the dialog stays open.
    void brokenProfileShowsTheErrorAndStaysOpen()
    {
        Fixture f;
        f.store.profiles[2].second = f.store.brokenValue = "1|1|2|5|1|x";
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 2);
        QCOMPARE(f.errors, QStringList{"'x' is not a valid integer value"});
        QVERIFY(f.dialog.isVisible());
    }

    // With the dialog open, a change of the lists by the main window shows at once.
    void listsFollowTheProgramWhileOpen()
    {
        Fixture f;
        f.dialog.Open();
        f.boxes.videoSize().setEnabled(false);
        f.boxes.videoSize().setSelectedIndex(4);
        QVERIFY(!f.dialog.combo("cbbVideoSize")->isEnabled());
        QCOMPARE(f.dialog.combo("cbbVideoSize")->currentText(), QString("320x240"));
    }

    // Add on a fresh installation proposes UserProfileInfo1; the profile stays after
    // Cancel, which takes the selections back.
    void addWithTheProgramsStoreThenCancel()
    {
        ProgramFixture f;
        f.dialog.Open();
        const int frameRate = f.boxes().frameRate().selectedIndex();
        f.choose(f.dialog.combo("cbbFramerate"), 0);
        f.dialogs.inputAnswers = {{true, "Phone"}};
        f.dialog.btnAdd()->click();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown[0].initialText, QString("UserProfileInfo1"));
        QCOMPARE(f.dialogs.shown[0].text, QString("Plese input a name"));
        QCOMPARE(f.dialog.customProfile()->currentText(), QString("Phone"));
        f.dialog.btnCancel()->click();
        QCOMPARE(f.proc.optionLists.frameRate().selectedIndex(), frameRate);
        QVERIFY(f.read("UserProfileInfo.ini").contains("[Phone]\r\nPhone=1|0|"));
        QCOMPARE(f.proc.optionLists.customProfile().items(), QStringList{"Phone"});
    }

    // Save while the second of three profiles is shown overwrites it and then shows the
    // third; a typed new name is saved without a prompt and without the counter.
    void saveWithTheProgramsStore()
    {
        ProgramFixture f;
        f.write("UserProfileInfo.ini", "\r\n[A]\r\nA=0|0|0|0|0|0\r\n\r\n[B]\r\nB=0|0|0|0|0|0\r\n"
                                       "\r\n[C]\r\nC=0|0|0|0|0|0\r\n");
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 1);
        f.choose(f.dialog.combo("cbbVideoSize"), 4);
        f.dialog.btnSave()->click();
        QVERIFY(f.read("UserProfileInfo.ini").contains("B=4|0|0|0|0|0"));
        QCOMPARE(f.dialog.customProfile()->currentText(), QString("C"));

        QLineEdit *edit = f.dialog.customProfile()->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, "Bike");
        f.dialog.btnSave()->click();
        QVERIFY(f.read("UserProfileInfo.ini").contains("[Bike]"));
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY(!QFile::exists(f.file("UserProfileCount.ini")));
    }

    // Delete the only profile: the list empties and its text is cleared; the lists keep
    // their selections.
    void deleteTheOnlyProfile()
    {
        ProgramFixture f;
        f.write("UserProfileInfo.ini", "\r\n[Only]\r\nOnly=2|0|2|3|0|0\r\n");
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 0);
        const int size = f.boxes().videoSize().selectedIndex();
        f.dialog.btnDel()->click();
        QCOMPARE(f.boxes().customProfile().count(), 0);
        QCOMPARE(f.dialog.customProfile()->currentText(), QString());
        QCOMPARE(f.boxes().videoSize().selectedIndex(), size);
        QVERIFY(!f.read("UserProfileInfo.ini").contains("[Only]"));
    }

    // OK after choosing a custom profile: the main window's list reads "Normal Quality"
    // and lists the profiles; the option lists keep the profile's values.
    void okWithTheProgramsStore()
    {
        ProgramFixture f;
        f.write("UserProfileInfo.ini", "\r\n[Phone]\r\nPhone=2|0|2|3|0|0\r\n");
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 0);
        f.dialog.btnApply()->click();
        QCOMPARE(f.boxes().profile().selectedText(), QString("Normal Quality"));
        QCOMPARE(f.boxes().profile().itemAt(5), QString("Phone"));
        QCOMPARE(f.boxes().videoSize().selectedText(), QString("176x144"));
        QCOMPARE(f.boxes().audioBitrate().selectedText(), QString("64"));
    }

    // "Conversions at the same time": Automatic on a settings file without the choice,
    // numbers up to the cores; OK stores the choice at once, Cancel keeps the stored one.
    void conversionsAtTheSameTime()
    {
        ProgramFixture f;
        f.write("UserSettings.ini", "[USRInfo]\r\nOutDir=/out\r\n");
        f.proc.settings.Load();
        f.dialog.Open();
        QComboBox *jobs = f.dialog.conversionsAtOnce();
        QCOMPARE(jobs->currentText(), QString("Automatic"));
        QCOMPARE(jobs->count(), ParallelJobs::Cores() + 1);
        QCOMPARE(jobs->itemText(1), QString("1"));
        QVERIFY(jobs->geometry().bottom() < f.dialog.height());
        jobs->setFocus();
        QTest::keyClick(jobs, Qt::Key_Down);
        f.dialog.btnApply()->click();
        QCOMPARE(f.proc.settings.ConversionsAtOnce(), 1);
        QVERIFY(f.read("UserSettings.ini").endsWith("ConversionsAtOnce=1\r\n"));

        f.dialog.Open();
        QCOMPARE(jobs->currentText(), QString("1"));
        QTest::keyClick(jobs, Qt::Key_Up);
        QCOMPARE(jobs->currentText(), QString("Automatic"));
        f.dialog.btnCancel()->click();
        QCOMPARE(f.proc.settings.ConversionsAtOnce(), 1);
        f.dialog.Open();
        QCOMPARE(jobs->currentText(), QString("1"));
        QVERIFY(f.errors.isEmpty());
    }

    // A stored value that is no number: the conversion error is shown, the lists before
    // it are set, and the dialog stays open.
    void brokenStoredProfile()
    {
        ProgramFixture f;
        f.write("UserProfileInfo.ini", "\r\n[Bad]\r\nBad=1|1|2|5|1|x\r\n");
        f.dialog.Open();
        f.choose(f.dialog.customProfile(), 0);
        QCOMPARE(f.errors, QStringList{"'x' is not a valid integer value"});
        QCOMPARE(f.boxes().audioBitrate().selectedIndex(), 5);
        QVERIFY(f.dialog.isVisible());
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
