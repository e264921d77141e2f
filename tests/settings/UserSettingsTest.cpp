#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "conversion/ParallelJobs.h"
#include "conversion/SizeLimit.h"
#include "settings/ConfigFolder.h"
#include "ChildRun.h"
#include "FakeUserDialogs.h"
#include "settings/IniFile.h"
#include "report/AppErrors.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"

namespace {

// A program folder with a Config folder, the two controllers on it, the option lists
// filled as at start-up and the user's answers scripted.
class SettingsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir("Config"));
        m_proc.jobs.ProgramDir = m_dir.path() + '/';
        AppPaths::SetCurrent(AppPaths::Portable(m_proc.jobs.ProgramDir));
    }

    QString config(const QString &name) const { return m_proc.jobs.ProgramDir + "Config/" + name; }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(config(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(config(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    OptionLists &boxes() { return m_proc.optionLists; }

    QTemporaryDir m_dir;
    FakeUserDialogs m_dialogs;
    ProgramParts m_proc{&m_dialogs};
};

using UserSettingsTest = SettingsFixture;

TEST_F(UserSettingsTest, AFirstRunGivesTheDefaults)
{
    EXPECT_TRUE(m_proc.settings.showOutputFolder().isChecked()); // the window's design
    m_proc.settings.Load();
    EXPECT_FALSE(m_proc.settings.showOutputFolder().isChecked());
    EXPECT_FALSE(m_proc.settings.powerOffWhenDone().isChecked());
    EXPECT_EQ(m_proc.settings.outputFolder().text(), QDir::homePath() + "/Clipwright");
    EXPECT_EQ(m_proc.settings.LoadInitDir(), QDir::homePath() + '/');
    EXPECT_EQ(read("UserSettings.ini"), "<missing>");
}

TEST_F(UserSettingsTest, TheWorkedExample)
{
    m_proc.settings.Load();
    m_proc.settings.SaveInitDir("/media/Video/first.avi");
    m_proc.settings.showOutputFolder().setChecked(true);
    m_proc.settings.Save();
    const QString out = QDir::homePath() + "/Clipwright";
    EXPECT_EQ(read("UserSettings.ini"),
              "\r\n[USRInfo]\r\nInitDir=/media/Video/\r\nSHWDDir=1\r\nSHUTDOWN=0\r\nOutDir=" +
                  out.toUtf8() + "\r\n");

    UserSettings next;
    next.outputFolder().setText("design");
    next.Load();
    EXPECT_TRUE(next.showOutputFolder().isChecked());
    EXPECT_FALSE(next.powerOffWhenDone().isChecked());
    EXPECT_EQ(next.outputFolder().text(), out);
    EXPECT_EQ(next.LoadInitDir(), "/media/Video/");
}

// The size limit: an older file has none and keeps its bytes when saved without one; a
// limit set is kept as a number of MB; a value that is no limit counts as none.
TEST_F(UserSettingsTest, TheSizeLimitIsKeptOnceSet)
{
    write("UserSettings.ini", "[USRInfo]\r\nSHWDDir=1\r\nSHUTDOWN=0\r\nOutDir=/out\r\n");
    UserSettings &settings = m_proc.settings;
    settings.Load();
    EXPECT_EQ(settings.sizeLimit().text(), "None");
    EXPECT_EQ(m_proc.jobs.SizeLimitMB, 0);
    settings.Save();
    EXPECT_EQ(read("UserSettings.ini"), "[USRInfo]\r\nSHWDDir=1\r\nSHUTDOWN=0\r\nOutDir=/out\r\n");

    settings.sizeLimit().setText("12.5 MB");
    EXPECT_EQ(m_proc.jobs.SizeLimitMB, 12.5); // the jobs follow at once
    settings.Save();
    EXPECT_TRUE(read("UserSettings.ini").endsWith("OutDir=/out\r\nSizeLimit=12.5\r\n"));
    settings.sizeLimit().setText("None");
    settings.Save();
    EXPECT_TRUE(read("UserSettings.ini").endsWith("SizeLimit=0\r\n"));

    for (const char *stored : {"25", "abc", "-3", "0"}) {
        write("UserSettings.ini", QByteArray("[USRInfo]\r\nSizeLimit=") + stored + "\r\n");
        settings.Load();
        EXPECT_EQ(settings.sizeLimit().text(), QString(stored) == "25" ? "25 MB" : "None") << stored;
    }
}

// Conversions at the same time: an older file gives Automatic and keeps its bytes when saved
// without a choice; a number is kept once chosen; what the Options dialog cannot show (no
// number, below 1, above the cores) is Automatic.
TEST_F(UserSettingsTest, ConversionsAtTheSameTimeAreAutomaticUnlessChosen)
{
    const QByteArray older = "[USRInfo]\r\nSHWDDir=1\r\nSHUTDOWN=0\r\nOutDir=/out\r\n";
    write("UserSettings.ini", older);
    UserSettings &settings = m_proc.settings;
    settings.SetConversionsAtOnce(3);
    settings.Load();
    EXPECT_EQ(settings.ConversionsAtOnce(), ParallelJobs::kAutomatic);
    settings.Save();
    EXPECT_EQ(read("UserSettings.ini"), older);

    settings.SetConversionsAtOnce(1);
    settings.Save();
    EXPECT_TRUE(read("UserSettings.ini").endsWith("OutDir=/out\r\nConversionsAtOnce=1\r\n"));
    settings.SetConversionsAtOnce(ParallelJobs::kAutomatic);
    settings.Save();
    EXPECT_TRUE(read("UserSettings.ini").endsWith("ConversionsAtOnce=0\r\n"));

    const QByteArray cores = QByteArray::number(ParallelJobs::Cores());
    const QByteArray tooMany = QByteArray::number(ParallelJobs::Cores() + 1);
    for (const QByteArray &stored : {QByteArray("1"), cores, QByteArray("0"), QByteArray("abc"),
                                     QByteArray("-2"), QByteArray(""), tooMany}) {
        write("UserSettings.ini", "[USRInfo]\r\nConversionsAtOnce=" + stored + "\r\n");
        settings.SetConversionsAtOnce(1);
        settings.Load();
        const bool kept = stored == "1" || stored == cores;
        EXPECT_EQ(settings.ConversionsAtOnce(), kept ? stored.toInt() : ParallelJobs::kAutomatic)
            << stored.constData();
    }
}

TEST(SizeLimitText, ReadsWhatTheUserTypes)
{
    const struct
    {
        const char *typed;
        bool accepted;
        double mb;
        const char *shown;
    } cases[] = {
        {"None", true, 0, "None"},   {"", true, 0, "None"},        {"none", true, 0, "None"},
        {"25", true, 25, "25 MB"},   {"25 MB", true, 25, "25 MB"}, {" 8mb ", true, 8, "8 MB"},
        {"12.5", true, 12.5, "12.5 MB"}, {"0", false, -1, ""},     {"-3", false, -1, ""},
        {"abc", false, -1, ""},      {"12,5", false, -1, ""},      {"1e9", false, -1, ""},
        {"inf", false, -1, ""},      {"nan", false, -1, ""},
    };
    for (const auto &c : cases) {
        double mb = -1;
        EXPECT_EQ(SizeLimit::Parse(c.typed, &mb), c.accepted) << c.typed;
        EXPECT_EQ(mb, c.mb) << c.typed;
        if (c.accepted) {
            EXPECT_EQ(SizeLimit::Text(mb), c.shown) << c.typed;
        }
    }
    EXPECT_EQ(SizeLimit::Choices(),
              QStringList({"None", "8 MB", "10 MB", "16 MB", "25 MB", "50 MB", "100 MB"}));
}

TEST_F(UserSettingsTest, OnlyOneTicksACheckBox)
{
    const struct
    {
        const char *value;
        bool ticked;
    } cases[] = {{"1", true},  {" 1 ", true}, {"true", false}, {"yes", false},
                 {"0", false}, {"", false},   {"01", false},   {"\x01", false}};
    for (const auto &c : cases) {
        write("UserSettings.ini",
              QByteArray("[USRInfo]\r\nSHWDDir=") + c.value + "\r\nSHUTDOWN=" + c.value);
        m_proc.settings.showOutputFolder().setChecked(!c.ticked);
        m_proc.settings.powerOffWhenDone().setChecked(!c.ticked);
        m_proc.settings.Load();
        EXPECT_EQ(m_proc.settings.showOutputFolder().isChecked(), c.ticked) << c.value;
        EXPECT_EQ(m_proc.settings.powerOffWhenDone().isChecked(), c.ticked) << c.value;
    }
}

TEST_F(UserSettingsTest, AnEmptyOutDirKeepsTheFieldsText)
{
    write("UserSettings.ini", "[USRInfo]\nOutDir=\nInitDir=");
    m_proc.settings.outputFolder().setText("/design/text");
    m_proc.settings.Load();
    EXPECT_EQ(m_proc.settings.outputFolder().text(), "/design/text");
    EXPECT_EQ(m_proc.settings.LoadInitDir(), QDir::homePath() + '/');
}

TEST_F(UserSettingsTest, SaveInitDirWritesOnlyAFolder)
{
    m_proc.settings.SaveInitDir(QString()); // before the first confirmed dialog
    m_proc.settings.SaveInitDir("no-folder.avi");
    EXPECT_EQ(read("UserSettings.ini"), "<missing>");
    m_proc.settings.SaveInitDir("/a/b c/ünï/clip.avi");
    m_proc.settings.SaveInitDir("/a/b c/ünï/clip.avi"); // the Open command saves twice: one line stays
    EXPECT_EQ(read("UserSettings.ini"), "\r\n[USRInfo]\r\nInitDir=/a/b c/ünï/\r\n");
    EXPECT_EQ(m_proc.settings.LoadInitDir(), "/a/b c/ünï/");
}

TEST_F(UserSettingsTest, AHandWrittenFileIsReadAndUpdatedByItsRules)
{
    write("UserSettings.ini", "; by hand\n[usrinfo]\ninitdir=/small/\nSHWDDir = 1\r"
                              "OutDir=/out dir/\r\n[Other]\r\nx=y");
    EXPECT_EQ(m_proc.settings.LoadInitDir(), QDir::homePath() + '/');
    m_proc.settings.Load();
    EXPECT_TRUE(m_proc.settings.showOutputFolder().isChecked());
    EXPECT_EQ(m_proc.settings.outputFolder().text(), "/out dir/");
    m_proc.settings.SaveInitDir("/big/file.avi");
    m_proc.settings.Save();
    EXPECT_EQ(read("UserSettings.ini"),
              "; by hand\r\n[usrinfo]\r\ninitdir=/small/\r\nSHWDDir=1\r\nOutDir=/out dir/\r\n"
              "InitDir=/big/\r\nSHUTDOWN=0\r\n[Other]\r\nx=y\r\n");
}

TEST_F(UserSettingsTest, BadFilesGiveTheDefaults)
{
    QByteArray junk(64 * 1024, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) % 251);
    const QByteArray files[] = {
        junk,
        QByteArray("[USRInfo]\0SHWDDir=1\0", 20),
        "[USRInfo]\r\nSHWDDir=" + QByteArray(2 * 1024 * 1024, '1'),
        "\r\r\n\n[USRInfo]\n\r\n\rOutDir=\xff\xfe\r",
    };
    for (const QByteArray &bytes : files) {
        write("UserSettings.ini", bytes);
        const QList<QByteArray> lines = IniFile(config("UserSettings.ini")).Lines();
        m_proc.settings.showOutputFolder().setChecked(true);
        m_proc.settings.Load();
        EXPECT_FALSE(m_proc.settings.showOutputFolder().isChecked());
        EXPECT_FALSE(m_proc.settings.powerOffWhenDone().isChecked());
        m_proc.settings.Save();
        if (&bytes == &files[0]) { // the junk stays, the section follows it
            EXPECT_EQ(IniFile(config("UserSettings.ini")).Lines().mid(0, lines.size()), lines);
        }
    }
}

TEST_F(UserSettingsTest, AMissingConfigFolderReadsDefaultsAndFailsToSave)
{
    ASSERT_TRUE(QDir(config("")).removeRecursively());
    m_proc.settings.Load();
    EXPECT_FALSE(m_proc.settings.showOutputFolder().isChecked());
    EXPECT_EQ(m_proc.settings.LoadInitDir(), QDir::homePath() + '/');
    EXPECT_TRUE(ConfigFolder::Sections("UserProfileInfo.ini").isEmpty());
    try {
        m_proc.settings.Save();
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(QString::fromUtf8(error.what())
                        .startsWith("Cannot create file \"" + config("UserSettings.ini") + "\". "));
    }
    EXPECT_THROW(m_proc.settings.SaveInitDir("/a/b.avi"), EInOutError);
    EXPECT_FALSE(QFileInfo::exists(config("")));
}

TEST_F(UserSettingsTest, ConfigReadersReadAnyFileOfTheConfigFolder)
{
    write("Other.ini", "[B]\r\nB=2\r\n[ A ]\r\nA=1\r\n[C]\r\nc=3\r\n");
    EXPECT_EQ(ConfigFolder::Sections("Other.ini"), QStringList({"B", "A", "C"}));
    EXPECT_TRUE(ConfigFolder::Sections("Missing.ini").isEmpty());
}

// The custom profiles, worked through the Options dialog's lists.
class CustomProfileTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_proc.outputOptions.FillAll();
        m_proc.settings.Load();
    }

    // Selects the six lists by their items: size, frame rate, video bitrate, audio
    // bitrate, channels, sample rate.
    void select(const QStringList &items)
    {
        const auto lists = boxes().profileLists();
        for (int i = 0; i < 6; ++i) {
            const int index = int(lists[i]->items().indexOf(items[i]));
            ASSERT_GE(index, 0) << items[i].toStdString();
            lists[i]->setSelectedIndex(index);
        }
    }

    QString six() { return boxes().currentSelections(); }

    // Refills the custom profile list as the Options dialog does and selects name.
    void choose(const QString &name)
    {
        OptionListModel &list = boxes().customProfile();
        list.clear();
        list.addItems(ConfigFolder::Sections("UserProfileInfo.ini"));
        list.setSelectedIndex(int(list.items().indexOf(name)));
    }

    void setSix(const QString &selections)
    {
        const QStringList fields = selections.split('|');
        const auto lists = boxes().profileLists();
        for (int i = 0; i < 6; ++i)
            lists[i]->setSelectedIndex(fields[i].toInt());
    }
};

