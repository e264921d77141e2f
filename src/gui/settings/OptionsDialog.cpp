#include "settings/OptionsDialog.h"

#include "platform/WindowFocus.h"

#include <algorithm>
#include <exception>

#include <QLineEdit>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "conversion/ParallelJobs.h"
#include "profiles/OptionLists.h"
#include "settings/OptionComboBinding.h"
#include "shell/ProgramParts.h"

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

OptionsDialog::OptionsDialog(OptionLists &boxes, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_boxes(boxes)
{
    m_remembered.fill(-1);
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(tr("Options"));
    setFixedSize(468, 239);
    setModal(false);
    // The dialog's own font, also under the main window's style sheet.
    // The labels of the option lists are a size smaller, so that their colons stand clear of
    // the lists beside them.
    setStyleSheet(QStringLiteral("QWidget { font-family: 'Liberation Sans'; font-size: 11px; }"
                                 "#grpAdvOptions QLabel { font-size: 10px; }"));

    auto *lblCustomProfile = new QLabel(tr("Custom Profile:"), this);
    lblCustomProfile->setObjectName(QStringLiteral("lblCustomProfile"));
    lblCustomProfile->move(8, 15);
    lblCustomProfile->adjustSize();

    m_cbbCustomProfile = new QComboBox(this);
    m_cbbCustomProfile->setObjectName(QStringLiteral("cbbCustomProfile"));
    m_cbbCustomProfile->setEditable(true);
    m_cbbCustomProfile->setGeometry(112, 12, 185, 21);
    m_cbbCustomProfile->setAccessibleName(tr("Custom Profile"));
    m_cbbCustomProfile->lineEdit()->setAccessibleName(m_cbbCustomProfile->accessibleName());
    lblCustomProfile->setBuddy(m_cbbCustomProfile);
    auto *customBinding =
        new OptionComboBinding(m_cbbCustomProfile, &boxes.customProfile(), this);
    connect(customBinding, &OptionComboBinding::changed, this, &OptionsDialog::onCustomProfileChosen);

    m_btnAdd = makeButton(this, "btnAdd", tr("Add"), QRect(304, 10, 49, 24));
    m_btnSave = makeButton(this, "btnSave", tr("Save"), QRect(356, 10, 49, 24));
    m_btnDel = makeButton(this, "btnDel", tr("Delete"), QRect(408, 10, 49, 24));

    m_grpAdvOptions = new QGroupBox(tr("Advanced Options"), this);
    m_grpAdvOptions->setObjectName(QStringLiteral("grpAdvOptions"));
    m_grpAdvOptions->setGeometry(12, 36, 449, 153);

    struct Row
    {
        const char *name;
        const char *label;
        OptionListModel &model;
        int column;
        int row;
    };
    const Row rows[] = {
        {"cbbVideoSize", QT_TR_NOOP("Video Size:"), boxes.videoSize(), 0, 0},
        {"cbbVideoBitrate", QT_TR_NOOP("Video Bitrate(kbps):"), boxes.videoBitrate(), 0, 1},
        {"cbbFramerate", QT_TR_NOOP("Frame Rate(fps):"), boxes.frameRate(), 0, 2},
        {"cbbAspectratio", QT_TR_NOOP("Aspect Ratio:"), boxes.aspectRatio(), 0, 3},
        {"cbbAudioBitrate", QT_TR_NOOP("Audio Bitrate(kbps):"), boxes.audioBitrate(), 1, 0},
        {"cbbAudioSample", QT_TR_NOOP("Audio Sample(khz):"), boxes.sampleRate(), 1, 1},
        {"cbbAudioVolumeGain", QT_TR_NOOP("Audio Volume(%):"), boxes.volumeGain(), 1, 2},
        {"cbbAudioChannels", QT_TR_NOOP("Audio Channels:"), boxes.audioChannels(), 1, 3},
    };
    const int tops[] = {19, 51, 83, 114};
    for (const Row &row : rows) {
        auto *label = new QLabel(tr(row.label), m_grpAdvOptions);
        label->move(row.column == 0 ? 6 : 230, tops[row.row] + 3);
        label->adjustSize();
        auto *combo = new QComboBox(m_grpAdvOptions);
        combo->setObjectName(QLatin1String(row.name));
        combo->setGeometry(row.column == 0 ? 100 : 323, tops[row.row], 117, 21);
        label->setBuddy(combo);
        combo->setAccessibleName(label->text().chopped(1).trimmed()); // the label without its colon
        // A user's choice here is kept in the list; nothing else is run.
        new OptionComboBinding(combo, &row.model, this);
    }

    // Beside OK and Cancel: how many files convert at once. Automatic decides from the
    // cores and the output type; the numbers go up to the cores.
    auto *lblConversions = new QLabel(tr("Conversions at the same time:"), this);
    lblConversions->setObjectName(QStringLiteral("lblConversionsAtOnce"));
    lblConversions->move(12, 209);
    lblConversions->adjustSize();
    m_cbbConversionsAtOnce = new QComboBox(this);
    m_cbbConversionsAtOnce->setObjectName(QStringLiteral("cbbConversionsAtOnce"));
    m_cbbConversionsAtOnce->addItem(tr("Automatic"));
    for (int jobs = 1; jobs <= ParallelJobs::Cores(); ++jobs)
        m_cbbConversionsAtOnce->addItem(QString::number(jobs));
    m_cbbConversionsAtOnce->setGeometry(lblConversions->geometry().right() + 8, 206, 90, 21);
    m_cbbConversionsAtOnce->setAccessibleName(tr("Conversions at the same time"));
    lblConversions->setBuddy(m_cbbConversionsAtOnce);

    m_btnApply = makeButton(this, "btnApply", tr("OK"), QRect(296, 204, 73, 25));
    m_btnCancel = makeButton(this, "btnCancel", tr("Cancel"), QRect(384, 204, 73, 25));

    connect(m_btnAdd, &QPushButton::clicked, this, &OptionsDialog::onAddProfileRequested);
    connect(m_btnSave, &QPushButton::clicked, this, &OptionsDialog::onSaveProfileRequested);
    connect(m_btnDel, &QPushButton::clicked, this, &OptionsDialog::onDeleteProfileRequested);
    connect(m_btnApply, &QPushButton::clicked, this, &OptionsDialog::onApplyRequested);
    connect(m_btnCancel, &QPushButton::clicked, this, &OptionsDialog::onCancelRequested);

    // Tab follows the layout: top to bottom, and left to right within a line.
    QWidget *order[] = {m_cbbCustomProfile,
                        m_btnAdd,
                        m_btnSave,
                        m_btnDel,
                        combo("cbbVideoSize"),
                        combo("cbbAudioBitrate"),
                        combo("cbbVideoBitrate"),
                        combo("cbbAudioSample"),
                        combo("cbbFramerate"),
                        combo("cbbAudioVolumeGain"),
                        combo("cbbAspectratio"),
                        combo("cbbAudioChannels"),
                        m_cbbConversionsAtOnce,
                        m_btnApply,
                        m_btnCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

OptionsDialog::Operations OptionsDialog::OperationsOn(ProgramParts &parts)
{
    Operations operations;
    operations.ReadProfileNames = [&parts] { return parts.customProfiles.Names(); };
    operations.ApplyCustomProfile = [&parts] { parts.outputOptions.ApplyCustomProfile(); };
    operations.AddCustomProfile = [&parts] { parts.outputOptions.AddCustomProfile(); };
    operations.SaveCustomProfile = [&parts] { parts.outputOptions.SaveCustomProfile(); };
    operations.DeleteCustomProfile = [&parts] { parts.outputOptions.DeleteCustomProfile(); };
    operations.FillProfileBox = [&parts](OptionListModel &list) { parts.outputOptions.FillProfiles(list); };
    operations.ReadConversionsAtOnce = [&parts] { return parts.settings.ConversionsAtOnce(); };
    operations.StoreConversionsAtOnce = [&parts](int jobs) {
        parts.settings.SetConversionsAtOnce(jobs);
        parts.settings.Save();
    };
    return operations;
}

QComboBox *OptionsDialog::combo(const char *name) const
{
    return findChild<QComboBox *>(QLatin1String(name));
}

std::array<OptionListModel *, 9> OptionsDialog::rememberedLists()
{
    return {
        &m_boxes.videoSize(),       &m_boxes.videoBitrate(),  &m_boxes.frameRate(),
        &m_boxes.aspectRatio(),     &m_boxes.audioBitrate(),  &m_boxes.sampleRate(),
        &m_boxes.volumeGain(), &m_boxes.audioChannels(), &m_boxes.customProfile()};
}

void OptionsDialog::Open()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
    WindowFocus::TakeWhenShown(this);
}

void OptionsDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        WindowFocus::GiveBack(parentWidget());
}

void OptionsDialog::FormShow()
{
    OptionListModel &custom = m_boxes.customProfile();
    const QString text = custom.text();
    QStringList names;
    // When the profile file cannot be read the entries stay as they were.
    if (readProfileNames(&names)) {
        custom.clear();
        custom.addItems(names);
        custom.setText(text);
    }
    // With nothing typed, the custom profile chosen on the main window is shown.
    if (text.isEmpty())
        custom.setSelectedIndex(m_boxes.profile().selectedIndex() - 5);

    const auto lists = rememberedLists();
    for (size_t i = 0; i < lists.size(); ++i)
        m_remembered[i] = lists[i]->selectedIndex();
    // The stored choice; more than this machine's cores shows as its cores.
    const int jobs = m_operations.ReadConversionsAtOnce ? m_operations.ReadConversionsAtOnce()
                                                        : ParallelJobs::kAutomatic;
    m_cbbConversionsAtOnce->setCurrentIndex(
        std::clamp(jobs, 0, m_cbbConversionsAtOnce->count() - 1));
}

bool OptionsDialog::run(const std::function<void()> &operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception &error) {
        const QString message = QString::fromUtf8(error.what());
        if (m_operations.ShowError)
            m_operations.ShowError(message);
        else
            QMessageBox::critical(this, QApplication::applicationName(), message);
    }
    return false;
}

