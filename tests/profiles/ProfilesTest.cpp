#include "profiles/ConfigInfo.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A program folder with an empty Config folder, and the two controllers on it.
class ProfilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkdir("Config");
        m_proc.jobs.ProgramDir = m_dir.path() + '/';
        AppPaths::SetCurrent(AppPaths::Portable(m_proc.jobs.ProgramDir));
            }

    void writeProfiles(const QByteArray &text)
    {
        QFile file(m_proc.jobs.ProgramDir + "Config/UserProfileInfo.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // Fills the lists and applies the start-up profile, as the main window does.
    void startUp()
    {
        m_proc.outputOptions.FillAll();
        m_proc.settings.Load();
        m_proc.outputOptions.ApplyProfile();
    }

    void choose(int outputType, int profile)
    {
        boxes().outputType().setSelectedIndex(outputType);
        boxes().profile().setSelectedIndex(profile);
        m_proc.outputOptions.ApplyProfile();
    }

    OptionLists &boxes() { return m_proc.optionLists; }

    // The six profile lists as read: size, frame rate, video bitrate, audio bitrate,
    // channels, sample rate.
    QStringList sixValues()
    {
        QStringList values;
        for (OptionListModel *list : boxes().profileLists())
            values << list->selectedText();
        return values;
    }

    QTemporaryDir m_dir;
    ProgramParts m_proc;
};

} // namespace

TEST_F(ProfilesTest, FillingSelectsEachTablesDefault)
{
    struct Case
    {
        void (*fill)(OptionListModel &);
        int count;
        const char *selected;
    };
    const Case cases[] = {
        {&OutputOptions::FillOutputTypes, 11, "3GPP - MP4 Codec (*.3gp)"},
        {&OutputOptions::FillVideoSizes, 14, "160x120"},
        {&OutputOptions::FillVideoBitrates, 13, "128"},
        {&OutputOptions::FillFrameRates, 6, "15"},
        {&OutputOptions::FillAspectRatios, 2, "4:3"},
        {&OutputOptions::FillAudioBitrates, 9, "48"},
        {&OutputOptions::FillSampleRates, 4, "44100"},
        {&OutputOptions::FillAudioChannels, 2, "2 channels, Stereo"},
        {&OutputOptions::FillVolumeGains, 21, "200"},
    };
    for (const Case &c : cases) {
        OptionListModel list;
        list.addItem("kept");
        c.fill(list);
        // The list is not cleared, so the default index counts from the kept entry.
        EXPECT_EQ(list.count(), c.count + 1) << c.selected;
        EXPECT_EQ(list.itemAt(0), "kept");
        EXPECT_EQ(list.itemAt(list.selectedIndex() + 1), c.selected);
    }

    OptionListModel volume;
    m_proc.outputOptions.FillVolumeGains(volume);
    EXPECT_EQ(volume.itemAt(0), "0");
    EXPECT_EQ(volume.itemAt(1), "25");
    EXPECT_EQ(volume.itemAt(20), "500");
}