TEST_F(CustomProfileTest, TheWorkedExample)
{
    select({"320x240", "15", "256", "128", "2 channels, Stereo", "44100"});
    m_dialogs.inputAnswers = {{true, "UserProfileInfo1"}};
    m_proc.outputOptions.AddCustomProfile();
    ASSERT_EQ(m_dialogs.shown.size(), 1);
    EXPECT_EQ(m_dialogs.shown[0].text, "Plese input a name");
    EXPECT_EQ(m_dialogs.shown[0].initialText, "UserProfileInfo1");

    select({"176x144", "11", "128", "64", "1 channel, Mono", "22050"});
    m_dialogs.inputAnswers = {{true, "Phone"}};
    m_proc.outputOptions.AddCustomProfile();
    EXPECT_EQ(m_dialogs.shown[1].initialText, "UserProfileInfo2");

    EXPECT_EQ(read("UserProfileInfo.ini"), "\r\n[UserProfileInfo1]\r\nUserProfileInfo1=4|1|3|5|1|2"
                                           "\r\n\r\n[Phone]\r\nPhone=2|0|2|3|0|0\r\n");
    EXPECT_EQ(read("UserProfileCount.ini"), "\r\n[count]\r\ncount=2\r\n");

    choose("UserProfileInfo1");
    EXPECT_EQ(m_proc.outputOptions.ReadCustomProfile(), "4|1|3|5|1|2");
    m_proc.outputOptions.ApplyCustomProfile();
    EXPECT_EQ(six(), "4|1|3|5|1|2");

    m_proc.outputOptions.DeleteCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"), "\r\n\r\n[Phone]\r\nPhone=2|0|2|3|0|0\r\n");
}

