#pragma once

#include <stdexcept>
#include <string>

namespace encoder {

// A failure that ends the conversion; its text becomes the one "Error: ..." line.
class EncoderError : public std::runtime_error
{
public:
    explicit EncoderError(const std::string &message) : std::runtime_error(message) {}
};

// The readable text of a libav error code.
std::string avErrorText(int code);

// Throws EncoderError("<what>: <libav reason>") when code is negative; returns code otherwise.
int checkAv(int code, const std::string &what);

} // namespace encoder
