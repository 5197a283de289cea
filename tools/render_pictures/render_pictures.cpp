// Review aid: writes every picture as PNG at 1x and 2x, contact sheets per group that show each
// one on the colour it sits on in the window (as rendered and magnified to show its pixels), and
// scenes of the caption row, the result dialog and the pane details.
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "tools/render_pictures/scene_mockups.h"
#include "ui/resources/image_library.h"

namespace {

namespace images = nobrix::ui::images;

struct Showing {
  QString group;
  QColor background;
};

const QColor kCaption(156, 170, 193);
const QColor kFirebrick(178, 34, 34);
const QColor kOrchid(218, 112, 214);
const QColor kMintCream(245, 255, 250);
const QColor kWhite(255, 255, 255);
const QColor kDesktop(60, 64, 72);

// Which sheet a picture goes on and the colour behind it in the window.
Showing showingFor(const QString& key) {
  if (key == QLatin1String("AppIcon.ico")) {
    return {QStringLiteral("icon"), kDesktop};
  }
  if (key.endsWith(QLatin1String(".ico"))) {
    return {QStringLiteral("logos"), kCaption};
  }
  if (key.size() == 6 && key.at(2) == QLatin1Char('.')) {  // EN.PNG, DE.png, ...
    return {QStringLiteral("flags"), kCaption};
  }
  if (key == QLatin1String("Minimize.png") || key == QLatin1String("Close.png")) {
    return {QStringLiteral("glyphs"), kCaption};
  }
  if (key == QLatin1String("Warning.png")) {
    return {QStringLiteral("glyphs"), kMintCream};
  }
  if (key == QLatin1String("Info.png")) {
    return {QStringLiteral("glyphs"), kFirebrick};
  }
  if (key.startsWith(QLatin1String("Activity"))) {
    return {QStringLiteral("activity"), kOrchid};
  }
  return {QStringLiteral("glyphs"), kWhite};
}

QString fileStem(const QString& key) {
  QString stem = QFileInfo(key).completeBaseName();
  stem.replace(QLatin1Char(' '), QLatin1Char('-'));
  return stem;
}

// The picture's own pixels on a background, one image pixel per output pixel.
QImage onBackground(const QPixmap& picture, const QColor& background, int pad) {
  QImage pixels = picture.toImage();
  pixels.setDevicePixelRatio(1.0);
  QImage tile(pixels.size() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32);
  tile.fill(background);
  QPainter painter(&tile);
  painter.drawImage(QPoint(pad, pad), pixels);
  return tile;
}

QImage magnified(const QImage& image, int factor) {
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// One row per picture: 1x and 2x as they are, then both blown up to the same size with
// visible pixels, so crispness at 100 % and 200 % can be judged side by side.
QImage sheetRow(const QString& key) {
  const Showing showing = showingFor(key);
  const QImage one =
      onBackground(images::pixmap(key, images::naturalSize(key), 1.0), showing.background, 4);
  const QImage two =
      onBackground(images::pixmap(key, images::naturalSize(key), 2.0), showing.background, 8);
  const QImage oneZoomed = magnified(one, 4);
  const QImage twoZoomed = magnified(two, 2);
  constexpr int kGap = 12;
  QImage row(one.width() + two.width() + oneZoomed.width() + twoZoomed.width() + 5 * kGap,
             oneZoomed.height() + 2 * kGap, QImage::Format_ARGB32);
  row.fill(QColor(236, 236, 236));
  QPainter painter(&row);
  int x = kGap;
  for (const QImage* part : {&one, &two, &oneZoomed, &twoZoomed}) {
    painter.drawImage(QPoint(x, kGap), *part);
    x += part->width() + kGap;
  }
  return row;
}

QImage stacked(const QList<QImage>& rows) {
  int width = 0;
  int height = 0;
  for (const QImage& row : rows) {
    width = qMax(width, row.width());
    height += row.height();
  }
  QImage sheet(width, height, QImage::Format_ARGB32);
  sheet.fill(QColor(236, 236, 236));
  QPainter painter(&sheet);
  int y = 0;
  for (const QImage& row : rows) {
    painter.drawImage(QPoint(0, y), row);
    y += row.height();
  }
  return sheet;
}

// The window icon at the sizes a desktop asks for, side by side on a dark panel.
QImage iconStrip() {
  const QIcon icon = images::windowIcon();
  const QList<int> sides = {16, 20, 24, 32, 48, 64};
  QImage strip(16 + 12 * static_cast<int>(sides.size()) + 204, 80, QImage::Format_ARGB32);
  strip.fill(kDesktop);
  QPainter painter(&strip);
  int x = 8;
  for (const int side : sides) {
    painter.drawPixmap(QPoint(x, 8), icon.pixmap(QSize(side, side)));
    x += side + 12;
  }
  return strip;
}

void writeSheets(const QStringList& keys, const QDir& out) {
  QMap<QString, QList<QImage>> groups;
  for (const QString& key : keys) {
    groups[showingFor(key).group].append(sheetRow(key));
  }
  groups[QStringLiteral("icon")].append(iconStrip());
  for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
    stacked(group.value()).save(out.filePath(QStringLiteral("sheet-%1.png").arg(group.key())));
  }
}

void writeMockups(const QDir& out) {
  for (const int scale : {1, 2}) {
    const QString suffix = QStringLiteral("@%1x.png").arg(scale);
    images::review::captionRow(scale).save(out.filePath("scene-caption" + suffix));
    images::review::resultDialog(scale, true).save(out.filePath("scene-dialog-updated" + suffix));
    images::review::resultDialog(scale, false).save(out.filePath("scene-dialog-failed" + suffix));
    images::review::paneDetails(scale).save(out.filePath("scene-pane" + suffix));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: " << argv[0] << " OUTPUT_FOLDER\n";
    return 2;
  }
  QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    err << "cannot create " << out.path() << "\n";
    return 1;
  }
  const QStringList keys = images::keys();
  for (const QString& key : keys) {
    const Showing showing = showingFor(key);
    for (const int scale : {1, 2}) {
      const QPixmap picture = images::pixmap(key, images::naturalSize(key), scale);
      const QString name = QStringLiteral("%1@%2x").arg(fileStem(key)).arg(scale);
      picture.save(out.filePath(name + ".png"));
      onBackground(picture, showing.background, 4 * scale).save(out.filePath(name + "-on-bg.png"));
    }
  }
  writeSheets(keys, out);
  writeMockups(out);
  QTextStream(stdout) << keys.size() << " pictures written to " << out.absolutePath() << "\n";
  return 0;
}
