// tcore: converts a media file for a phone or player (see EncoderOptions.h for the options).
#include "EncoderMain.h"

int main(int argc, char **argv)
{
    return encoder::runEncoder(argc, argv, encoder::EncoderKind::Media);
}
