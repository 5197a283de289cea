// Sizes are the window's at 144 dpi scaled by two thirds, the factor the program uses for
// device-independent pixels; fonts fall back to whatever the machine has.
#include "tools/render_pictures/scene_mockups.h"

#include <QColor>
#include <QFont>
#include <QPainter>

#include "ui/resources/image_library.h"

namespace nobrix::ui::images::review {
namespace {

const QColor kCaption(156, 170, 193);
const QColor kHeader(40, 70, 120);
const QColor kFrame(0, 117, 191);
const QColor kFirebrick(178, 34, 34);
const QColor kOrchid(218, 112, 214);
const QColor kMintCream(245, 255, 250);
const QColor kSteelBlue(70, 130, 180);

QImage canvas(QSize logical, qreal ratio, const QColor& fill) {
  QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(fill);
  return image;
}

// Draws the picture zoomed into the box, as a picture box or a button with a centred image does.
void drawZoomed(QPainter& painter, const QString& key, const QRectF& box, qreal ratio) {
  const QSize wanted = images::naturalSize(key).scaled(box.size().toSize(), Qt::KeepAspectRatio);
  const QPixmap picture = images::pixmap(key, wanted, ratio);
  const QSizeF shown = QSizeF(picture.size()) / ratio;
  painter.drawPixmap(
      QPointF(box.center().x() - shown.width() / 2, box.center().y() - shown.height() / 2),
      picture);
}

// A point at 144 dpi is two pixels; two thirds of that is the size in logical pixels.
QFont font(int points, bool bold) {
  QFont f(QStringLiteral("Segoe UI"));
  f.setPixelSize(qRound(points * 4.0 / 3.0));
  f.setBold(bold);
  return f;
}

}  // namespace

QImage captionRow(qreal ratio) {
  QImage image = canvas(QSize(620, 30), ratio, kCaption);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  drawZoomed(painter, QStringLiteral("SV_icon.ico"), QRectF(0, 0, 30, 30), ratio);
  painter.setFont(font(11, true));
  painter.drawText(QRectF(34, 0, 400, 30), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("SALVENOR LRX5303 VUZ   [Build: 2307A]"));
  const qreal langX = 620 - 33.3 - 35.3 - 5.3 - 44.7;
  painter.fillRect(QRectF(langX, 0, 44.7, 30), QColor(206, 200, 203));  // shown hovered
  drawZoomed(painter, QStringLiteral("DE.png"), QRectF(langX, 0, 44.7, 30), ratio);
  drawZoomed(painter, QStringLiteral("Minimize.png"), QRectF(620 - 33.3 - 35.3, 0, 31.3, 30),
             ratio);
  drawZoomed(painter, QStringLiteral("Close.png"), QRectF(620 - 33.3, 0, 31.3, 30), ratio);
  return image;
}

QImage resultDialog(qreal ratio, bool allUpdated) {
  QImage image = canvas(QSize(456, 287), ratio, kFrame);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(3.3, 3.3, 449.4, 32), kFirebrick);
  painter.setPen(Qt::white);
  painter.setFont(font(11, true));
  painter.drawText(QRectF(3.3, 3.3, 449.4, 32), Qt::AlignCenter,
                   QStringLiteral("SALVENOR LRX5303 VUZ"));
  drawZoomed(painter, QStringLiteral("Info.png"), QRectF(5.3, 7.3, 33.3, 23.3), ratio);
  painter.fillRect(QRectF(3.3, 35.3, 449.4, 212), Qt::white);
  painter.setPen(Qt::black);
  painter.setFont(font(11, false));
  painter.drawText(QRectF(8, 40, 440, 100), Qt::AlignTop | Qt::AlignLeft,
                   allUpdated ? QStringLiteral("All printers were updated.")
                              : QStringLiteral("Some printers could not be updated."));
  const QRectF resultRow(5.3, 205, 440, 32);
  drawZoomed(painter, allUpdated ? QStringLiteral("CheckMark.png") : QStringLiteral("Cross.png"),
             QRectF(resultRow.topLeft(), QSizeF(32, 32)), ratio);
  painter.setFont(font(10, false));
  painter.drawText(resultRow.adjusted(38, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   allUpdated ? QStringLiteral("[3/3]  printers updated")
                              : QStringLiteral("[2/3]  printers updated"));
  painter.fillRect(QRectF(3.3, 247.3, 449.4, 36), kHeader);
  painter.setPen(Qt::white);
  painter.setFont(font(10, true));
  painter.drawText(QRectF(3.3, 247.3, 449.4, 36), Qt::AlignCenter, QStringLiteral("OK"));
  return image;
}

QImage paneDetails(qreal ratio) {
  QImage image = canvas(QSize(440, 92), ratio, kSteelBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(4, 4, 332, 40), kMintCream);
  drawZoomed(painter, QStringLiteral("Warning.png"), QRectF(4, 10, 332, 23.3), ratio);
  for (int frame = 0; frame < kActivityFrameCount; ++frame) {
    const QRectF button(4 + frame * 66, 52, 59.3, 32.7);
    painter.fillRect(button, kOrchid);
    drawZoomed(painter, activityFrameKey(frame), button, ratio);
  }
  return image;
}

}  // namespace nobrix::ui::images::review
