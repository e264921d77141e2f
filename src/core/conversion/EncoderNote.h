#pragma once

#include <QString>

// The note an encoder that succeeded writes as its last line when the user should know
// something about the output: "Note: "<name>" was written by another program meanwhile;
// the output is "<other name>"". The window's log and clipwright-cli pass it on.
namespace EncoderNote {

// The note in an encoder's last output, or empty text when it wrote none.
QString FromOutput(const QString &lastOutput);

// The output's file when the note says it took another name than the one claimed; else
// empty text.
QString MovedOutput(const QString &note);

} // namespace EncoderNote
