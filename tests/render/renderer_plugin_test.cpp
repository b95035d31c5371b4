// Our renderer plug-in, loaded as the editor loads it: every style and appearance number draws,
// different numbers draw differently, and an unchanged kit costs no frame.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFrame>
#include <QImage>
#include <QTest>
#include <map>
#include <set>

#include "assets/render_host/plugin_holder.h"
#include "assets/render_host/render_manager.h"

namespace torvale {
namespace {

// Counts the frames the plug-in's view paints.
class FrameCounter : public QObject {
 public:
  int frames = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++frames;
    return QObject::eventFilter(watched, event);
  }
};

class RendererPlugin : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(holder_.Load(QStringLiteral(TORVALE_RENDERER_PLUGIN), kRendererEntryPoint));
    window_.resize(150, 200);
    plugin().SetWindow(&window_);
    view_ = window_.findChild<QWidget*>(QStringLiteral("RendererView"));
    ASSERT_NE(view_, nullptr);
  }

  IRendererPlugin& plugin() { return *holder_.Interface(); }

  QByteArray Picture() {
    const QImage image = window_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Md5);
  }

  QByteArray KitPicture(uint32_t shirt, uint32_t shorts, uint32_t socks) {
    RendererKitWords kit;
    kit.words[kKitShirtStyle] = shirt;
    kit.words[kKitShortsStyle] = shorts;
    kit.words[kKitSocksStyle] = socks;
    const uint32_t colours[] = {0x0000C0, 0xFFFFFF, 0x202020, 0xFFFFFF, 0x0000C0, 0x0000C0, 0xFFFFFF, 0x00FFFF};
    for (int i = 0; i < 8; ++i) kit.words[kKitShirtMain + i] = colours[i];
    plugin().SetKit(&kit, &front_);
    return Picture();
  }

  QByteArray HeadPicture(std::array<uint32_t, 5> numbers) {
    RendererAppearance looks;
    std::copy(numbers.begin(), numbers.end(), looks.numbers);
    RendererAppearanceDisplay display;
    display.animate = 0;
    plugin().SetAppearance(&display, &looks);
    return Picture();
  }

  CPluginHolder holder_;
  QFrame window_;
  QWidget* view_ = nullptr;
  RendererDisplaySettings front_{kKitViewFront, kKitPartNone, 10};
};

TEST_F(RendererPlugin, EveryKitStyleDrawsAndEachLooksDifferent) {
  plugin().SetBackground(kKitScreenBackground);
  const QByteArray empty = Picture();
  std::map<QByteArray, int> seen;
  auto expectNew = [&](const QByteArray& picture, int style, const char* part) {
    EXPECT_NE(picture, empty) << part << " " << style;
    auto [it, inserted] = seen.emplace(picture, style);
    EXPECT_TRUE(inserted) << part << " style " << style << " looks like style " << it->second;
  };
  for (uint32_t style = 1; style <= kShirtStyleCount; ++style) expectNew(KitPicture(style, 1, 1), style, "shirt");
  seen.clear();
  for (uint32_t style = 1; style <= kShortsStyleCount; ++style) expectNew(KitPicture(1, style, 1), style, "shorts");
  seen.clear();
  for (uint32_t style = 1; style <= kSocksStyleCount; ++style) expectNew(KitPicture(1, 1, style), style, "socks");

  // Numbers outside the ranges draw the plain kit rather than nothing.
  const QByteArray plain = KitPicture(1, 1, 1);
  EXPECT_EQ(KitPicture(0, 0, 0), plain);
  EXPECT_EQ(KitPicture(43, 14, 5), plain);
  EXPECT_EQ(KitPicture(0xFFFFFFFF, 200, 99), plain);
}

TEST_F(RendererPlugin, TheKitTurnsOnTheTickAndTheBackShowsTheNumber) {
  RendererDisplaySettings turning;
  RendererKitWords kit;
  kit.words[kKitShirtMain] = 0x0000FF;
  kit.words[kKitNumberColour] = 0xFFFFFF;
  plugin().SetKit(&kit, &turning);
  const QByteArray start = Picture();
  for (int i = 0; i < 20; ++i) plugin().Tick();
  EXPECT_NE(Picture(), start);

  RendererDisplaySettings back{kKitViewBack, kKitPartNone, 10};
  plugin().SetKit(&kit, &back);
  const QByteArray ten = Picture();
  back.shirtNumber = 7;
  plugin().SetKit(&kit, &back);
  EXPECT_NE(Picture(), ten);
}

TEST_F(RendererPlugin, AnUnchangedKitOrAHeldViewDoesNotRedraw) {
  FrameCounter counter;
  view_->installEventFilter(&counter);
  window_.show();
  RendererKitWords kit;
  kit.words[kKitShirtStyle] = 2;
  plugin().SetKit(&kit, &front_);
  ASSERT_TRUE(QTest::qWaitFor([&] { return counter.frames > 0; }, 2000));
  const int frames = counter.frames;

  plugin().SetKit(&kit, &front_);
  plugin().Tick();  // the front view is held still
  QTest::qWait(100);
  EXPECT_EQ(counter.frames, frames);

  kit.words[kKitShirtStyle] = 3;
  plugin().SetKit(&kit, &front_);
  EXPECT_TRUE(QTest::qWaitFor([&] { return counter.frames > frames; }, 2000));
  view_->removeEventFilter(&counter);
}

TEST_F(RendererPlugin, EveryAppearanceNumberShowsInTheFace) {
  plugin().SetBackground(kAppearanceScreenBackground);
  const std::array<uint32_t, 5> base = {2, 0, 1, 5, 1};
  // Per number: the values that must each look different from the others.
  const std::pair<int, std::vector<uint32_t>> ranges[] = {
      {kLookHairColour, {1, 2, 3, 4, 5}},
      {kLookSkinColour, {0, 1, 2, 3, 4, 5}},
      {kLookFace, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
      {kLookHairStyle, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {kLookFacialHair, {1, 2, 3, 4, 5, 6}},
  };
  for (const auto& [number, values] : ranges) {
    std::set<QByteArray> seen;
    for (uint32_t value : values) {
      auto looks = base;
      looks[number] = value;
      EXPECT_TRUE(seen.insert(HeadPicture(looks)).second) << "number " << number << " value " << value;
    }
  }
  // Numbers the lists do not know still draw a head.
  EXPECT_NE(HeadPicture({0, 99, 0, 0, 0}), QByteArray());
  EXPECT_NE(HeadPicture({250, 0xFFFFFFFF, 1000, 11, 7}), QByteArray());
}

}  // namespace
}  // namespace torvale
