#pragma once
// The contract between the editor and the renderer plug-in "Renderer.dll": the interface
// object with its seven slots and the data behind the pointers the kit and appearance screens
// hand over. The editor (src/assets/render_host) and our plug-in (plugins/renderer) both
// include this one header, so the two can only disagree when they were built from different
// versions of it: that is what the interface version catches.
//
// Loading: the editor calls the library's export "GetPlugin" once with a pointer to a
// RendererPluginHandshake carrying the editor's interface version. A plug-in that speaks
// that version stores its interface object and its own version; one that does not stores
// its version and no object. The editor uses the object only when both versions match,
// because slots called through a vtable of another layout would crash the editor.
//
// Every call happens on the GUI thread. Slots are virtual functions in slot order; the class
// has no virtual destructor because that would take vtable places of its own — slot 0 ends
// the object's life instead.

#include <cstdint>

class QWidget;

namespace torvale {

// Raised whenever a slot, its arguments or the layout of the structs below change.
constexpr uint32_t kRendererInterfaceVersion = 1;

// The words of a kit as the kit screen sends it (slot 3).
enum RendererKitWord : int {
  kKitShirtStyle = 0,       // 1-42
  kKitShortsStyle = 1,      // 1-13
  kKitSocksStyle = 2,       // 1-4
  kKitShirtMain = 3,        // screen colours 0x00BBGGRR from here to kKitNumberColour
  kKitShirtSecond = 4,      // stripes, hoops, sleeves ... of the shirt's style
  kKitShirtTrim = 5,        // collar and cuffs
  kKitShortsMain = 6,
  kKitShortsSecond = 7,     // stripes, hems, panels of the shorts' style
  kKitSocksMain = 8,
  kKitSocksSecond = 9,      // tops and hoops of the socks' style
  kKitNumberColour = 10,    // shirt number on the back
  kKitStoredWord = 11,      // a colour number of the kit as stored, for renderers that know the game's list
  kKitWordCount = 12
};

constexpr int kShirtStyleCount = 42;
constexpr int kShortsStyleCount = 13;
constexpr int kSocksStyleCount = 4;

struct RendererKitWords {
  uint32_t words[kKitWordCount] = {};
  friend bool operator==(const RendererKitWords&, const RendererKitWords&) = default;
};

// What the kit screen is doing with the kit (slots 2 and 3).
enum RendererKitView : uint32_t {
  kKitViewTurning = 0,  // the kit turns to and fro around its front
  kKitViewFront = 1,    // front, held still
  kKitViewBack = 2,     // back with the shirt number, held still
};

enum RendererKitPart : uint32_t {
  kKitPartNone = 0,  // no style box selected
  kKitPartShirt = 1,
  kKitPartShorts = 2,
  kKitPartSocks = 3,
};

// The kit screen's display settings: how to show the kit.
struct RendererDisplaySettings {
  uint32_t mode = kKitViewTurning;     // RendererKitView
  uint32_t selectedPart = kKitPartNone;  // the style box being edited is marked in the preview
  uint32_t shirtNumber = 10;            // drawn on the back
  friend bool operator==(const RendererDisplaySettings&, const RendererDisplaySettings&) = default;
};

// The kit screen's kit data (slot 2): both kits of the club, so the renderer can prepare
// either, and which of them is shown first.
struct RendererKitData {
  RendererKitWords kits[2];  // home, away
  uint32_t shownKit = 0;     // 0 home, 1 away
};

// The five appearance numbers of a person (slot 4), in the order of the person record.
enum RendererAppearanceNumber : int {
  kLookHairColour = 0,  // 1 black, 2 brown, 3 dark blond, 4 blond, 5 red
  kLookSkinColour = 1,  // 0 lightest ... 5 darkest
  kLookFace = 2,        // 1-7 European, 8-13 Asian, 14-19 African, 20-25 Latin
  kLookHairStyle = 3,   // 1 shaved ... 10 ponytail
  kLookFacialHair = 4,  // 1 none, 2 partial goatee, 3 moustache, 4 stubble, 5 goatee, 6 full beard
  kLookNumberCount = 5
};

struct RendererAppearance {
  uint32_t numbers[kLookNumberCount] = {};
  friend bool operator==(const RendererAppearance&, const RendererAppearance&) = default;
};

// The appearance screen's display data (slot 4).
struct RendererAppearanceDisplay {
  uint32_t animate = 1;      // 0 holds the head still (looking ahead, eyes open)
  uint32_t shirtColour = 0x00FFFFFF;  // screen colour of the shirt under the head
};

// The interface object. Slots are called in the situations named beside them.
class IRendererPlugin {
 public:
  // Slot 0: release the object; the editor never touches it again. Called before the library
  // is freed or loaded anew.
  virtual void Release() = 0;
  // Slot 1: once, right after loading: the window to draw into. It stays the same window for
  // the object's life but moves between dialogs and is shown and hidden by the editor.
  virtual void SetWindow(QWidget* window) = 0;
  // Slot 2: the kit screen opens.
  virtual void ShowKitScreen(const RendererKitData* data, const RendererDisplaySettings* settings) = 0;
  // Slot 3: the kit shown changed.
  virtual void SetKit(const RendererKitWords* kit, const RendererDisplaySettings* settings) = 0;
  // Slot 4: the appearance shown changed (or the appearance screen opens).
  virtual void SetAppearance(const RendererAppearanceDisplay* display, const RendererAppearance* looks) = 0;
  // Slot 5: the 50 ms tick while the window is visible.
  virtual void Tick() = 0;
  // Slot 6: the background colour: 0xAARRGGBB, alpha ignored (0x00C0C0C0 on the kit screen,
  // 0xFF2020C0 on the appearance screen).
  virtual void SetBackground(uint32_t colour) = 0;

 protected:
  ~IRendererPlugin() = default;
};

// The block "GetPlugin" fills in.
struct RendererPluginHandshake {
  uint32_t hostVersion = kRendererInterfaceVersion;  // set by the editor
  uint32_t pluginVersion = 0;                         // set by the plug-in
  IRendererPlugin* plugin = nullptr;                  // set by the plug-in when the versions match
};

// The export's name and type; the export has C linkage so its name is not mangled.
inline constexpr const char* kRendererEntryPoint = "GetPlugin";
using RendererEntryPoint = void (*)(RendererPluginHandshake*);

}  // namespace torvale