TEST_F(CustomProfileTest, TheCounterGrowsOnEveryAddCancelledOrNot)
{
    m_proc.outputOptions.AddCustomProfile(); // cancelled
    m_proc.outputOptions.AddCustomProfile();
    ASSERT_EQ(m_dialogs.shown.size(), 2);
    EXPECT_EQ(m_dialogs.shown[0].initialText, "UserProfileInfo1");
    EXPECT_EQ(m_dialogs.shown[1].initialText, "UserProfileInfo2");
    EXPECT_EQ(m_dialogs.shown[1].caption, m_dialogs.shown[0].caption);
    EXPECT_EQ(read("UserProfileInfo.ini"), "<missing>");
    EXPECT_EQ(read("UserProfileCount.ini"), "\r\n[count]\r\ncount=2\r\n");

    // A counter that is no number reads as 0.
    for (const QByteArray &counter :
         {QByteArray("[count]\r\ncount=many\r\n"), QByteArray("[count]\r\ncount=\0\0\0", 18),
          QByteArray("\xff\xfe\x00junk", 7)}) {
        write("UserProfileCount.ini", counter);
        m_proc.outputOptions.AddCustomProfile();
        EXPECT_EQ(m_dialogs.shown.last().initialText, "UserProfileInfo1");
    }
    // The largest counter starts over instead of turning negative.
    write("UserProfileCount.ini", "[count]\r\ncount=2147483647\r\n");
    m_proc.outputOptions.AddCustomProfile();
    EXPECT_EQ(m_dialogs.shown.last().initialText, "UserProfileInfo1");
}

