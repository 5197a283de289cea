// Renders the message dialog in each of its modes to PNG files, for looking at the layout
// without a display: nobrix_dialog_gallery <output folder> [EN|DE|ES|FR ...].
// Run it under QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 renders at double density.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStringList>
#include <cstdio>
#include <functional>

#include "l10n/branding.h"
#include "l10n/language_state.h"
#include "ui/dialog/message_presenter.h"
#include "ui/dialog/ui_message.h"

namespace {

using nobrix::l10n::LanguageState;
using nobrix::ui::UI_Message;
using nobrix::ui::UI_MessageInfo;

struct Scene {
  const char* name;
  std::function<UI_MessageInfo(const LanguageState&)> info;
  int barTicks = 0;
};

UI_MessageInfo makeInfo(const LanguageState& texts, std::int32_t type, const char* messageKey,
                        std::int32_t total = 0, std::int32_t updated = 0) {
  UI_MessageInfo info;
  info.CaptionStr = QString::fromStdString(nobrix::l10n::dialogCaption());
  info.MessageStr = texts.textOf(messageKey);
  info.ResultMsg = type == nobrix::ports::kResultMessage ? texts.textOf("StrRes_UIMsgResult") : "";
  info.TotalPrinters = total;
  info.UpdatedPrinters = updated;
  info.MsgType = type;
  return info;
}

const Scene kScenes[] = {
    {"plain", [](const LanguageState& t) { return makeInfo(t, 1, "StrRes_FhxMismatch"); }},
    {"plain-too-long",
     [](const LanguageState& t) {
       UI_MessageInfo info = makeInfo(t, 1, "StrRes_Instructions");
       info.MessageStr += QStringLiteral("\r\n") + info.MessageStr;  // cut with an ellipsis
       return info;
     }},
    {"progress", [](const LanguageState& t) { return makeInfo(t, 2, "StrRes_StatusSendingFhx"); },
     9},
    {"result-tick",
     [](const LanguageState& t) { return makeInfo(t, 3, "StrRes_AllUpdated", 3, 3); }},
    {"result-cross",
     [](const LanguageState& t) { return makeInfo(t, 3, "StrRes_SomeUpdated", 3, 2); }},
};

bool renderScene(const Scene& scene, const LanguageState& texts, const QString& language,
                 const QDir& folder) {
  UI_Message dialog;
  dialog.UI_IFCSetInfo(scene.info(texts));
  dialog.show();
  for (int tick = 0; tick < scene.barTicks; ++tick) {
    dialog.UI_ProgressTimer_Handler(QStringLiteral("Run"));
  }
  QApplication::processEvents();
  const QPixmap picture = dialog.grab();
  const QString file = folder.filePath(QStringLiteral("dialog-%1-%2@%3x.png")
                                           .arg(QString::fromLatin1(scene.name), language)
                                           .arg(picture.devicePixelRatio()));
  dialog.close();
  if (!picture.save(file)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
  }
  std::printf("%s\n", qPrintable(file));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = QApplication::arguments().mid(1);
  if (args.isEmpty()) {
    std::fprintf(stderr, "usage: nobrix_dialog_gallery <output folder> [EN|DE|ES|FR ...]\n");
    return 2;
  }
  const QDir folder(args.takeFirst());
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  if (args.isEmpty()) {
    args = {QStringLiteral("EN"), QStringLiteral("DE")};
  }
  const QStringList codes = {QStringLiteral("EN"), QStringLiteral("DE"), QStringLiteral("ES"),
                             QStringLiteral("FR")};
  LanguageState texts;
  bool ok = true;
  for (const QString& language : args) {
    if (!texts.select(static_cast<std::int32_t>(codes.indexOf(language)))) {
      std::fprintf(stderr, "unknown language %s\n", qPrintable(language));
      return 2;
    }
    for (const Scene& scene : kScenes) {
      ok = renderScene(scene, texts, language, folder) && ok;
    }
  }
  return ok ? 0 : 1;
}
