#pragma once

#include <QString>

class OptionListModel;

// The pieces of an encoder command line that the option lists give. Each reads the entry at
// index (the list's selected index) and returns its option and the entry's text, or its
// default when the text is empty. The codec, format and extension ones take the index of
// the output type.
namespace EncoderArguments {

QString Codec(int type);
QString VideoBitrate(const OptionListModel &list, int index);
QString VideoSize(const OptionListModel &list, int index);
QString FrameRate(const OptionListModel &list, int index);
QString Aspect(const OptionListModel &list, int index);
QString AudioBitrate(const OptionListModel &list, int index);
QString Volume(const OptionListModel &list, int index);
QString Channels(const OptionListModel &list, int index);
QString SampleRate(const OptionListModel &list, int index);
QString Format(int type);
QString OutputExtension(int type);

} // namespace EncoderArguments