TEST_F(CustomProfileTest, AddingUnderAnExistingNameReplacesByTheMatchingRules)
{
    write("UserProfileInfo.ini", "\r\n[Phone]\r\nPhone=1|1|1|1|1|1\r\n");
    setSix("0|0|0|0|0|0");
    m_dialogs.inputAnswers = {{true, "Phone"}, {true, "phone"}};
    m_proc.outputOptions.AddCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"), "\r\n[Phone]\r\nPhone=0|0|0|0|0|0\r\n");
    setSix("2|1|2|2|1|2");
    m_proc.outputOptions.AddCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"),
              "\r\n[Phone]\r\nPhone=0|0|0|0|0|0\r\nphone=2|1|2|2|1|2\r\n");
    EXPECT_EQ(ConfigFolder::Sections("UserProfileInfo.ini"), QStringList({"Phone"}));
    choose("Phone");
    EXPECT_EQ(m_proc.outputOptions.ReadCustomProfile(), "0|0|0|0|0|0");
}

TEST_F(CustomProfileTest, OddNamesAreStoredUnchangedAndApplyNothing)
{
    m_dialogs.inputAnswers = {{true, ""}, {true, " Lead"}};
    m_proc.outputOptions.AddCustomProfile();
    m_proc.outputOptions.AddCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"),
              "\r\n[]\r\n\r\n[ Lead]\r\n Lead=" + six().toUtf8() + "\r\n");
    EXPECT_EQ(ConfigFolder::Sections("UserProfileInfo.ini"), QStringList({"", "Lead"}));
    for (const QString name : {"", "Lead"}) {
        choose(name);
        setSix("0|0|0|0|0|0");
        EXPECT_EQ(m_proc.outputOptions.ReadCustomProfile(), "");
        m_proc.outputOptions.ApplyCustomProfile();
        EXPECT_EQ(six(), "0|0|0|0|0|0");
    }
}

