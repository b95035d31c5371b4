#include "renderer_plugin.h"

#include <QtGlobal>

namespace torvale::renderer {

void CRendererPlugin::Release() {
  delete view_.data();
  delete this;
}

void CRendererPlugin::SetWindow(QWidget* window) {
  delete view_.data();
  view_ = window ? new RenderView(window) : nullptr;
  if (view_) view_->SetScene(scene_);
}

void CRendererPlugin::Show(const Scene& scene) {
  scene_ = scene;
  if (view_) view_->SetScene(scene_);
}

void CRendererPlugin::ShowKitScreen(const RendererKitData* data, const RendererDisplaySettings* settings) {
  if (!data || !settings) return;
  Scene scene = scene_;
  scene.kind = Scene::Kit;
  scene.kit = data->kits[data->shownKit == 1 ? 1 : 0];
  scene.kitSettings = *settings;
  scene.phase = 0;
  Show(scene);
}

void CRendererPlugin::SetKit(const RendererKitWords* kit, const RendererDisplaySettings* settings) {
  if (!kit || !settings) return;
  // The kit page asks again on every small change of its controls; an unchanged kit must not
  // cost a frame.
  if (scene_.kind == Scene::Kit && scene_.kit == *kit && scene_.kitSettings == *settings) return;
  Scene scene = scene_;
  scene.kind = Scene::Kit;
  scene.kit = *kit;
  scene.kitSettings = *settings;
  Show(scene);
}

void CRendererPlugin::SetAppearance(const RendererAppearanceDisplay* display, const RendererAppearance* looks) {
  if (!display || !looks) return;
  Scene scene = scene_;
  if (scene.kind == Scene::Head && scene.looks == *looks && scene.animate == (display->animate != 0) &&
      scene.headShirt == display->shirtColour)
    return;
  scene.kind = Scene::Head;
  scene.looks = *looks;
  scene.animate = display->animate != 0;
  scene.headShirt = display->shirtColour;
  Show(scene);
}

void CRendererPlugin::Tick() {
  scene_.phase += 1;
  if (view_) view_->Advance(scene_.phase);
}

void CRendererPlugin::SetBackground(uint32_t colour) {
  if (scene_.background == colour) return;
  scene_.background = colour;
  if (view_) view_->SetScene(scene_);
}

}  // namespace torvale::renderer

extern "C" Q_DECL_EXPORT void GetPlugin(torvale::RendererPluginHandshake* handshake) {
  if (!handshake) return;
  handshake->pluginVersion = torvale::kRendererInterfaceVersion;
  handshake->plugin = handshake->hostVersion == torvale::kRendererInterfaceVersion
                          ? new torvale::renderer::CRendererPlugin
                          : nullptr;
}
