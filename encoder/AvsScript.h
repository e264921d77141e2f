#pragma once

#include <string>

namespace encoder {

// What mcore reads from the one-line script the program writes for RealMedia sources:
//   DirectShowSource("<source path>", fps=29.9700898503294, convertfps=true)
struct AvsScript
{
    std::string sourcePath;
    double fps = 29.9700898503294;
};

// Parses the script's text. The path stands unescaped between the opening quote and the
// quote before ", fps=", so quotes inside a file name survive. Throws EncoderError when the
// text is not such a line.
AvsScript parseAvsScript(const std::string &text);

// Reads and parses the script file. Throws EncoderError when it cannot be read or parsed.
AvsScript readAvsScript(const std::string &path);

} // namespace encoder
