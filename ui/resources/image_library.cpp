// Looks pictures up in the resource tree built into the program and renders them with
// QSvgRenderer. The keys end in .png or .ico for the callers' sake only: every picture is SVG,
// so it is never loaded through QPixmap's file-suffix detection.
#include "ui/resources/image_library.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <mutex>

// The resources live in a static library: nothing references their registration object, so the
// linker may drop it unless the library itself asks for it. Q_INIT_RESOURCE must stay outside
// any namespace.
static void nobrixRegisterImageResources() {
  Q_INIT_RESOURCE(nobrix_images);
}

namespace nobrix::ui::images {
namespace {

const QString kResourceDir = QStringLiteral(":/nobrix/images");

void ensureResources() {
  static std::once_flag registered;
  std::call_once(registered, nobrixRegisterImageResources);
}

QString resourcePath(const QString& key) {
  return kResourceDir + QLatin1Char('/') + key;
}

// Centres the picture in the target with its aspect kept, as a zoomed picture box does.
QRectF fittedRect(const QSizeF& picture, const QSize& target) {
  if (picture.isEmpty()) {
    return QRectF(QPointF(0, 0), QSizeF(target));
  }
  const QSizeF fitted = picture.scaled(QSizeF(target), Qt::KeepAspectRatio);
  return QRectF(
      QPointF((target.width() - fitted.width()) / 2.0, (target.height() - fitted.height()) / 2.0),
      fitted);
}

// Keys name files directly under the image folder; anything else is not a picture of ours.
bool loadPicture(const QString& key, QSvgRenderer& renderer) {
  if (key.isEmpty() || key.contains(QLatin1Char('/'))) {
    return false;
  }
  ensureResources();
  const QString path = resourcePath(key);
  return QFile::exists(path) && renderer.load(path);
}

}  // namespace

QPixmap pixmap(const QString& key, const QSize& logicalSize, qreal devicePixelRatio) {
  QSvgRenderer renderer;
  if (logicalSize.isEmpty() || devicePixelRatio <= 0.0 || !loadPicture(key, renderer)) {
    return {};
  }
  const QSize physical = (QSizeF(logicalSize) * devicePixelRatio).toSize();
  QImage image(physical, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, fittedRect(renderer.viewBoxF().size(), physical));
  }
  QPixmap result = QPixmap::fromImage(std::move(image));
  result.setDevicePixelRatio(devicePixelRatio);
  return result;
}

QSize naturalSize(const QString& key) {
  QSvgRenderer renderer;
  return loadPicture(key, renderer) ? renderer.defaultSize() : QSize();
}

QIcon windowIcon() {
  QIcon icon;
  for (const int side : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
    icon.addPixmap(pixmap(QStringLiteral("AppIcon.ico"), QSize(side, side)));
  }
  return icon;
}

QStringList keys() {
  ensureResources();
  return QDir(kResourceDir).entryList(QDir::Files, QDir::Name);
}

QString activityFrameKey(int frame) {
  const int wrapped = ((frame % kActivityFrameCount) + kActivityFrameCount) % kActivityFrameCount;
  return QStringLiteral("Activity%1.png").arg(wrapped);
}

}  // namespace nobrix::ui::images