TEST_F(ProfilesTest, OutputTypeListShowsTheDisplayNames)
{
    OptionListModel list;
    m_proc.outputOptions.FillOutputTypes(list);
    const QStringList expected = {"3GPP - MP4 Codec (*.3gp)",
                                  "3GPP - amr_nb Codec (*.3gp)",
                                  "3GPP2 - MP4 Codec (*.3g2)",
                                  "3GPP2 - amr_nb Codec (*.3g2)",
                                  "MPEG4 Video Files (*.mp4)",
                                  "AMR Audio Files (*.amr)",
                                  "AAC Advanced Audio Coding (*.aac)",
                                  "MP3 Files (*.mp3)",
                                  "MPEG4 - H.264 Codec (*.mp4)",
                                  "MPEG4 - H.265 Codec (*.mp4)",
                                  "MPEG4 Audio Files (*.m4a)"};
    ASSERT_EQ(list.count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(list.itemAt(i), expected.at(i)) << i;
}

TEST_F(ProfilesTest, BuiltInProfilesStayInsideTheirLists)
{
    startUp();
    const auto lists = boxes().profileLists();
    for (int t = 0; t < ConfigInfo::kOutputTypeCount; ++t) {
        const QStringList set = ConfigInfo::ProfileSetOf(t);
        ASSERT_EQ(set.size(), ConfigInfo::kQualityCount);
        for (const QString &profile : set) {
            const QStringList fields = profile.split('|');
            ASSERT_EQ(fields.size(), 6) << profile.toStdString();
            for (int i = 0; i < 6; ++i) {
                if (fields[i] == "none")
                    continue;
                EXPECT_GE(fields[i].toInt(), 0);
                EXPECT_LT(fields[i].toInt(), lists[i]->count()) << profile.toStdString();
            }
        }
    }
    EXPECT_EQ(ConfigInfo::Extensions().size(), ConfigInfo::kOutputTypeCount);
    EXPECT_EQ(ConfigInfo::CodecArgs().size(), ConfigInfo::kOutputTypeCount);
    EXPECT_EQ(ConfigInfo::FormatNames().size(), ConfigInfo::kOutputTypeCount);
    EXPECT_TRUE(ConfigInfo::ProfileSetOf(ConfigInfo::kOutputTypeCount).isEmpty());
}

TEST_F(ProfilesTest, StartUpReadsTheNormalQualityOfTheFirstType)
{
    startUp();
    EXPECT_EQ(boxes().outputType().selectedIndex(), 0);
    EXPECT_EQ(boxes().profile().selectedText(), "Normal Quality");
    EXPECT_EQ(boxes().profile().count(), 5);
    EXPECT_EQ(sixValues(),
              (QStringList{"160x120", "15", "128", "128", "2 channels, Stereo", "44100"}));
    EXPECT_EQ(boxes().aspectRatio().selectedText(), "4:3");
    EXPECT_EQ(boxes().volumeGain().selectedText(), "200");
}

TEST_F(ProfilesTest, EveryQualityOfEveryTypeSelectsItsValues)
{
    // Rows: quality level; per profile set the six values, "-" where the list is left as
    // it was (the test first moves those lists to their first entry).
    const QStringList mp4[] = {
        {"160x120", "11", "40", "48", "1 channel, Mono", "22050"},
        {"160x120", "11", "80", "80", "2 channels, Stereo", "32000"},
        {"160x120", "15", "128", "128", "2 channels, Stereo", "44100"},
        {"160x120", "15", "256", "192", "2 channels, Stereo", "44100"},
        {"160x120", "15", "512", "224", "2 channels, Stereo", "48000"},
    };
    const QStringList amrNb[] = {
        {"160x120", "11", "40", "48", "1 channel, Mono", "22050"},
        {"160x120", "11", "80", "80", "1 channel, Mono", "22050"},
        {"160x120", "15", "128", "128", "1 channel, Mono", "22050"},
        {"160x120", "15", "256", "192", "1 channel, Mono", "22050"},
        {"160x120", "15", "512", "224", "1 channel, Mono", "22050"},
    };
    const QStringList amr[] = {
        {"-", "-", "-", "48", "1 channel, Mono", "22050"},
        {"-", "-", "-", "80", "1 channel, Mono", "22050"},
        {"-", "-", "-", "128", "1 channel, Mono", "22050"},
        {"-", "-", "-", "192", "1 channel, Mono", "22050"},
        {"-", "-", "-", "224", "1 channel, Mono", "22050"},
    };
    const QStringList audio[] = {
        {"-", "-", "-", "48", "1 channel, Mono", "22050"},
        {"-", "-", "-", "80", "2 channels, Stereo", "32000"},
        {"-", "-", "-", "128", "2 channels, Stereo", "44100"},
        {"-", "-", "-", "192", "2 channels, Stereo", "44100"},
        {"-", "-", "-", "224", "2 channels, Stereo", "48000"},
    };
    const QStringList h264[] = {
        {"320x240", "15", "512", "64", "1 channel, Mono", "44100"},
        {"640x360", "Same as source", "1024", "80", "2 channels, Stereo", "44100"},
        {"854x480", "Same as source", "1500", "128", "2 channels, Stereo", "44100"},
        {"1280x720", "Same as source", "3000", "160", "2 channels, Stereo", "48000"},
        {"1920x1080", "Same as source", "6000", "192", "2 channels, Stereo", "48000"},
    };
    const QStringList h265[] = {
        {"320x240", "15", "256", "64", "1 channel, Mono", "44100"},
        {"640x360", "Same as source", "512", "80", "2 channels, Stereo", "44100"},
        {"854x480", "Same as source", "1024", "128", "2 channels, Stereo", "44100"},
        {"1280x720", "Same as source", "2000", "160", "2 channels, Stereo", "48000"},
        {"1920x1080", "Same as source", "4000", "192", "2 channels, Stereo", "48000"},
    };
    const QStringList m4a[] = {
        {"-", "-", "-", "64", "1 channel, Mono", "44100"},
        {"-", "-", "-", "80", "2 channels, Stereo", "44100"},
        {"-", "-", "-", "128", "2 channels, Stereo", "44100"},
        {"-", "-", "-", "160", "2 channels, Stereo", "48000"},
        {"-", "-", "-", "192", "2 channels, Stereo", "48000"},
    };
    const QStringList *byType[] = {mp4,   amrNb, mp4,  amrNb, mp4, amr,
                                   audio, audio, h264, h265,  m4a};

    startUp();
    const auto lists = boxes().profileLists();
    for (int t = 0; t < ConfigInfo::kOutputTypeCount; ++t) {
        for (int q = 0; q < 5; ++q) {
            for (OptionListModel *list : lists)
                list->setSelectedIndex(0);
            choose(t, q);
            QStringList expected = byType[t][q];
            for (int i = 0; i < 6; ++i) {
                if (expected[i] == "-")
                    expected[i] = lists[i]->itemAt(0);
            }
            EXPECT_EQ(sixValues(), expected) << "type " << t << " quality " << q;
        }
    }
}

TEST_F(ProfilesTest, OutputTypeSetsTheEnabledStates)
{
    startUp();
    OptionLists &b = boxes();
    const auto state = [&] {
        QList<bool> video;
        for (OptionListModel *list :
             {&b.aspectRatio(), &b.frameRate(), &b.videoBitrate(), &b.videoSize()})
            video << list->isEnabled();
        for (OptionListModel *list : {&b.audioBitrate(), &b.sampleRate(),
                                      &b.audioChannels(), &b.volumeGain()})
            EXPECT_TRUE(list->isEnabled()); // audio lists are never disabled
        EXPECT_TRUE(video.count(video.first()) == video.size()) << "video lists disagree";
        return std::tuple(b.profile().isEnabled(), b.optionsEnabled(), video.first());
    };

    // In this order: AMR after MP4, AAC after AMR, 3GP after AMR, and the rest.
    const struct
    {
        int type;
        std::tuple<bool, bool, bool> expected; // profile list, Options button, video lists
    } cases[] = {
        {5, {false, false, false}}, {6, {true, true, false}}, {5, {false, false, false}},
        {0, {true, true, true}},    {1, {true, true, true}},  {2, {true, true, true}},
        {3, {true, true, true}},    {4, {true, true, true}},  {7, {true, true, false}},
        {8, {true, true, true}},    {10, {true, true, false}}, {9, {true, true, true}},
    };
    for (const auto &c : cases) {
        choose(c.type, 2);
        EXPECT_EQ(state(), c.expected) << "type " << c.type;
    }

    // AMR keeps the quality selection although the list is disabled.
    choose(5, 4);
    EXPECT_EQ(b.profile().selectedText(), "Superb Quality");
    EXPECT_EQ(b.audioBitrate().selectedText(), "224");
}

TEST_F(ProfilesTest, WithoutOutputTypeOrQualityNothingChanges)
{
    startUp();
    choose(0, 0);
    const QStringList before = sixValues();
    choose(-1, 4);
    EXPECT_EQ(sixValues(), before);
    choose(0, -1);
    EXPECT_EQ(sixValues(), before);
}

TEST_F(ProfilesTest, CustomProfilesFollowTheFiveQualityLevels)
{
    writeProfiles("\r\n[Phone]\r\nPhone=2|0|2|3|0|0\r\n\r\n[Normal Quality]\r\n"
                  "Normal Quality=4|1|3|5|1|2\r\n");
    startUp();
    OptionListModel &profiles = boxes().profile();
    EXPECT_EQ(profiles.items(),
              (QStringList{"Low Quality", "Acceptable Quality", "Normal Quality",
                           "Excellent Quality", "Superb Quality", "Phone", "Normal Quality"}));
    EXPECT_EQ(profiles.selectedIndex(), 2);

    // The Options dialog's custom profile list, as that dialog fills it.
    boxes().customProfile().addItems({"Phone", "Normal Quality"});

    // A custom profile named like a quality level is still a custom profile.
    choose(5, 2); // AMR disables the lists; a custom profile must leave that alone
    choose(5, 6);
    EXPECT_EQ(boxes().customProfile().selectedIndex(), 1);
    EXPECT_EQ(sixValues(),
              (QStringList{"320x240", "15", "256", "128", "2 channels, Stereo", "44100"}));
    EXPECT_FALSE(boxes().profile().isEnabled());
    EXPECT_FALSE(boxes().optionsEnabled());

    // Changing the output type applies the custom profile again and keeps the states.
    choose(0, 5);
    EXPECT_EQ(sixValues(), (QStringList{"176x144", "11", "128", "64", "1 channel, Mono", "22050"}));
    EXPECT_FALSE(boxes().videoSize().isEnabled());
    EXPECT_FALSE(boxes().optionsEnabled());
}

TEST_F(ProfilesTest, CustomProfileWithoutItsListEntryAppliesNothing)
{
    writeProfiles("[Phone]\nPhone=2|0|2|3|0|0\n");
    startUp();
    const QStringList before = sixValues();
    choose(0, 5); // the Options dialog has not filled its custom profile list yet
    EXPECT_EQ(boxes().customProfile().selectedIndex(), -1);
    EXPECT_EQ(sixValues(), before);
}

// The option lists grew at their ends only: a custom profile stored by a release that knew
// only the first entries of each list still selects what it selected there.
TEST_F(ProfilesTest, ProfileStoredBeforeTheListsGrewMeansTheSame)
{
    writeProfiles("[Old Largest]\r\nOld Largest=9|1|5|8|1|3\r\n"
                  "[Old Smallest]\r\nOld Smallest=0|0|0|0|0|0\r\n");
    startUp();
    boxes().customProfile().addItems({"Old Largest", "Old Smallest"});
    for (int type : {0, ConfigInfo::kH264OutputType}) {
        choose(type, 5);
        EXPECT_EQ(sixValues(),
                  (QStringList{"704x576", "15", "1024", "224", "2 channels, Stereo", "48000"}));
        choose(type, 6);
        EXPECT_EQ(sixValues(),
                  (QStringList{"128x96", "11", "40", "16", "1 channel, Mono", "22050"}));
    }
    // The lists' old defaults stand where they stood.
    EXPECT_EQ(boxes().videoSize().itemAt(1), "160x120");
    EXPECT_EQ(boxes().frameRate().itemAt(1), "15");
    EXPECT_EQ(boxes().videoBitrate().itemAt(2), "128");
}
