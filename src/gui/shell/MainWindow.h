#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class OutputSizeColumn;
class ProgramParts;
class IUserDialogs;
class SessionKeeper;
class SourceCommands;
class AddingFilesWindow;
class PictureButton;
class OptionsDialog;

// The main window: a borderless window in the shape of its background picture, with its
// own title, minimize and close buttons, the preview, the output settings, the source list
// and the command buttons. Its controls carry the names the program's documents use and
// are public, so the controller operations reach them as they reach a form's fields.
//
// The controls and handlers of other subsystems live in files of their own:
// MainWindow_Sources.cpp (source list, Open, Remove, Clear, Options, file drops),
// MainWindow_Preview.cpp (video window, trim strip, play, pause, stop) and
// MainWindow_Conversion.cpp (Convert, output folder). Each creates its control in a
// Create... operation and fills in its click handlers there.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(ProgramParts &parts, QWidget *parent = nullptr);

    // The program's parts this window binds to.
    ProgramParts &Parts() { return m_parts; }
    ~MainWindow() override;

    // The client size at design, which the background picture has.
    static constexpr int kDesignWidth = 692;
    static constexpr int kDesignHeight = 456;

    // ---- controls of the window frame, title and web buttons ----
    QLabel *background = nullptr; // the background picture
    QLabel *lblTitle = nullptr;
    PictureButton *btnWindowMinimize = nullptr;
    PictureButton *btnWindowClose = nullptr;
    PictureButton *btnHomePage = nullptr;
    PictureButton *btnEMail = nullptr;
    PictureButton *btnHelp = nullptr;
    PictureButton *btnAbout = nullptr;
    QLabel *separatorLine = nullptr; // separator line
    QLabel *coderLink = nullptr; // "Click here to download the coder"

    // ---- output settings ----
    QLabel *lblOutputFileTypeName = nullptr;
    QComboBox *cbbOutputFiletype = nullptr;
    QLabel *lblProfileSettings = nullptr;
    QComboBox *cbbProfile = nullptr;
    PictureButton *btnOptions = nullptr;
    QLabel *lblOutputFolderInfo = nullptr;
    QLineEdit *edtOutputFolder = nullptr;
    PictureButton *chooseFolderButton = nullptr;         // chooses the output folder
    QCheckBox *chkShutdown = nullptr;
    QLabel *powerOffCaption = nullptr;
    QCheckBox *chkShowOutputDirectory = nullptr;
    QLabel *showFolderCaption = nullptr;
    QLabel *sizeLimitCaption = nullptr;
    QComboBox *sizeLimitBox = nullptr;

    // ---- preview ----
    QWidget *videoWindow = nullptr; // made by CreateVideoWindow
    QWidget *trimStripWidget = nullptr;           // the trim strip, made by CreateTrimStrip
    PictureButton *btnPlay = nullptr;
    PictureButton *btnPause = nullptr;
    PictureButton *btnStop = nullptr;
    QLabel *imgPlay = nullptr;
    QLabel *pnlCurTime = nullptr;

    // ---- sources and commands ----
    QWidget *sourceList = nullptr; // made by CreateSourceList
    PictureButton *btnOpenFile = nullptr;
    PictureButton *btnRemoveFile = nullptr;
    PictureButton *btnClearFile = nullptr;
    PictureButton *btnConvert = nullptr;
    // The status line under the list: the ticked files and their estimated output size.
    QLabel *lblOutputTotal = nullptr;
    OutputSizeColumn *OutputSizes = nullptr; // made by BindSources
    // The source list's commands, the busy window of the Open command and the Options
    // dialog, made by BindSources. BindPreview sets the commands' LoadSelectedRow and
    // ResetTrimStrip hooks and answers the list's timesEdited signal.
    SourceCommands *SourceCommander = nullptr;
    SessionKeeper *Session = nullptr;
    AddingFilesWindow *addingFilesWindow = nullptr;
    OptionsDialog *optionsDialog = nullptr;

    QTimer *memoryTrimTimer = nullptr;

    // The keyboard shortcuts: clicks the button that key with modifiers stands for, or
    // opens the help for F1. Returns the button clicked (nullptr for F1 or no shortcut).
    // A key press of the window runs it once, after the key has reached the focused
    // control: the key is not consumed.
    PictureButton *handleShortcutKey(int key, Qt::KeyboardModifiers modifiers);

    // Disables or enables the window for a batch: its own controls only, not the windows it
    // owns (the progress dialog must stay usable). While disabled it cannot be closed.
    void SetFormEnabled(bool enabled);
    bool IsFormEnabled() const { return m_formEnabled; }

    // What closing does last: ends the program. Tests replace it.
    void SetEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }
    // The session ends the program (a signal): a running batch is stopped without asking,
    // then the program ends as closing the window does.
    void EndSession();

    // The About box's text: the product name and version, the home page and support address.
    QString AboutText() const;

    // Whether the first showing has finished: lists filled, settings loaded, profile applied.
    bool IsReady() const { return m_ready; }

Q_SIGNALS:
    // The first showing has finished and the program is ready.
    void ready();

public Q_SLOTS:
    // ---- frame and output settings (this file) ----
    void minimizeWindow();
    void closeWindow();
    void showAbout();
    void openHomePage();
    void writeToSupport();
    void openHelp();
    void openCoderDownload();
    void trimMemory();
    void onOutputTypeChosen();
    void onProfileChosen();

    // ---- sources (MainWindow_Sources.cpp) ----
    void onAddFilesRequested();
    void onRemoveFilesRequested();
    void onClearListRequested();
    void onOptionsRequested();

    // ---- preview (MainWindow_Preview.cpp) ----
    void onPlayRequested();
    void onPauseRequested();
    void onStopRequested();

    // ---- conversion (MainWindow_Conversion.cpp) ----
    void onConvertRequested();
    void onChooseOutputFolderRequested();
    // The user chose or typed a size limit: a limit that is none is refused with a message.
    void onSizeLimitEntered();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // File drops (MainWindow_Sources.cpp).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Controls of other subsystems (their files).
    QWidget *CreateVideoWindow();
    QWidget *CreateTrimStrip();
    QWidget *CreateSourceList();
    // Binds the source list, the preview and the conversion controls to the controllers
    // once start-up has made them (their files).
    void BindSources();
    void BindPreview();
    void BindConversion();
    // The session's list kept in the state folder; the last one offered back after a
    // crash, a kill or a power cut.
    void BindSession();
    // Stops and clears the preview before the window closes (MainWindow_Preview.cpp).
    void StopPreview();

    void createControls();
    // Accessible names and descriptions of the controls.
    void nameControls();
    // The output type and profile lists, the output folder field and the two check boxes
    // follow the controllers' models from start-up on.
    void bindOutputSettings();
    void FillOptionBoxesAndSettings();
    void ApplySelectedProfile();
    void SaveSettingsAtClose();
    // Runs one step of a handler; an error it raises is shown by the general error box
    // and the handler goes on.
    void RunGuarded(const std::function<void()> &step);
    void onFirstShown();
    void onClosing();
    void SaveSettingsOnChange();
    void onResized();

    ProgramParts &m_parts;
    std::function<void()> m_endProgram;
    bool m_shownOnce = false;
    bool m_ready = false;
    bool m_closing = false;
    bool m_savesOnChange = false;
    bool m_settingsSaveFailed = false;
    class ProgressDialog *m_converting = nullptr;
    bool m_outputSettingsBound = false;
    bool m_formEnabled = true;
    bool m_sizeLimitRefused = false;
};

// The one main window, for the controllers and the other windows; null before it exists.
