// mcore: like tcore, for a source named by a one-line DirectShowSource script, delivered at
// the script's constant frame rate.
#include "EncoderMain.h"

int main(int argc, char **argv)
{
    return encoder::runEncoder(argc, argv, encoder::EncoderKind::Script);
}
