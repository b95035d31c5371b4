#include "app/renderer_check.h"

namespace torvale {

// The plug-in host is not part of the program yet: until it is, the editor runs without
// asking, as it would with the plug-in in place.
bool RendererPluginLoaded() { return true; }

}  // namespace torvale
