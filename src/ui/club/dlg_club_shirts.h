#pragma once
// "Trikots": the home and away kit (style and colours of shirt, shorts and socks) and the
// ready-made kit, with a live preview through the renderer plug-in (our own flat drawing
// stands in its place when no plug-in is loaded). Every change goes straight into the working
// copy; the plug-in host passes a kit on only when it differs from the one shown.

#include <array>

#include "assets/render_host/renderer_plugin_interface.h"
#include "world/club.h"
#include "ui/club/club_page.h"

class QButtonGroup;
class QComboBox;
class QSlider;
class QSpinBox;
class QToolButton;

namespace torvale {

class CKitSketch;
class CTeamColourTextFile;

class CDlgClubShirts : public CClubPage {
  Q_OBJECT
 public:
  CDlgClubShirts(CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr);
  ~CDlgClubShirts() override;

  void LoadPage() override;
  bool StorePage() override { return true; }
  void PageShown(bool shown) override;

  // Opens the colour picker for colour `index` (0-11) of the shown kit.
  void PickColour(int index);

 private:
  static constexpr int kParts = 3;  // shirt, shorts, socks
  static constexpr int kColours = 12;

  QWidget* MakePartGroup(int part);
  QWidget* MakeDetailGroup();
  QWidget* MakeColourRow(int index);
  KIT::Outfit& ShownOutfit();
  void ShowOutfit();
  void SetStyle(int part, int style);
  void SetColour(int index, int number);
  void SendKit();
  RendererDisplaySettings DisplaySettings() const;

  const CTeamColourTextFile* colours_ = nullptr;
  int shownOutfit_ = 0;
  bool original_ = false;  // "Orginal Heim/Auswärts": the ready-made kit is worn instead
  uint32_t view_ = kKitViewTurning;
  uint32_t selectedPart_ = kKitPartNone;  // the style last edited
  bool loading_ = false;
  bool attached_ = false;

  QButtonGroup* kitChoice_ = nullptr;
  QComboBox* viewBox_ = nullptr;
  std::array<QWidget*, 4> groups_ = {};
  std::array<QComboBox*, kParts> styleBox_ = {};
  std::array<QSlider*, kParts> styleSlider_ = {};
  std::array<QToolButton*, kColours> colourButton_ = {};
  std::array<QSpinBox*, kColours> colourNumber_ = {};
  QSpinBox* readyMade_ = nullptr;
  CKitSketch* sketch_ = nullptr;
};

}  // namespace torvale
