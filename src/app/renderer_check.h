#pragma once
// Whether the renderer plug-in ("Renderer.dll" beside the program) could be loaded. The main
// window asks at start; without the plug-in there is no 3D preview and the editor closes
// after saying so (message 844).

namespace torvale {

bool RendererPluginLoaded();

}  // namespace torvale
