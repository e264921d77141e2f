#pragma once

#include "conversion/TextFieldModel.h"
#include "settings/CheckBoxModel.h"

#include <QString>

// The user's settings that the main window shows: "Show output directory when done",
// "Shutdown computer when job is finished.", the output folder field, and the folder the
// open dialog starts in. Kept in UserSettings.ini of the settings folder (AppPaths:
// Config/ in the program's folder when portable).
class UserSettings
{
public:
    // The check boxes and the output folder field; the windows bind to them. Their first
    // states (ticked, not ticked, ~/Clipwright) hold until Load.
    CheckBoxModel &showOutputFolder() { return m_showOutputFolder; }
    CheckBoxModel &powerOffWhenDone() { return m_powerOffWhenDone; }
    TextFieldModel &outputFolder() { return m_outputFolder; }
    // The "Size limit" box's text: "None", "25 MB" or what the user typed.
    TextFieldModel &sizeLimit() { return m_sizeLimit; }
    // The size limit in MB, 0 for none or for a text that is no limit.
    double SizeLimitMB() const;

    // "Conversions at the same time": ParallelJobs::kAutomatic (0, the default) or a number
    // of jobs. Load takes 1 up to the machine's cores from the file; anything else there,
    // or no value, is Automatic.
    int ConversionsAtOnce() const { return m_conversionsAtOnce; }
    void SetConversionsAtOnce(int jobs) { m_conversionsAtOnce = jobs < 0 ? 0 : jobs; }

    // The output folder field's text before settings are loaded: ~/Clipwright.
    static QString DefaultOutputFolder();

    // The folder the open dialog starts in: the stored "InitDir", or the home folder.
    QString LoadInitDir();
    // Stores the folder of the open dialog's current file name (the first file chosen the
    // last time the dialog was confirmed) as "InitDir"; writes nothing when it has none.
    void SaveInitDir(const QString &dialogFileName);
    // Sets the two check boxes, the output folder field, the size limit and the conversions
    // at the same time from the file; missing values untick the boxes, keep the field's
    // text, set no limit and leave the conversions Automatic.
    void Load();
    // Writes the two check boxes, the output folder field and (once one was set) the size
    // limit and the conversions at the same time. Throws EInOutError when the file cannot be written.
    void Save();

private:
    CheckBoxModel m_showOutputFolder{true};
    CheckBoxModel m_powerOffWhenDone{false};
    TextFieldModel m_outputFolder{DefaultOutputFolder()};
    TextFieldModel m_sizeLimit{QStringLiteral("None")};
    int m_conversionsAtOnce = 0;
};
