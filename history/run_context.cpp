// The image is hashed from the same resource the transfer sends, so the record names the bytes
// that went out, whatever file name the build gave them.
#include "history/run_context.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSysInfo>

#include "nobrix/build_constants.h"

namespace nobrix::history {

namespace {

void describeImage(firmware::ResourceModule& resources, RunContext& context) {
  const auto module = resources.ownModule();
  const auto entry =
      resources.find(module, firmware::kFirmwareImageResourceId, firmware::kRawDataResourceType);
  const auto loaded = entry ? resources.load(module, entry) : firmware::LoadedResource{};
  if (!loaded) {
    return;
  }
  const std::size_t size = resources.size(module, entry);
  if (const std::uint8_t* bytes = resources.lock(loaded)) {
    context.imageBytes = size;
    context.imageSha256 = QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(bytes, static_cast<qsizetype>(size)),
                                 QCryptographicHash::Sha256)
            .toHex());
  }
  resources.free(loaded);
}

// A service started without a login has no USER; the home folder's name stands in then.
QString userName() {
  for (const char* variable : {"USER", "USERNAME"}) {
    const QString name = qEnvironmentVariable(variable);
    if (!name.isEmpty()) {
      return name;
    }
  }
  return QDir::home().dirName();
}

}  // namespace

RunContext describeRun(const QString& program, firmware::ResourceModule& resources) {
  RunContext context;
  context.program = program;
  context.programVersion = QString::fromLatin1(build::kProgramVersion);
  context.imageName = QString::fromLatin1(build::kFirmwareFileName);
  describeImage(resources, context);
  context.host = QSysInfo::machineHostName();
  context.user = userName();
  return context;
}

}  // namespace nobrix::history

namespace nobrix::history {

std::shared_future<RunContext> describeRunInBackground(const QString& program,
                                                       firmware::ResourceModule& resources) {
  return std::async(std::launch::async,
                    [program, &resources] { return describeRun(program, resources); })
      .share();
}

}  // namespace nobrix::history
