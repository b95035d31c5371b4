#pragma once
// CDlgPlayerLook: the page "Aussehen" — hair colour, skin colour, face, hair style, facial
// hair, height, weight and head type, with the renderer plug-in's live head beside them. The
// five appearance numbers go to the plug-in whenever another person is shown or a look
// changes; the preview window stands in the page only while the page is visible, and the
// plug-in's tick runs only while it does.

#include <array>
#include <memory>

#include "ui/squad/person_page.h"

class QLabel;

namespace torvale {

class AppearancePreview;

class CDlgPlayerLook : public CPersonPage {
  Q_OBJECT
 public:
  CDlgPlayerLook(CWorldDatabase& world, QWidget* parent);
  ~CDlgPlayerLook() override;

  // The five appearance numbers the fields show, in record order (hair colour, skin colour,
  // face, hair style, facial hair).
  std::array<uint32_t, 5> ShownAppearance() const;
  QWidget* PreviewPlaceholder() const { return placeholder_; }
  bool PreviewAttached() const;

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void SendAppearance();
  void ShowImperial();

  std::array<QComboBox*, 5> looks_{};
  std::array<int, 5> firstValue_{};
  CSpinEditCtrl* height_;
  CSpinEditCtrl* weight_;
  CSpinEditCtrl* headType_;
  QLabel* heightImperial_;
  QLabel* weightImperial_;
  QWidget* placeholder_;
  std::unique_ptr<AppearancePreview> preview_;
};

}  // namespace torvale
