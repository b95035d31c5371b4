#include "club_editor_fixture.h"

#include <gtest/gtest.h>

#include "exchange/sample_installation.h"

namespace torvale::test {

SampleInstallation& SampleInstallation::Get() {
  static SampleInstallation installation;
  return installation;
}

SampleInstallation::SampleInstallation() : install_(scratch_.path() + "/install") {
  SampleInstallOptions options;
  options.sourceFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install";
  options.outFolder = install_;
  options.settingsFolder = scratch_.path() + "/xdg";
  const SampleInstallResult result = MakeSampleInstallation(options);
  EXPECT_TRUE(result.ok) << result.error;
  allocations_.LoadCupAllocations(install_ + "/script");
  tables_.Load(Database());
  archive_.Open(install_ + "/badges.big", true);
}

std::unique_ptr<CWorldDatabase> SampleInstallation::LoadWorld(const std::string& folder) {
  WorldEnvironment environment;
  environment.countryIndexPath = Database() + "/countries.sav";
  environment.scriptFolder = install_ + "/script";
  environment.cupAllocations = &allocations_;
  auto world = std::make_unique<CWorldDatabase>(environment);
  world->InitEmptyWorld();
  EXPECT_TRUE(world->Load(folder.empty() ? Database() : folder));
  return world;
}

ClubEditorWorld::ClubEditorWorld() {
  SampleInstallation& install = SampleInstallation::Get();
  world = install.LoadWorld();
  context.world = world.get();
  context.country = world->Country(14);
  context.tables = &install.Tables();
  context.badges = BadgeRoots{install.Install() + "/badges", &install.BadgeArchive()};
  context.cityFolder = install.Install() + "/city";
  context.language = [this] { return language; };
  context.setLanguage = [this](int l) { language = l; };
}

CClub& ClubEditorWorld::FirstClub() { return *context.country->Clubs().begin()->second; }

void WhenModalOpens(const QString& objectName, std::function<void(QWidget*)> drive) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, drive, objectName] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->objectName() != objectName) return;
    timer->stop();
    timer->deleteLater();
    drive(modal);
  });
  timer->start();
}

}  // namespace torvale::test