TEST_F(CustomProfileTest, AppliesOnlyWellFormedValues)
{
    const struct
    {
        const char *stored, *after;
    } cases[] = {
        {"1|1|2", "0|0|0|0|0|0"},
        {"1|1|2|5|1|2|", "1|1|2|5|1|2"},    // a trailing empty piece is dropped
        {"1||2|5|1|2", "1|0|2|5|1|2"},      // an empty piece leaves its list
        {"99|1|2|5|1|-1", "-1|1|2|5|1|-1"}, // beyond the list: no selection
        {"1|1|2|5|1|2|3", "0|0|0|0|0|0"},
        {"$1| 1|2|5|1|2 ", "1|1|2|5|1|2"}, // hexadecimal, blanks around a piece
    };
    for (const auto &c : cases) {
        write("UserProfileInfo.ini", QByteArray("[P]\r\nP=") + c.stored + "\r\n");
        choose("P");
        setSix("0|0|0|0|0|0");
        m_proc.outputOptions.ApplyCustomProfile();
        EXPECT_EQ(six(), c.after) << c.stored;
    }
}

TEST_F(CustomProfileTest, APieceThatIsNoIntegerStopsWithTheConversionError)
{
    write("UserProfileInfo.ini", "[P]\r\nP=1|1|2|5|1|x\r\n");
    choose("P");
    setSix("0|0|0|0|0|0");
    try {
        m_proc.outputOptions.ApplyCustomProfile();
        FAIL() << "no error";
    } catch (const EConvertError &error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(six(), "1|1|2|5|1|0"); // the lists before the piece are set
}

TEST_F(CustomProfileTest, SaveAndDeleteWorkOnTheNameShown)
{
    write("UserProfileInfo.ini", "[A]\r\nA=0|0|0|0|0|0\r\n[B]\r\nB=1|1|1|1|1|1\r\n");
    choose("A");
    setSix("2|1|2|3|1|2");
    m_proc.outputOptions.SaveCustomProfile();
    boxes().customProfile().setText("Typed"); // a new name typed into the list
    m_proc.outputOptions.SaveCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"), "[A]\r\nA=2|1|2|3|1|2\r\n[B]\r\nB=1|1|1|1|1|1\r\n"
                                           "\r\n[Typed]\r\nTyped=2|1|2|3|1|2\r\n");
    EXPECT_EQ(read("UserProfileCount.ini"), "<missing>");

    const QByteArray before = read("UserProfileInfo.ini");
    boxes().customProfile().setText("NotStored");
    m_proc.outputOptions.DeleteCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"), before);
    boxes().customProfile().setText("");
    m_proc.outputOptions.SaveCustomProfile(); // an empty name saves nothing
    EXPECT_EQ(read("UserProfileInfo.ini"), before);

    choose("B");
    m_proc.outputOptions.DeleteCustomProfile();
    EXPECT_EQ(read("UserProfileInfo.ini"), "[A]\r\nA=2|1|2|3|1|2\r\n\r\n[Typed]\r\n"
                                           "Typed=2|1|2|3|1|2\r\n");

    boxes().customProfile().clear();
    boxes().customProfile().setText("A");
    m_proc.outputOptions.DeleteCustomProfile(); // an empty list deletes nothing
    EXPECT_TRUE(read("UserProfileInfo.ini").startsWith("[A]"));
}

