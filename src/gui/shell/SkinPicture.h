#pragma once

#include <QPixmap>
#include <QString>

// The skin pictures come at 100% ("name.png") and at 200% ("name@2x.png"), both drawn by
// resources/tools/MakeSkins.cpp. SkinPixmap loads the one for the screen's scale: above
// 100% the 200% picture, when the resources hold one, with its device pixel ratio set so
// that it covers the same place as the 100% picture, and text and edges stay sharp.
QPixmap SkinPixmap(const QString &path);

// The file name of the 200% picture of path: ":/skin/main/logo.png" gives
// ":/skin/main/logo@2x.png".
QString SkinPath2x(const QString &path);
