#pragma once

namespace encoder {

enum class EncoderKind {
    Media,  // tcore: -i names the media file
    Script, // mcore: -i names the one-line script that names the media file
};

// The whole program: reads the command line, converts, reports progress on stderr.
// Returns 0 when the output is complete; otherwise writes one "Error: ..." line, leaves no
// output behind and returns 1.
int runEncoder(int argc, char **argv, EncoderKind kind);

} // namespace encoder
