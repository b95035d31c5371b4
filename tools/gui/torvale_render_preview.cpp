// torvale-render-preview OUT.png [--styles STYLES.png] [--plugin FILE] [--colours TeamColour.txt]
//
// Loads the renderer plug-in through the editor's render manager, exactly as the kit and
// appearance screens do, and saves what it draws as one PNG: a sheet of kits (front, turning
// and back) and of heads. With --styles a second sheet shows every shirt, shorts and socks
// style. Runs offscreen; nothing needs a display.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "assets/render_host/kit_preview_words.h"
#include "assets/render_host/render_manager.h"
#include "exchange/text_data_file.h"
#include "ui/common/dialog_answers.h"

using namespace torvale;

namespace {

constexpr int kTileWidth = 190;
constexpr int kTileHeight = 250;
constexpr int kCaptionHeight = 22;
constexpr int kColumns = 7;

struct Tile {
  QImage image;
  QString caption;
};

// Lets the editor's tick run for `ticks` periods, so the preview has turned a little.
void RunTicks(int ticks) {
  QEventLoop loop;
  QTimer::singleShot(ticks * kRenderTickMs + kRenderTickMs / 2, &loop, &QEventLoop::quit);
  loop.exec();
}

QImage Sheet(const std::vector<Tile>& tiles, const QString& title) {
  const int rows = static_cast<int>((tiles.size() + kColumns - 1) / kColumns);
  QImage sheet(kColumns * kTileWidth, 40 + rows * (kTileHeight + kCaptionHeight), QImage::Format_RGB32);
  sheet.fill(QColor(48, 52, 58));
  QPainter painter(&sheet);
  painter.setPen(Qt::white);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(18);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(10, 0, sheet.width() - 20, 40), Qt::AlignVCenter, title);
  font.setPixelSize(12);
  font.setBold(false);
  painter.setFont(font);
  for (size_t i = 0; i < tiles.size(); ++i) {
    const int x = static_cast<int>(i % kColumns) * kTileWidth;
    const int y = 40 + static_cast<int>(i / kColumns) * (kTileHeight + kCaptionHeight);
    painter.drawImage(QRect(x, y, kTileWidth, kTileHeight), tiles[i].image);
    painter.drawText(QRect(x, y + kTileHeight, kTileWidth, kCaptionHeight), Qt::AlignCenter, tiles[i].caption);
  }
  return sheet;
}

