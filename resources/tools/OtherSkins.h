#pragma once

// The pictures of the player pieces, the progress dialog, the busy window and the splash.
namespace skins {

void makePlayerPieces();
void makeConvertingWindow();
void makeBusyWindow();
void makeSplash();

} // namespace skins