TEST_F(CustomProfileTest, AMissingConfigFolderFailsTheWritesButNotTheReads)
{
    ASSERT_TRUE(QDir(config("")).removeRecursively());
    choose("P");
    m_proc.outputOptions.ApplyCustomProfile();
    EXPECT_THROW(m_proc.outputOptions.AddCustomProfile(), EInOutError);
    EXPECT_TRUE(m_dialogs.shown.isEmpty());
    boxes().customProfile().setText("P");
    EXPECT_THROW(m_proc.outputOptions.SaveCustomProfile(), EInOutError);
    boxes().customProfile().addItem("P");
    m_proc.outputOptions.DeleteCustomProfile(); // nothing stored, nothing to erase
}

// A full disk during a save: the settings, the profiles and the counter each keep their old
// file byte for byte, and the save reports the file it could not write.
TEST_F(CustomProfileTest, AFullDiskKeepsEveryFileAsItWas)
{
    const QByteArray settings =
        "\r\n[USRInfo]\r\nSHWDDir=1\r\nSHUTDOWN=0\r\nOutDir=/home/u/Out\r\n";
    const QByteArray profiles = "\r\n[Phone]\r\nPhone=2|0|2|3|0|0\r\n";
    const QByteArray counter = "\r\n[count]\r\ncount=9\r\n";
    write("UserSettings.ini", settings);
    write("UserProfileInfo.ini", profiles);
    write("UserProfileCount.ini", counter);
    m_proc.settings.showOutputFolder().setChecked(true);
    m_proc.settings.outputFolder().setText("/home/u/Converted/For the phone");
    boxes().customProfile().setText("Phone");
    setSix("10|1|3|5|1|2"); // one character longer than the stored value

    struct Save
    {
        const char *file;
        std::function<void()> run;
    };
    const Save saves[] = {
        {"UserSettings.ini", [&] { m_proc.settings.Save(); }},
        {"UserProfileInfo.ini", [&] { m_proc.outputOptions.SaveCustomProfile(); }},
        {"UserProfileCount.ini", [&] { m_proc.outputOptions.AddCustomProfile(); }},
    };
    for (const Save &save : saves) {
        // Each file may keep its size but not grow by a byte.
        const auto outcome = childrun::Run([&]() -> std::string {
            if (!childrun::LimitFileSize(rlim_t(QFileInfo(config(save.file)).size())))
                return "cannot limit the file size";
            try {
                save.run();
            } catch (const EInOutError &error) {
                const QString prefix = "Cannot create file \"" + config(save.file) + "\". ";
                return QString::fromUtf8(error.what()).startsWith(prefix)
                           ? std::string()
                           : std::string("other error: ") + error.what();
            }
            return "no error raised";
        });
        EXPECT_TRUE(outcome.passed) << save.file << ": " << outcome.message;
    }
    EXPECT_EQ(read("UserSettings.ini"), settings);
    EXPECT_EQ(read("UserProfileInfo.ini"), profiles);
    EXPECT_EQ(read("UserProfileCount.ini"), counter);
    EXPECT_EQ(QDir(config("")).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

} // namespace
