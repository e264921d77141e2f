#pragma once

#include "conversion/BatchRunner.h"
#include "conversion/CompletionActions.h"
#include "conversion/EncoderStopper.h"
#include "conversion/JobBuilder.h"
#include "conversion/OutputFolderChooser.h"
#include "preview/PreviewPlayer.h"
#include "preview/TrimStripModel.h"
#include "profiles/OptionLists.h"
#include "profiles/OutputOptions.h"
#include "report/Log.h"
#include "report/MessageBoxes.h"
#include "settings/CustomProfiles.h"
#include "settings/UserSettings.h"
#include "shell/ProductInfo.h"
#include "shell/ProductLinks.h"
#include "sources/SourceListModel.h"

class IDesktopOpener;
class IUserDialogs;

// The parts of a running Clipwright, built at start-up in the order they depend on each
// other, each handed its collaborators. The windows take the parts they bind to.
struct ProgramParts
{
    // The message boxes are shown with dialogs, folders and web pages opened with opener;
    // without them (the command line, tests that need none) nothing is shown or opened and
    // every question counts as cancelled.
    explicit ProgramParts(IUserDialogs *dialogs = nullptr, IDesktopOpener *opener = nullptr)
        : messages(dialogs), links(product, opener), completion(opener)
    {
        // What the player reports goes to the program's log; a log that cannot be written
        // is not worth a message there.
        preview.SetLog([this](const QString &line) { log.WriteQuietly(line); });
        // The jobs follow the size limit the user set.
        QObject::connect(&settings.sizeLimit(), &TextFieldModel::textChanged,
                         [this] { jobs.SizeLimitMB = settings.SizeLimitMB(); });
    }
    ProgramParts(const ProgramParts &) = delete;
    ProgramParts &operator=(const ProgramParts &) = delete;

    MessageBoxes messages;
    Log log{&messages};
    ProductInfo product;
    ProductLinks links;

    CustomProfiles customProfiles{messages};
    OptionLists optionLists;
    OutputOptions outputOptions{optionLists, customProfiles};
    UserSettings settings;
    SourceListModel sources;

    JobBuilder jobs{outputOptions, sources, settings, log};
    EncoderStopper encoderStopper{log};
    CompletionActions completion;
    OutputFolderChooser folderChooser{messages};
    BatchRunner batch{jobs, sources, settings, completion, log, messages};

    PreviewPlayer preview;
    TrimStripModel trimStrip{sources, preview};
};