bool OptionsDialog::readProfileNames(QStringList *names)
{
    return run([&] {
        if (m_operations.ReadProfileNames)
            *names = m_operations.ReadProfileNames();
    });
}

void OptionsDialog::refillCustomProfiles()
{
    OptionListModel &custom = m_boxes.customProfile();
    QStringList names;
    if (!readProfileNames(&names))
        return;
    custom.clear();
    custom.addItems(names);
    // The last entry, whichever profile was touched; no entry leaves the text empty.
    custom.setSelectedIndex(custom.count() - 1);
}

void OptionsDialog::onCustomProfileChosen()
{
    run([this] {
        if (m_operations.ApplyCustomProfile)
            m_operations.ApplyCustomProfile();
    });
}

void OptionsDialog::onAddProfileRequested()
{
    run([this] {
        if (m_operations.AddCustomProfile)
            m_operations.AddCustomProfile();
    });
    refillCustomProfiles();
}

void OptionsDialog::onSaveProfileRequested()
{
    run([this] {
        if (m_operations.SaveCustomProfile)
            m_operations.SaveCustomProfile();
    });
    refillCustomProfiles();
}

void OptionsDialog::onDeleteProfileRequested()
{
    run([this] {
        if (m_operations.DeleteCustomProfile)
            m_operations.DeleteCustomProfile();
    });
    refillCustomProfiles();
}

void OptionsDialog::onApplyRequested()
{
    // Index 0 is Automatic, index n is n conversions.
    const int jobs = m_cbbConversionsAtOnce->currentIndex();
    if (m_operations.StoreConversionsAtOnce &&
        (!m_operations.ReadConversionsAtOnce || m_operations.ReadConversionsAtOnce() != jobs))
        run([&] { m_operations.StoreConversionsAtOnce(jobs); });
    OptionListModel &profile = m_boxes.profile();
    profile.clear();
    run([&] {
        if (m_operations.FillProfileBox)
            m_operations.FillProfileBox(profile);
    });
    hide();
}

void OptionsDialog::onCancelRequested()
{
    const auto lists = rememberedLists();
    for (size_t i = 0; i < lists.size(); ++i)
        lists[i]->setSelectedIndex(m_remembered[i]);
    hide();
}

void OptionsDialog::reject()
{
    // Escape and the window's close button take the changes back, as Cancel does: a
    // closed dialog must not leave changes behind that apply to the next conversion.
    onCancelRequested();
}
