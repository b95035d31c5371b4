#include "ui/squad/favourite_player_field.h"

#include <QHBoxLayout>
#include <QLabel>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/controls/spin_edit_ctrl.h"

namespace torvale {

FavouritePlayerField::FavouritePlayerField(CWorldDatabase& world, QWidget* parent) : QWidget(parent), world_(world) {
  setObjectName("favouritePlayer");
  id_ = new CSpinEditCtrl(this);
  id_->setObjectName("favouritePlayerId");
  id_->SetRange(0, 0x7FFFFFFF);
  id_->setMinimumWidth(110);
  id_->setMaximumWidth(130);
  name_ = new QLabel(this);
  name_->setProperty("role", "caption");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(id_);
  layout->addWidget(name_, 1);
  connect(id_, &CSpinEditCtrl::valueChanged, this, [this] {
    ShowName();
    if (!loading_) emit edited();
  });
}

void FavouritePlayerField::SetPlayerId(int32_t id) {
  loading_ = true;
  id_->SetValue(id);
  loading_ = false;
  ShowName();
}

int32_t FavouritePlayerField::PlayerId() const { return id_->Value(); }

void FavouritePlayerField::ShowName() {
  const int32_t id = id_->Value();
  const CPlayer* favourite = id > 0 ? world_.Persons().FindPlayer(static_cast<uint32_t>(id)) : nullptr;
  name_->setText(favourite ? FromCp1252(favourite->ShortName()) : (id > 0 ? QStringLiteral("(unbekannt)") : QString()));
}

}  // namespace torvale
