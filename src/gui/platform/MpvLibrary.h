#pragma once

// libmpv is loaded when a preview player is first made (platform/LazyMediaLibraries.cpp).
// With its own libraries it holds some 20 MB, so the preview lets it go again once no
// player has existed for a while; the next player loads it anew.
namespace MpvLibrary {

// Whether libmpv is loaded now.
bool IsLoaded();

} // namespace MpvLibrary
