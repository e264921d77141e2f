#pragma once

#include <QStringList>

class CustomProfiles;
class OptionListModel;
class OptionLists;

// Fills the option lists from the option tables and applies a profile, built in or the
// user's own, to them.
class OutputOptions
{
public:
    OutputOptions(OptionLists &lists, CustomProfiles &profiles) : m_lists(lists), m_profiles(profiles)
    {
    }

    OptionLists &lists() { return m_lists; }

    // Fill one list from its option table: appends every entry but the last, then selects
    // the index the last entry names. The list is not cleared first.
    static void FillOutputTypes(OptionListModel &list);
    static void FillVideoSizes(OptionListModel &list);
    static void FillVideoBitrates(OptionListModel &list);
    static void FillFrameRates(OptionListModel &list);
    static void FillAspectRatios(OptionListModel &list);
    static void FillAudioBitrates(OptionListModel &list);
    static void FillSampleRates(OptionListModel &list);
    static void FillAudioChannels(OptionListModel &list);
    static void FillVolumeGains(OptionListModel &list);
    // Appends the five quality names and the custom profile names, then selects "Normal
    // Quality". The list is not cleared first.
    void FillProfiles(OptionListModel &list);
    // Fills the output type, profile and eight option lists.
    void FillAll();

    // Applies the selected profile of the selected output type to the option lists and sets
    // the enabled states; a custom profile is applied through the custom profile list.
    void ApplyProfile();

    // The stored selections of the custom profile selected in the custom profile list, or
    // empty text.
    QString ReadCustomProfile();
    // Applies the selected custom profile to the six profile lists. A value without exactly
    // six pieces changes nothing; an empty piece leaves its list; a piece that is no integer
    // throws EConvertError after the lists before it have been set.
    void ApplyCustomProfile();
    // Asks for a name and stores the six current selections under it (CustomProfiles::Add).
    void AddCustomProfile();
    // Stores the six current selections under the name shown in the custom profile list.
    void SaveCustomProfile();
    // Removes the profile whose name is shown in the custom profile list, without asking.
    void DeleteCustomProfile();

private:
    OptionLists &m_lists;
    CustomProfiles &m_profiles;
};
