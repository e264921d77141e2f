#!/usr/bin/env bash
# Makes the seed files for the encoder's mutation run: short small clips in the containers
# and codecs the program accepts. The mutations themselves are made by EncoderFuzzTest.
#   bash tests/encoder/make_fuzz_corpus.sh <folder>
set -euo pipefail
out=${1:?usage: make_fuzz_corpus.sh <folder>}
mkdir -p "$out"
src=(-f lavfi -i "testsrc=size=128x96:rate=15:duration=1.5"
     -f lavfi -i "sine=frequency=330:sample_rate=22050:duration=1.5")
make() { ffmpeg -nostdin -hide_banner -loglevel error -y "${src[@]}" "$@"; }
make -c:v mpeg4 -g 5 -c:a libmp3lame "$out/seed.avi"
make -c:v mpeg1video -r 25 -c:a mp2 -ar 44100 "$out/seed.mpg"
make -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g 5 -c:a aac "$out/seed.mp4"
make -c:v mpeg4 -c:a pcm_s16le -f mov "$out/seed.mov"
make -c:v wmv2 -c:a wmav2 "$out/seed.wmv"
make -c:v flv -c:a libmp3lame "$out/seed.flv"
make -c:v rv20 -c:a ac3 -ar 44100 -f rm "$out/seed.rm"
make -c:v h263 -s 128x96 -c:a aac "$out/seed.3gp"
make -vn -c:a libmp3lame "$out/seed.mp3"
make -vn -c:a pcm_s16le "$out/seed.wav"
