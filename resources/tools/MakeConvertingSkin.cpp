// Draws the progress dialog's pictures into resources/skin/converting/. The pictures are
// committed; run this only to change the look:
//
//   cmake --build <build> --target clipwright_make_converting_skin
//   QT_QPA_PLATFORM=offscreen <build>/resources/clipwright_make_converting_skin resources/skin
//
// Palette: the main window's dark blue-grey (#24354f to #1a273b body, #2c4a78 header), the
// blue accent #4a90e2 and a muted red Stop button (#c94a3f to #9e2e26).

#include "conversion/ConvertingSkin.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <skin folder>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/converting/");
    QDir().mkpath(dir);
    bool ok = ConvertingSkin::DrawBackground().save(dir + QStringLiteral("background.png"));
    for (auto face : {ConvertingSkin::Face::Up, ConvertingSkin::Face::Hot,
                      ConvertingSkin::Face::Down})
        ok = ConvertingSkin::DrawStopButton(face).save(dir + ConvertingSkin::StopButtonFileName(face)) &&
             ok;
    return ok ? 0 : 1;
}
