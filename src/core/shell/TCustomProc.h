#pragma once

// Batch driver
#include "conversion/BatchEnvironment.h"
// Profiles, conversion job and batch state
#include "conversion/OutputClaim.h"
#include "conversion/TextFieldModel.h"
#include "profiles/OptionBoxes.h"
#include "sources/SourceListModel.h"
// User settings and custom profiles
#include "settings/CheckBoxModel.h"
// Preview player and trim strip
#include "preview/PreviewPlayer.h"
#include "preview/TrimStripModel.h"

#include <QString>
#include <QStringList>

#include <memory>

class TCommonLib;

// The controller for profiles, jobs, the batch, custom profiles, settings and preview
// control. One instance lives from start-up to exit (see Globals.h).
//
// Several subsystems add operations here. Keep each group's definitions in a file of its
// own (TCustomProc_<Topic>.cpp) and add declarations under a comment naming the group.
class TCustomProc
{
public:
    TCustomProc();
    ~TCustomProc();

    // ---- Profiles, conversion job and batch state (group: profiles and conversion) ----

    // The controls these operations read and write, owned here from start-up to exit; the
    // windows bind their widgets to them.
    OptionBoxes &optionBoxes() { return m_optionBoxes; }
    SourceListModel &dxTreeSourceFileInfo() { return m_sourceList; }
    TextFieldModel &edtOutputFolder() { return m_outputFolder; }
    // The controller that holds the job record, AppDir and the fragment operations; set
    // once at start-up before any job is built.
    void SetCommonLib(TCommonLib *commonLib) { m_commonLib = commonLib; }
    // The output folder field's text before settings are loaded: ~/Clipwright.
    static QString DefaultOutputFolder();

    // Fill one list from its option table: appends every entry but the last, then selects
    // the index the last entry names. The list is not cleared first.
    void FillOutputFiletype(OptionListModel &list);
    void FillVideoSize(OptionListModel &list);
    void FillVideoBitrate(OptionListModel &list);
    void FillFramerate(OptionListModel &list);
    void FillAspectratio(OptionListModel &list);
    void FillAudioBitrate(OptionListModel &list);
    void FillAudioSample(OptionListModel &list);
    void FillAudioChannels(OptionListModel &list);
    void FillAudioVolumeGain(OptionListModel &list);
    // Appends the five quality names and the custom profile names, then selects "Normal
    // Quality". The list is not cleared first.
    void FillProfileBox(OptionListModel &list);
    // Fills the output type, profile and eight option lists, then loads the user settings.
    void FillOptionBoxes();
    // Applies the selected profile of the selected output type to the option lists and sets
    // the enabled states; a custom profile is applied through the custom profile list.
    void ApplyProfile();

    // Builds the job for source path s of list row `row`: fills the job record, CutStart and
    // CutSeconds, rewrites VideoFile.avs, makes sure the output folder exists. Returns the
    // encoder command line, or empty text when the output type gives none.
    QString BuildConvertParameter(const QString &s, int row = -1);
    // The cut comes from the job's own row when it holds s, else from the last row for s
    // (the same name, letter case counting); -1 when there is none.
    int CutRowFor(const QString &s, int row);
    // The Start Time of that row, or empty text.
    QString GetCutStart(const QString &s, int row = -1);
    // End minus start of that row in whole seconds, or empty text.
    QString GetCutSeconds(const QString &s, int row = -1);
    // The output folder field's text with trailing "/"; the folder is created if missing.
    QString GetOutputFolder();

    // Batch state, read and written by the job builder, the batch driver and the progress
    // dialog.
    int ConvertedCount = 0;     // jobs finished in the running batch
    int CheckedCount = 0;       // ticked rows at the start of the batch
    int RefreshCount = 0;       // progress refreshes of the current job
    int RowIndex = 0;           // the source row the batch loop stands on
    QString CommandLine;        // the current job's encoder command line
    bool StopRequested = false; // the user stopped the batch
    QString CutStart;           // the current job's start time text
    QString CutSeconds;         // the current job's length in whole seconds, as text
    // The size each output must end at or below, in MB (MiB); 0 for none. A job that cannot
    // fit is refused by BuildConvertParameter with the reason.
    double SizeLimitMB = 0;
    // The output name the current job holds on disk from its building to its end.
    OutputClaim ClaimedOutput;

    // ---- Batch driver (group: conversion engine) ----

