// A renderer plug-in that only records which slots the editor calls. Built twice: once
// speaking the editor's interface version, once another (FAKE_RENDERER_VERSION).

#include <QtGlobal>

#include "assets/render_host/renderer_plugin_interface.h"
#include "fake_renderer_log.h"

namespace {

torvale::test::FakeRendererLog fakeLog;

class FakeRenderer final : public torvale::IRendererPlugin {
 public:
  void Release() override {
    ++fakeLog.calls[0];
    delete this;
  }
  void SetWindow(QWidget* window) override {
    ++fakeLog.calls[1];
    fakeLog.window = window;
  }
  void ShowKitScreen(const torvale::RendererKitData*, const torvale::RendererDisplaySettings*) override { ++fakeLog.calls[2]; }
  void SetKit(const torvale::RendererKitWords* kit, const torvale::RendererDisplaySettings*) override {
    ++fakeLog.calls[3];
    fakeLog.lastShirtStyle = kit->words[torvale::kKitShirtStyle];
  }
  void SetAppearance(const torvale::RendererAppearanceDisplay*, const torvale::RendererAppearance* looks) override {
    ++fakeLog.calls[4];
    fakeLog.lastFace = looks->numbers[torvale::kLookFace];
  }
  void Tick() override { ++fakeLog.calls[5]; }
  void SetBackground(uint32_t colour) override {
    ++fakeLog.calls[6];
    fakeLog.background = colour;
  }
};

}  // namespace

extern "C" Q_DECL_EXPORT void GetPlugin(torvale::RendererPluginHandshake* handshake) {
  handshake->pluginVersion = FAKE_RENDERER_VERSION;
  // A plug-in of another version would not know the editor's slots; it hands out nothing.
  handshake->plugin = handshake->hostVersion == FAKE_RENDERER_VERSION ? new FakeRenderer : nullptr;
}

extern "C" Q_DECL_EXPORT torvale::test::FakeRendererLog* FakeRendererLog() { return &fakeLog; }
