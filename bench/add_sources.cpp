// Times the adding of sources: AddSourceFiles with the libavformat probe over the files
// named on the command line, into an empty source list. Prints the rows added and the
// milliseconds taken; no window is involved (the codec error dialog only counts).
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include "platform/MediaProbe.h"
#include "sources/SourceAdder.h"
#include "sources/SourceListModel.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList paths = app.arguments().mid(1);

    MediaProbe probe;
    SourceListModel list;
    int refused = 0;
    SourceAdding::Services services;
    services.probe = &probe;
    services.showCodecErrorDialog = [&refused](const QString &) { ++refused; };

    QElapsedTimer clock;
    clock.start();
    const int added = SourceAdding::AddSourceFiles(list, paths, services);
    const qint64 elapsed = clock.elapsed();
    std::printf("files=%lld added=%d refused=%d ms=%lld\n", static_cast<long long>(paths.size()),
                added, refused, static_cast<long long>(elapsed));
    return added + refused == paths.size() ? 0 : 1;
}