    // The Convert command: runs a batch over the ticked rows of the source list.
    void btnConvertClick();
    // Converts every ticked row of list from top to bottom, one job at a time, then runs
    // the completion actions unless the batch was stopped with the Stop button. Keeps the
    // windows responsive while it waits.
    void ConvertAll(SourceListModel &list);
    // The windows and services the batch uses; start-up fills it.
    BatchEnvironment batchEnvironment;
    // The runner of the current job; empty between jobs.
    std::unique_ptr<EncoderProcess> CurrentRunner;
    // Sources whose encoder could not start or failed in the running batch.
    QStringList FailedSources;

    // ---- User settings and custom profiles (group: utilities and settings) ----

    // The main window's check boxes "Show output directory when done" and "Shutdown
    // computer when job is finished.", owned here; the window binds to them. Their design
    // states (ticked, not ticked) hold until LoadUserSettings.
    CheckBoxModel &chkShowOutputDirectory() { return m_showOutputDirectory; }
    CheckBoxModel &chkShutdown() { return m_shutdown; }

    // The folder the open dialog starts in: the stored "InitDir", or the home folder.
    QString LoadInitDir();
    // Stores the folder of the open dialog's current file name (the first file chosen the
    // last time the dialog was confirmed) as "InitDir"; writes nothing when it has none.
    void SaveInitDir(const QString &dialogFileName);
    // Sets the two check boxes and the output folder field from UserSettings.ini; missing
    // values untick the boxes and keep the field's text.
    void LoadUserSettings();
    // Writes the two check boxes and the output folder field to UserSettings.ini. Throws
    // EInOutError when the file cannot be written.
    void SaveUserSettings();

    // The stored profile string of the custom profile selected in cbbCustomProfile, or empty
    // text.
    QString ReadCustomProfile();
    // Applies the selected custom profile to the six profile lists. A value without exactly
    // six pieces changes nothing; an empty piece leaves its list; a piece that is no integer
    // throws EConvertError after the lists before it have been set.
    void ApplyCustomProfile();
    // Raises the Add counter, asks for a name (proposing "UserProfileInfo" + counter) and
    // stores the six current selections under it unless the user cancels.
    void AddCustomProfile();
    // Stores the six current selections under the name shown in cbbCustomProfile.
    void SaveCustomProfile();
    // Removes the profile whose name is shown in cbbCustomProfile, without asking.
    void DeleteCustomProfile();

    // ---- Preview player and trim strip (group: preview and trimming) ----

    // The preview player (its state: LoadedFile, IsPlaying, the logo and the position
    // display) and the trim strip's model (the handle widths and the marks StartSeconds,
    // EndTimeText, DurationSeconds, TimelineLoaded); the windows bind to them.
    PreviewPlayer &Preview() { return m_preview; }
    TrimStripModel &TrimStrip() { return m_trimStrip; }
    // Loads path into a new preview graph and plays it from the start mark.
    void OpenAndPlay(const QString &path);
    void PlayPreview();
    void PausePreview();
    // Drops the file from the preview; the logo shows again.
    void StopPreview();
    // Places the trim handles for the selected rows (see TrimStripModel).
    void LoadSelectedRow();
    // Puts both trim handles near the ends of the strip.
    void ResetTrimStrip();
    // End minus start in seconds of the last row with that path (letter case ignored).
    int GetRowCutSeconds(const QString &path);
    // Checks and corrects the typed Start and End times of the selected rows after an edit
    // of the list; returns the error message for a time that is not a number, else empty
    // text. The caller shows the message in the application's error box.
    QString CheckTypedTimes();

private:
    // ---- Profiles, conversion job and batch state (group: profiles and conversion) ----
    void fillFromTable(OptionListModel &list, const QStringList &table);
    // Lowers the job's bitrates so that output type t's output of source s ends within
    // SizeLimitMB (H.264 and H.265 in two passes); throws with the reason when it cannot.
    void FitJobIntoSizeLimit(struct ConversionJob &job, int t, const QString &s);

    OptionBoxes m_optionBoxes;
    SourceListModel m_sourceList;
    TextFieldModel m_outputFolder{DefaultOutputFolder()};
    TCommonLib *m_commonLib = nullptr;

    // ---- User settings and custom profiles (group: utilities and settings) ----
    // The path of a file of the Config folder.
    QString configFile(const QString &fileName) const;

    CheckBoxModel m_showOutputDirectory{true};
    CheckBoxModel m_shutdown{false};

    // ---- Preview player and trim strip (group: preview and trimming) ----
    PreviewPlayer m_preview;
    TrimStripModel m_trimStrip{m_sourceList, m_preview};
};
