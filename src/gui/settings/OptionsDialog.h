#pragma once

#include <array>
#include <functional>

#include <QDialog>
#include <QStringList>

class OptionLists;
class ProgramParts;
class OptionComboBinding;
class OptionListModel;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The Options dialog: the eight option lists that hold the current encoding settings, the
// custom profiles (choose one to apply it, Add, Save, Delete) and how many conversions run
// at the same time. Modeless; OK keeps the
// changes and refills the main window's profile list, Cancel takes the selections back to
// what they were when the dialog was shown.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // What the dialog asks of the custom profile store and the profile lists. Any of them
    // may stay empty; errors they throw are shown and leave the dialog open.
    struct Operations
    {
        // The custom profile names in file order (the sections of UserProfileInfo.ini).
        std::function<QStringList()> ReadProfileNames;
        std::function<void()> ApplyCustomProfile;
        std::function<void()> AddCustomProfile;
        std::function<void()> SaveCustomProfile;
        std::function<void()> DeleteCustomProfile;
        // Appends the quality levels and custom profiles to the main window's profile list.
        std::function<void(OptionListModel &)> FillProfileBox;
        // The application's general error box.
        std::function<void(const QString &message)> ShowError;
        // "Conversions at the same time" as the user settings keep it (0: Automatic), and
        // storing the choice OK confirms.
        std::function<int()> ReadConversionsAtOnce;
        std::function<void(int jobs)> StoreConversionsAtOnce;
    };

    explicit OptionsDialog(OptionLists &boxes, QWidget *parent = nullptr);

    // The operations on the program's parts: the custom profiles applied to their option
    // lists, the names read from the settings folder. ShowError stays empty.
    static Operations OperationsOn(ProgramParts &parts);

    Operations &operations() { return m_operations; }

    // Shows the dialog without waiting for it, or brings it to the front when it is open.
    void Open();

    // The nine selections remembered when the dialog was shown, in the order video size,
    // video bitrate, frame rate, aspect ratio, audio bitrate, audio sample, volume,
    // channels, custom profile.
    const std::array<int, 9> &RememberedSelections() const { return m_remembered; }

    QComboBox *customProfile() const { return m_cbbCustomProfile; }
    QComboBox *combo(const char *name) const;
    QPushButton *btnAdd() const { return m_btnAdd; }
    QPushButton *btnSave() const { return m_btnSave; }
    QPushButton *btnDel() const { return m_btnDel; }
    QPushButton *btnApply() const { return m_btnApply; }
    QPushButton *btnCancel() const { return m_btnCancel; }
    // "Conversions at the same time": Automatic, then 1 up to the machine's cores.
    QComboBox *conversionsAtOnce() const { return m_cbbConversionsAtOnce; }

public Q_SLOTS:
    void onCustomProfileChosen();
    void onAddProfileRequested();
    void onSaveProfileRequested();
    void onDeleteProfileRequested();
    void onApplyRequested();
    void onCancelRequested();
    // Escape and the close button: Cancel.
    void reject() override;

protected:
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    // The nine lists in the order of the remembered selections.
    std::array<OptionListModel *, 9> rememberedLists();
    bool readProfileNames(QStringList *names);
    void refillCustomProfiles();
    bool run(const std::function<void()> &operation);

    OptionLists &m_boxes;
    Operations m_operations;
    std::array<int, 9> m_remembered;
    QComboBox *m_cbbCustomProfile = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnSave = nullptr;
    QPushButton *m_btnDel = nullptr;
    QPushButton *m_btnApply = nullptr;
    QPushButton *m_btnCancel = nullptr;
    QComboBox *m_cbbConversionsAtOnce = nullptr;
    QGroupBox *m_grpAdvOptions = nullptr;
};