KIT::Outfit Outfit(int shirt, int shorts, int socks, std::initializer_list<int> colours) {
  KIT::Outfit outfit;
  outfit.shirtStyle = static_cast<uint8_t>(shirt);
  outfit.shortsStyle = static_cast<uint8_t>(shorts);
  outfit.socksStyle = static_cast<uint8_t>(socks);
  size_t i = 0;
  for (int c : colours) outfit.colours[i++] = static_cast<uint8_t>(c);
  return outfit;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QString out, stylesOut, plugin, colourFile;
#ifdef TORVALE_RENDERER_PATH
  plugin = QStringLiteral(TORVALE_RENDERER_PATH);
#endif
  colourFile = QStringLiteral(TORVALE_SOURCE_DIR "/data/install/database/ger/TeamColour.txt");
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--styles" && hasValue) stylesOut = args[++i];
    else if (args[i] == "--plugin" && hasValue) plugin = args[++i];
    else if (args[i] == "--colours" && hasValue) colourFile = args[++i];
    else if (out.isEmpty() && !args[i].startsWith("--")) out = args[i];
    else {
      std::fprintf(stderr, "usage: torvale-render-preview OUT.png [--styles STYLES.png] [--plugin FILE] [--colours FILE]\n");
      return 2;
    }
  }
  if (out.isEmpty()) {
    std::fprintf(stderr, "usage: torvale-render-preview OUT.png [--styles STYLES.png] [--plugin FILE] [--colours FILE]\n");
    return 2;
  }
  // The editor looks next to itself; this tool is built elsewhere, so it names the plug-in.
  if (plugin.isEmpty() || !QFileInfo::exists(plugin)) plugin = CRenderManager::DefaultLibraryPath();

  CTeamColourTextFile colours(TeamColourFileSettings());
  colours.Load(colourFile.toStdString());

  QWidget mainWindow;
  SetRenderManagerSetup({&mainWindow, plugin});
  // Offscreen nobody could close the loader's error box: its text goes to standard error.
  ScopedDialogAnswers answers;
  CRenderManager* renderer = GetRenderManager();
  if (!renderer->IsLoaded()) {
    for (const ShownDialog& shown : answers.Shown())
      std::fprintf(stderr, "%s: %s\n", qPrintable(shown.caption), qPrintable(shown.text));
    std::fprintf(stderr, "the renderer plug-in %s could not be loaded\n", qPrintable(plugin));
    ReleaseRenderManager();
    return 1;
  }

  // A screen with its preview placeholder, as the kit and appearance pages have one.
  QWidget screen;
  auto* layout = new QVBoxLayout(&screen);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* placeholder = new QLabel(&screen);
  placeholder->setFixedSize(kTileWidth, kTileHeight);
  layout->addWidget(placeholder);
  screen.show();
  renderer->Attach(placeholder);

  auto grab = [&] { return renderer->Window()->grab().toImage(); };

  // Colour numbers of the sample list: 1 white, 2 black, 3 red, 4 dark red, 5 blue,
  // 6 dark blue, 7 light blue, 8 green, 9 dark green, 10 yellow, 11 orange, 12 violet,
  // 13 grey, 15 gold, 16 claret, 20 sky blue.
  struct Sample {
    const char* name;
    KIT::Outfit outfit;
    uint32_t mode;
  };
  const std::vector<Sample> kits = {
      {"1 plain", Outfit(1, 1, 1, {1, 1, 5, 5, 5, 0, 1, 1, 0, 5}), kKitViewTurning},
      {"2 stripes", Outfit(2, 1, 2, {1, 2, 2, 2, 1, 0, 2, 1, 0, 1}), kKitViewTurning},
      {"3 hoops", Outfit(3, 2, 3, {9, 1, 1, 1, 9, 0, 9, 1, 0, 9}), kKitViewTurning},
      {"4 halves", Outfit(4, 3, 2, {7, 1, 1, 1, 7, 0, 1, 7, 0, 6}), kKitViewTurning},
      {"5 sash", Outfit(5, 1, 1, {1, 3, 3, 2, 3, 0, 1, 3, 0, 3}), kKitViewTurning},
      {"6 sleeves", Outfit(6, 1, 2, {3, 1, 1, 1, 3, 0, 3, 1, 0, 1}), kKitViewTurning},
      {"7 pinstripes", Outfit(7, 1, 1, {6, 1, 1, 6, 1, 0, 6, 1, 0, 1}), kKitViewTurning},
      {"8 quarters", Outfit(8, 8, 4, {10, 5, 5, 5, 10, 0, 10, 5, 0, 5}), kKitViewFront},
      {"14 chevron", Outfit(14, 6, 2, {2, 11, 11, 2, 11, 0, 2, 11, 0, 11}), kKitViewFront},
      {"17 checks", Outfit(17, 1, 1, {1, 3, 3, 1, 3, 0, 3, 1, 0, 2}), kKitViewFront},
      {"22 cross", Outfit(22, 1, 2, {3, 1, 1, 1, 3, 0, 3, 1, 0, 1}), kKitViewFront},
      {"19 fade", Outfit(19, 10, 3, {12, 2, 1, 2, 12, 0, 2, 12, 0, 1}), kKitViewFront},
      {"2 stripes, back", Outfit(2, 1, 2, {16, 20, 20, 1, 16, 0, 16, 20, 0, 1}), kKitViewBack},
      {"1 plain, back", Outfit(1, 2, 1, {10, 8, 8, 8, 10, 0, 10, 8, 0, 8}), kKitViewBack},
  };
  std::vector<Tile> tiles;
  for (const Sample& sample : kits) {
    RendererKitData data;
    data.kits[0] = MakeKitPreviewWords(sample.outfit, colours);
    RendererDisplaySettings settings;
    settings.mode = sample.mode;
    settings.shirtNumber = static_cast<uint32_t>(7 + tiles.size());
    renderer->ShowKitScreen(data, settings);
    renderer->SetBackground(kKitScreenBackground);
    renderer->SetKit(data.kits[0], settings);
    RunTicks(sample.mode == kKitViewTurning ? 24 : 1);
    tiles.push_back({grab(), QString::fromLatin1(sample.name)});
  }

  // Heads: hair colour, skin, face, hair style, facial hair.
  const std::vector<std::array<uint32_t, 5>> heads = {
      {2, 0, 1, 5, 1}, {4, 0, 3, 4, 1}, {1, 4, 14, 6, 4}, {1, 1, 9, 1, 1}, {5, 0, 5, 2, 6}, {1, 2, 21, 10, 3},
      {1, 5, 16, 9, 1}, {3, 1, 6, 8, 5}, {1, 3, 22, 3, 2}, {2, 2, 24, 7, 4}, {4, 1, 2, 1, 3}, {1, 1, 11, 5, 1},
      {2, 3, 18, 2, 6}, {3, 0, 7, 10, 4}};
  for (const auto& numbers : heads) {
    RendererAppearance looks;
    std::copy(numbers.begin(), numbers.end(), looks.numbers);
    RendererAppearanceDisplay display;
    display.shirtColour = 0x00FF0000 >> ((tiles.size() % 3) * 8);
    renderer->SetAppearance(display, looks);
    renderer->SetBackground(kAppearanceScreenBackground);
    RunTicks(10);
    tiles.push_back({grab(), QStringLiteral("%1 %2 %3 %4 %5").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(numbers[3]).arg(numbers[4])});
  }
  bool ok = Sheet(tiles, QStringLiteral("Renderer.dll — kits (shirt style) and heads (hair colour, skin, face, hair style, beard)")).save(out);

  if (ok && !stylesOut.isEmpty()) {
    std::vector<Tile> styles;
    RendererDisplaySettings front;
    front.mode = kKitViewFront;
    auto add = [&](int shirt, int shorts, int socks, const QString& caption) {
      const KIT::Outfit outfit = Outfit(shirt, shorts, socks, {5, 1, 10, 1, 5, 0, 5, 1, 0, 10});
      renderer->SetKit(MakeKitPreviewWords(outfit, colours), front);
      RunTicks(0);
      styles.push_back({grab(), caption});
    };
    renderer->SetBackground(kKitScreenBackground);
    for (int s = 1; s <= kShirtStyleCount; ++s) add(s, 1, 1, QStringLiteral("shirt %1").arg(s));
    for (int s = 1; s <= kShortsStyleCount; ++s) add(1, s, 1, QStringLiteral("shorts %1").arg(s));
    for (int s = 1; s <= kSocksStyleCount; ++s) add(1, 1, s, QStringLiteral("socks %1").arg(s));
    ok = Sheet(styles, QStringLiteral("Renderer.dll — every style")).save(stylesOut);
  }

  renderer->Attach(nullptr);
  ReleaseRenderManager();
  if (!ok) std::fprintf(stderr, "cannot write the PNG\n");
  return ok ? 0 : 1;
}
