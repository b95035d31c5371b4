#include "assets/render_host/render_manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLayout>
#include <memory>

namespace torvale {

namespace {

// The shared manager and how it is made. One per process, reached only through the functions
// at the end of this file.
struct SharedRenderManager {
  std::unique_ptr<CRenderManager> manager;
  int uses = 0;
  RenderManagerSetup setup;
};

SharedRenderManager sharedRenderManager;

}  // namespace

QString CRenderManager::DefaultLibraryPath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Renderer.dll"));
}

CRenderManager::CRenderManager(RenderManagerSetup setup) : home_(setup.home) {
  window_ = new QFrame(setup.home);
  window_->setObjectName(QStringLiteral("RenderWindow%1").arg(kRenderWindowId));
  window_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);  // the client edge
  window_->setGeometry(0, 0, 10, 10);
  window_->hide();
  window_->installEventFilter(this);

  tick_.setInterval(kRenderTickMs);
  connect(&tick_, &QTimer::timeout, this, &CRenderManager::OnTick);

  LoadPlugin(setup.libraryPath.isEmpty() ? DefaultLibraryPath() : setup.libraryPath);
}

CRenderManager::~CRenderManager() {
  tick_.stop();
  holder_.ReleaseInterface();
  RestorePlaceholder();
  delete window_.data();
  holder_.Unload();
}

void CRenderManager::LoadPlugin(const QString& libraryPath) {
  // A missing plug-in is the main window's to report; only a library that is there but
  // cannot be loaded deserves the loader's own message.
  QFile probe(libraryPath);
  if (!probe.open(QIODevice::ReadOnly)) return;
  probe.close();
  if (!holder_.Load(libraryPath, kRendererEntryPoint)) return;
  holder_.Interface()->SetWindow(window_);
  loaded_ = true;
}

void CRenderManager::RestorePlaceholder() {
  if (!placeholder_) return;
  if (placeholderInLayout_ && window_ && window_->parentWidget()) {
    if (QLayout* layout = window_->parentWidget()->layout()) delete layout->replaceWidget(window_, placeholder_);
  }
  placeholder_->show();
  placeholder_ = nullptr;
  placeholderInLayout_ = false;
}

void CRenderManager::Attach(QWidget* placeholder) {
  if (!window_) return;
  RestorePlaceholder();
  if (QWidget* oldParent = window_->parentWidget()) disconnect(oldParent, &QObject::destroyed, this, nullptr);

  if (!placeholder || !placeholder->parentWidget()) {
    window_->hide();
    window_->setParent(home_);
    window_->setGeometry(0, 0, 10, 10);
    attached_ = false;
    return;
  }

  QWidget* parent = placeholder->parentWidget();
  window_->setParent(parent);
  // A screen that closes without detaching must not take the window with it: its children
  // still exist when it announces its end, so the window is taken back home then.
  connect(parent, &QObject::destroyed, this, [this] { Attach(nullptr); });
  placeholder_ = placeholder;
  window_->setSizePolicy(placeholder->sizePolicy());
  window_->setMinimumSize(placeholder->minimumSize());
  QLayout* layout = parent->layout();
  std::unique_ptr<QLayoutItem> replaced(layout ? layout->replaceWidget(placeholder, window_) : nullptr);
  placeholderInLayout_ = replaced != nullptr;
  window_->setGeometry(placeholder->geometry());
  placeholder->hide();
  window_->show();
  window_->raise();
  attached_ = true;
}

void CRenderManager::ShowKitScreen(const RendererKitData& data, const RendererDisplaySettings& settings) {
  if (!loaded_) return;
  lastKit_.reset();
  holder_.Interface()->ShowKitScreen(&data, &settings);
}

bool CRenderManager::SetKit(const RendererKitWords& kit, const RendererDisplaySettings& settings) {
  if (!loaded_) return false;
  if (lastKit_ && lastKit_->first == kit && lastKit_->second == settings) return false;
  lastKit_.emplace(kit, settings);
  holder_.Interface()->SetKit(&kit, &settings);
  return true;
}

void CRenderManager::SetAppearance(const RendererAppearanceDisplay& display, const RendererAppearance& looks) {
  if (!loaded_) return;
  lastKit_.reset();
  holder_.Interface()->SetAppearance(&display, &looks);
}

void CRenderManager::SetBackground(uint32_t colour) {
  if (loaded_) holder_.Interface()->SetBackground(colour);
}

bool CRenderManager::eventFilter(QObject* watched, QEvent* event) {
  // The tick runs exactly while the window can be seen: hiding it (or the screen, or the tab
  // page around it) stops the plug-in's animation and its cost.
  if (watched == window_ && loaded_) {
    if (event->type() == QEvent::Show)
      tick_.start();
    else if (event->type() == QEvent::Hide)
      tick_.stop();
  }
  return QObject::eventFilter(watched, event);
}

void CRenderManager::OnTick() {
  if (!loaded_ || !window_ || !window_->isVisible()) {
    tick_.stop();
    return;
  }
  holder_.Interface()->Tick();
}

CRenderManager* GetRenderManager() {
  SharedRenderManager& shared = sharedRenderManager;
  if (!shared.manager) shared.manager = std::make_unique<CRenderManager>(shared.setup);
  ++shared.uses;
  return shared.manager.get();
}

void ReleaseRenderManager() {
  SharedRenderManager& shared = sharedRenderManager;
  if (shared.uses == 0) return;
  if (--shared.uses == 0) shared.manager.reset();
}

void SetRenderManagerSetup(RenderManagerSetup setup) { sharedRenderManager.setup = std::move(setup); }

}  // namespace torvale
