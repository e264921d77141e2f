# Shared by the benchmark scripts (source it). Nothing here writes into the build folder.

# Compiles a benchmark driver against a build's libraries into a file outside the build:
#   build_driver <build folder> <driver source> <output file>
# The driver may use the core, media and windows libraries and the skin pictures.
build_driver() {
  local build=$1 source=$2 output=$3
  local core="$build/src/core/libclipwright_core.a" gui="$build/src/gui/libclipwright_gui.a"
  local media="$build/src/gui/platform/libclipwright_media.a"
  local skins
  skins=$(find "$build/src/gui" -name 'qrc_clipwright_skins.cpp.o' 2>/dev/null | head -1)
  if [ ! -f "$core" ] || [ ! -f "$gui" ] || [ ! -f "$media" ] || [ -z "$skins" ]; then
    echo "no libraries in $build/src; build the program first" >&2
    return 1
  fi
  g++ -std=c++20 -O2 -fPIC -DQT_NO_KEYWORDS -Isrc/core -Isrc/gui \
    $(pkg-config --cflags Qt6Widgets Qt6DBus Qt6Network libavformat mpv) \
    "$source" "$skins" "$gui" "$media" "$core" \
    $(pkg-config --libs Qt6Widgets Qt6DBus Qt6Network) -ldl -o "$output"
}

# Makes 100 sources in a folder and prints their paths, one a line: 50 copies of a 1080p
# H.264/AAC MP4 (as phones record them, index at the end), then five copies each of ten
# other formats the open dialog accepts, 640x480 or the format's own size.
make_sources() {
  local dir=$1
  clip() { # name, seconds, size, then ffmpeg output options
    local name=$1 seconds=$2 size=$3; shift 3
    ffmpeg -v error -y -f lavfi -i "testsrc2=size=$size:rate=25" \
      -f lavfi -i "sine=frequency=440:sample_rate=48000" -t "$seconds" "$@" -shortest "$dir/$name"
  }
  clip base.1080p.mp4 10 1920x1080 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac
  clip base.avi 10 640x480 -c:v mpeg4 -c:a libmp3lame
  clip base.mp4 10 640x480 -c:v mpeg4 -c:a aac
  clip base.m4v 10 640x480 -c:v libx264 -preset ultrafast -c:a aac -f mp4
  clip base.3gp 10 176x144 -c:v h263 -c:a aac -ar 22050 -ac 1
  clip base.mov 10 640x480 -c:v mpeg4 -c:a aac
  clip base.flv 10 640x480 -c:v flv1 -c:a libmp3lame -ar 44100
  clip base.mpg 10 640x480 -c:v mpeg1video -c:a mp2
  clip base.wmv 10 640x480 -c:v wmv2 -c:a wmav2 -f asf
  clip base.asf 10 640x480 -c:v msmpeg4 -c:a wmav2
  clip base.rm 10 320x240 -c:v rv10 -c:a ac3 -ar 44100
  local i base
  for i in $(seq -w 1 50); do
    cp "$dir/base.1080p.mp4" "$dir/phone $i.mp4"
    echo "$dir/phone $i.mp4"
  done
  for base in "$dir"/base.*; do
    [ "$base" = "$dir/base.1080p.mp4" ] && continue
    for i in 1 2 3 4 5; do
      cp "$base" "$dir/clip $i.${base##*.}"
      echo "$dir/clip $i.${base##*.}"
    done
  done
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
