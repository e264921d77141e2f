#include <QApplication>
#include <QLabel>

#include "platform/BuildInfo.h"

// Placeholder entry until the main window lands.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Clipwright ") + platform::BuildVersion());
    label.show();
    return app.exec();
}
