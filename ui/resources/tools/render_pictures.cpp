// Review aid: writes every picture as PNG at 1x and 2x, and a contact sheet that shows each one
// on the colour it sits on in the window, at 1x, at 2x and as a 4x pixel zoom of the 1x render.
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "ui/resources/image_library.h"

namespace {

namespace images = nobrix::ui::images;

struct Showing {
  QSize logicalSize;
  QColor background;
};

const QColor kCaption(156, 170, 193);
const QColor kFirebrick(178, 34, 34);
const QColor kOrchid(218, 112, 214);
const QColor kMintCream(245, 255, 250);
const QColor kWhite(255, 255, 255);
const QColor kDesktop(60, 64, 72);

// The size each picture is shown at (two thirds of its size at 144 dpi) and what is behind it.
Showing showingFor(const QString& key) {
  if (key.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) && key != "AppIcon.ico") {
    return {QSize(30, 30), kCaption};
  }
  if (key.size() == 6 && key.at(2) == QLatin1Char('.')) {  // EN.PNG, DE.png, ...
    return {QSize(52, 32), kCaption};
  }
  if (key == "Minimize.png" || key == "Close.png") {
    return {QSize(30, 30), kCaption};
  }
  if (key == "Warning.png") {
    return {QSize(23, 23), kMintCream};
  }
  if (key == "Info.png") {
    return {QSize(27, 27), kFirebrick};
  }
  if (key.startsWith(QLatin1String("Activity"))) {
    return {QSize(40, 33), kOrchid};
  }
  if (key == "AppIcon.ico") {
    return {QSize(32, 32), kDesktop};
  }
  return {QSize(32, 32), kWhite};
}

QString fileStem(const QString& key) {
  QString stem = QFileInfo(key).completeBaseName();
  stem.replace(QLatin1Char(' '), QLatin1Char('-'));
  return stem;
}

QImage onBackground(const QPixmap& picture, const QColor& background, int pad) {
  const QSize physical = picture.size();
  QImage tile(physical + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32);
  tile.fill(background);
  QPainter painter(&tile);
  painter.drawImage(QPoint(pad, pad), picture.toImage());
  return tile;
}

QImage contactSheet(const QStringList& keys) {
  constexpr int kRow = 4 * 52 + 16;
  constexpr int kZoomX = 8 + 70 + 8 + 2 * 52 + 24 + 8;
  QImage sheet(kZoomX + 4 * 52 + 24, kRow * static_cast<int>(keys.size()), QImage::Format_ARGB32);
  sheet.fill(QColor(235, 235, 235));
  QPainter painter(&sheet);
  int y = 0;
  for (const QString& key : keys) {
    const Showing showing = showingFor(key);
    const QPixmap one = images::pixmap(key, showing.logicalSize, 1.0);
    const QPixmap two = images::pixmap(key, showing.logicalSize, 2.0);
    painter.drawImage(QPoint(8, y + 8), onBackground(one, showing.background, 8));
    painter.drawImage(QPoint(8 + 70 + 8, y + 8), onBackground(two, showing.background, 12));
    const QImage zoomed = onBackground(one, showing.background, 3)
                              .scaled((showing.logicalSize + QSize(6, 6)) * 4,
                                      Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter.drawImage(QPoint(kZoomX, y + 8), zoomed);
    y += kRow;
  }
  return sheet;
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
      const QPixmap picture = images::pixmap(key, showing.logicalSize, scale);
      const QString name = QStringLiteral("%1@%2x").arg(fileStem(key)).arg(scale);
      picture.save(out.filePath(name + ".png"));
      onBackground(picture, showing.background, 4 * scale).save(out.filePath(name + "-on-bg.png"));
    }
  }
  contactSheet(keys).save(out.filePath(QStringLiteral("sheet.png")));
  QTextStream(stdout) << keys.size() << " pictures written to " << out.absolutePath() << "\n";
  return 0;
}
