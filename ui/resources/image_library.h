// The program's pictures (flags, brand logos, caption glyphs, dialog glyphs, activity frames,
// window icon), drawn from SVG sources built into the program and looked up by key.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace nobrix::ui::images {

inline constexpr int kActivityFrameCount = 6;
inline constexpr int kActivityFrameMs = 100;

// Renders the picture stored under `key` into a pixmap of logicalSize * devicePixelRatio
// physical pixels, tagged with that ratio so Qt draws it at logicalSize. A picture whose
// aspect differs from logicalSize is centred with its aspect kept (like a zoomed picture box).
// Returns a null pixmap for an unknown key or an empty size. Pixmaps belong to the window
// thread: call this there, never from a worker.
QPixmap pixmap(const QString& key, const QSize& logicalSize, qreal devicePixelRatio = 1.0);

// The size in device-independent pixels the picture is drawn on: at this size (or a whole
// multiple of it) its edges fall on pixel boundaries. Empty for an unknown key.
QSize naturalSize(const QString& key);

// The window icon at the usual icon sizes, the same for every brand.
QIcon windowIcon();

// Every key a picture can be looked up by, sorted.
QStringList keys();

// "Activity0.png" .. "Activity5.png"; any frame number is taken modulo the frame count.
QString activityFrameKey(int frame);

}  // namespace nobrix::ui::images
