// The main window's life: construction, the start-up sequence, brand and language, closing.
#include "ui/window/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "l10n/branding.h"
#include "nobrix/build_constants.h"
#include "platform/text_encoding.h"
#include "ui/resources/activity_animator.h"
#include "ui/resources/image_library.h"
#include "ui/widgets/after_first_paint.h"
#include "ui/widgets/elided_label.h"
#include "ui/widgets/look.h"
#include "ui/window/printer_check_list.h"
#include "ui/window/run_notice.h"
#include "ui/window/spoken_names.h"

namespace nobrix::ui::window {

using look::dip;

namespace {

QString productName() {
  return QString::fromUtf8(build::kProductName);
}

// Tables keep the line breaks of their origin (CR LF); a Qt label breaks on LF alone and would
// draw the CR.
QString displayText(const QString& text) {
  return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), services_(std::move(services)) {
  buildControlTree();
  connectControls();
  // Nine renderings of one picture, for the task bar and the window manager: a tenth of the
  // start-up's work, and nobody sees them before the window's first paint.
  afterFirstPaint(*this, [this] { setWindowIcon(images::windowIcon()); });
  // Both texts are replaced while loading, before the window is first shown.
  setWindowTitle(QStringLiteral("Salvenor-Nobrix Firmware Download Utility"));
  VUZProductNameLabel->setText(productName() + QStringLiteral(" FIRMWARE DOWNLOAD UTILITY"));
  activity_ = new images::ActivityAnimator(
      QSize(dip(60), dip(50)),
      [this](const QPixmap& frame) {
        // The same picture when disabled: a resting indicator is still, not greyed out.
        QIcon icon(frame);
        icon.addPixmap(frame, QIcon::Disabled);
        PrinterStatusButton->setIcon(icon);
      },
      this);
  refreshPictures();
  workflow_ = std::make_unique<workflow::UpdateWorkflow>(workflow::WorkflowServices{
      services_.device, services_.firmware, services_.language, services_.messages, *this,
      services_.workers, build::kProductNameWide.view(), services_.sleepInhibitor});
  fitToContent();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

Form1::~Form1() = default;

void Form1::connectControls() {
  connect(LangButton, &QPushButton::clicked, this, [this] { App_LangButton_Handler(); });
  connect(MinimizeButton, &QPushButton::clicked, this, [this] { showMinimized(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });
  connect(StartButton, &QPushButton::clicked, this, [this] { App_StartButton_Handler(); });
  connect(AppCloseButton, &QPushButton::clicked, this,
          [this] { APP_AppCloseButton_Handler(QStringLiteral("Close")); });
  // PrinterStatusButton only shows the activity; its click is deliberately not connected.
}

void Form1::App_Form1Load_Handler() {
  buildSuffix_.clear();
  try {
    App_LoadProductLogo();
    App_SelectDefaultLanguage();
    App_ChangeLanguage(services_.language.index());
    QCoreApplication::processEvents();
    App_USBEvent_Handler();
    App_IsCorrectFlashFile();
  } catch (const std::exception& error) {
    showPlainError(error);
  }
}

void Form1::App_IsCorrectFlashFile() {
  std::u16string buildId;
  if (services_.firmwareCheck(buildId) == 0) {
    // The check has shown why; the window closes without ever being shown.
    closedBeforeShown_ = true;
    close();
    return;
  }
  buildSuffix_ = QString::fromStdString(l10n::buildSuffix(platform::toUtf8(buildId)));
  VUZProductNameLabel->setText(VUZProductNameLabel->text() + buildSuffix_);
}

void Form1::App_LoadProductLogo() {
  const l10n::BrandRow brand = l10n::brandOf(build::kProductName);
  MfgIconPicBox->setPixmap(
      images::pixmap(QString::fromUtf8(brand.logoKey), MfgIconPicBox->size(), devicePixelRatioF()));
}

void Form1::App_SelectDefaultLanguage() {
  services_.language.select(l10n::brandOf(build::kProductName).startingLanguage);
  showFlag(services_.language.index());
}

void Form1::showFlag(std::int32_t languageIndex) {
  const QSize box = LangButton->size();
  const QPixmap flag =
      images::pixmap(QString::fromUtf8(l10n::flagKey(languageIndex)), box, devicePixelRatioF());
  // The flag names the language even while the button is locked; a greyed flag reads as broken.
  QIcon icon(flag);
  icon.addPixmap(flag, QIcon::Disabled);
  LangButton->setIcon(icon);
  LangButton->setIconSize(box);
}

void Form1::App_ChangeLanguage(std::int32_t languageIndex) {
  try {
    services_.language.select(languageIndex);
    const l10n::LanguageState& language = services_.language;
    const QString title =
        QString::fromStdString(l10n::titleText(buildSuffix_.toStdString(), build::kProductName));
    VUZProductNameLabel->setText(title);
    setWindowTitle(title);
    CopyrightLabel->setText(language.legalLine());
    SupportedPrinterLabel->setText(language.textOf("StrRes_SupportedPrinterList"));
    InstructionsLabel->setText(displayText(language.textOf("StrRes_Instructions")));
    ConnectionWarningLabel->setText(displayText(language.textOf("StrRes_ConnectionWarning")));
    InstructionCaptionLabel->setText(language.textOf("StrRes_InstructionCaption"));
    StartButton->setText(language.textOf("StrRes_Start"));
    PrinterSerialNumLabel->setText(language.textOf("StrRes_PrinterSerialNum"));
    VUZStatusLabel->setText(language.textOf("StrRes_Status"));
    AppCloseButton->setText(language.textOf("StrRes_Close"));
    applySpokenNames();
    if (workflow_) {
      workflow_->refreshPrinterDiagnosis();
    }
    QCoreApplication::processEvents();
  } catch (const std::exception& error) {
    showPlainError(error);
  }
}

// Names for the controls whose text is a picture, and for the lists, in the window's language.
void Form1::applySpokenNames() {
  const l10n::LanguageState& language = services_.language;
  LangButton->setAccessibleName(spokenLanguageButton(language.textOf("StrRes_AccessibleLanguage"),
                                                     l10n::nextLanguage(language.index())));
  MinimizeButton->setAccessibleName(language.textOf("StrRes_AccessibleMinimize"));
  CloseButton->setAccessibleName(language.textOf("StrRes_AccessibleCloseWindow"));
  PrinterStatusButton->setAccessibleName(language.textOf("StrRes_AccessibleActivity"));
  SupportedPrinterCheckedListBox->setAccessibleName(language.textOf("StrRes_SupportedPrinterList"));
  VUZPrinterListBox->setAccessibleName(language.textOf("StrRes_PrinterSerialNum"));
  VUZStatusListBox->setAccessibleName(language.textOf("StrRes_Status"));
  SupportedPrinterCheckedListBox->refreshSpokenNames();
}

void Form1::App_LangButton_Handler() {
  try {
    const std::int32_t next = services_.language.cycle();
    showFlag(next);
    QCoreApplication::processEvents();
    App_ChangeLanguage(next);
  } catch (const std::exception& error) {
    showPlainError(error);
  }
}

void Form1::APP_AppCloseButton_Handler(const QString& command) {
  if (command == QStringLiteral("Close")) {
    close();
  }
}

// One size, the designed one or larger when a language's texts need it. Minimum and maximum
// are equal so the window manager offers no resizing and no maximising. Wrapped texts (the
// instructions, the printers that cannot be used) count with the height their width gives them.
void Form1::fitToContent() {
  QSize size = layout()->totalMinimumSize().expandedTo(dip(1361, 624));
  if (layout()->hasHeightForWidth()) {
    size.setHeight(qMax(size.height(), layout()->totalHeightForWidth(size.width())));
  }
  setFixedSize(size);
}

bool Form1::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // The layout has just been redone for a change of texts or fonts.
  if (event->type() == QEvent::LayoutRequest) {
    fitToContent();
  }
  return handled;
}

// A window manager that ignores the size hints may still maximise on a key or a double click.
void Form1::changeEvent(QEvent* event) {
  constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;
  if (event->type() == QEvent::WindowStateChange && (windowState() & kResized) != 0) {
    setWindowState(windowState() & ~kResized);
  }
  QWidget::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  // The run holds the printers between modes; a close from the window manager, Alt+F4 or the
  // session ending would leave them half-flashed. The window's own buttons are out of reach
  // until the run has ended, so only such outside requests are refused here, with a word why.
  if (workflow_->runInProgress()) {
    event->ignore();
    runNotice_->showText(
        displayText(services_.language.textOf("StrRes_CloseRefusedWhileUpdating")));
    return;
  }
  event->accept();
}

void Form1::showHistoryNotRecorded() {
  runNotice_->showText(displayText(services_.language.textOf("StrRes_HistoryNotRecorded")));
}

void Form1::showEvent(QShowEvent* event) {
  // Nothing looks chosen before the first key press: the window itself holds the focus, and
  // Tab then goes to the check list.
  if (focusWidget() == nullptr) {
    parkFocus();
  }
  // Only a shown window knows its screen; pictures follow its pixel density from here on.
  if (!screenHooked_ && windowHandle() != nullptr) {
    screenHooked_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { refreshPictures(); });
  }
  refreshPictures();
  QWidget::showEvent(event);
}

// Pictures are rendered for the screen's pixel density, so a move to another screen
// re-renders them rather than scaling bitmaps; showing the window on the screen they were
// rendered for renders nothing again. The logo and the flag appear only once the start-up has
// chosen them.
void Form1::refreshPictures() {
  const qreal ratio = devicePixelRatioF();
  if (qFuzzyCompare(ratio, picturesRatio_)) {
    return;
  }
  picturesRatio_ = ratio;
  if (!MfgIconPicBox->pixmap().isNull()) {
    App_LoadProductLogo();
  }
  if (!LangButton->icon().isNull()) {
    showFlag(services_.language.index());
  }
  const QSize glyph(dip(45), dip(45));
  MinimizeButton->setIcon(QIcon(images::pixmap(QStringLiteral("Minimize.png"), glyph, ratio)));
  CloseButton->setIcon(QIcon(images::pixmap(QStringLiteral("Close.png"), glyph, ratio)));
  MinimizeButton->setIconSize(glyph);
  CloseButton->setIconSize(glyph);
  WarningPicBox->setPixmap(
      images::pixmap(QStringLiteral("Warning.png"), QSize(dip(35), dip(35)), ratio));
  activity_->setDevicePixelRatio(ratio);
}

void Form1::showPlainError(const std::exception& error) {
  App_ShowUIMessage_Handler(ports::kPlainMessage, platform::fromUtf8(error.what()), 0, 0);
}

}  // namespace nobrix::ui::window

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_form1.cpp"
