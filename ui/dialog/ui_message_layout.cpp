// Builds the dialog's widgets: caption bar with the information glyph over its left end, the
// page container with its three pages, and the OK button. Sizes are the drawn ones, converted
// by dip(); the object names are the control names the rest of the program and the tests use.
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dialog/dialog_style.h"
#include "ui/dialog/ui_message.h"
#include "ui/resources/activity_animator.h"
#include "ui/resources/image_library.h"
#include "ui/widgets/elided_label.h"
#include "ui/widgets/look.h"

namespace nobrix::ui {
namespace {

using look::dip;

constexpr int kTextIndent = 2;  // text does not touch the label's edge
constexpr int kProgressTickMs = 300;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

ElidedLabel* textLabel(const char* name, int pointSize, Qt::Alignment alignment) {
  auto* label = named(new ElidedLabel, name);
  label->setFont(look::font(pointSize));
  label->setAlignment(alignment);
  label->setMargin(kTextIndent);
  return label;
}

QWidget* page(const char* name, int drawnSpacing) {
  auto* widget = named(new QWidget, name);
  widget->setAttribute(Qt::WA_StyledBackground);
  auto* column = new QVBoxLayout(widget);
  const int spacing = dip(drawnSpacing);
  column->setContentsMargins(spacing, spacing, spacing, spacing);
  column->setSpacing(0);
  return widget;
}

}  // namespace

UI_Message::UI_Message(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("UI_Message"));
  setFixedSize(dip(684, 430));
  setFont(look::font(12));
  setStyleSheet(dialog_style::styleSheet());

  auto* column = new QVBoxLayout(this);
  const int border = dip(5);
  column->setContentsMargins(border, border, border, border);
  column->setSpacing(0);

  buildCaption();
  column->addWidget(UI_CaptionLabel);

  MainTabControl = named(new QStackedWidget, "MainTabControl");
  MainTabControl->setFont(look::font(11));
  MainTabControl->setContentsMargins(dip(3), dip(3), dip(3), dip(3));
  MainTabControl->addWidget(buildMessagePage());
  MainTabControl->addWidget(buildResultPage());
  MainTabControl->addWidget(buildProgressPage());
  column->addWidget(MainTabControl, 1);

  UI_OkButton = named(new QPushButton(QStringLiteral("OK")), "UI_OkButton");
  UI_OkButton->setFixedHeight(dip(54));
  UI_OkButton->setFont(look::font(10, look::Face::Regular, true));
  UI_OkButton->setFlat(true);
  UI_OkButton->setDefault(true);
  connect(UI_OkButton, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(UI_OkButton);

  UI_ProgressTimer = named(new QTimer(this), "UI_ProgressTimer");
  UI_ProgressTimer->setInterval(kProgressTickMs);
  connect(UI_ProgressTimer, &QTimer::timeout, this,
          [this] { UI_ProgressTimer_Handler(QStringLiteral("Run")); });

  activity_ = new images::ActivityAnimator(
      dip(60, 50), [this](const QPixmap& frame) { UI_PrinterPicBox->setPixmap(frame); }, this);
}

void UI_Message::buildCaption() {
  UI_CaptionLabel = named(new QLabel, "UI_CaptionLabel");
  UI_CaptionLabel->setTextFormat(Qt::PlainText);
  UI_CaptionLabel->setFixedHeight(dip(48));
  UI_CaptionLabel->setFont(look::font(11, look::Face::Regular, true));
  UI_CaptionLabel->setAlignment(Qt::AlignCenter);

  // Not part of the layout: the glyph lies over the caption bar's left end.
  UI_InfoPicBox = named(new QLabel(this), "UI_InfoPicBox");
  UI_InfoPicBox->setGeometry(QRect(QPoint(dip(8), dip(11)), dip(50, 35)));
  UI_InfoPicBox->setAlignment(Qt::AlignCenter);
}

void UI_Message::placeInfoGlyph() {
  UI_InfoPicBox->setPixmap(
      images::pixmap(QStringLiteral("Info.png"), UI_InfoPicBox->size(), devicePixelRatioF()));
  UI_InfoPicBox->raise();
}

QWidget* UI_Message::buildMessagePage() {
  MessageTabPage = page("MessageTabPage", 3);
  UI_MessageLabel = textLabel("UI_MessageLabel", 11, Qt::AlignTop | Qt::AlignLeft);
  UI_MessageLabel->setFixedHeight(dip(207));
  auto* column = static_cast<QVBoxLayout*>(MessageTabPage->layout());
  column->addWidget(UI_MessageLabel);
  column->addStretch(1);
  return MessageTabPage;
}

QWidget* UI_Message::buildResultPage() {
  ResultTabPage = page("ResultTabPage", 3);
  UI_ResultLabel = textLabel("UI_ResultLabel", 11, Qt::AlignTop | Qt::AlignLeft);
  UI_ResultLabel->setFixedHeight(dip(177));

  auto* panel = named(new QWidget, "UI_UpdatedPanel");
  panel->setAttribute(Qt::WA_StyledBackground);
  panel->setFixedHeight(dip(48));
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  UI_UpdatedPicBox = named(new QLabel, "UI_UpdatedPicBox");
  UI_UpdatedPicBox->setFixedSize(dip(48, 48));
  UI_UpdatedPicBox->setAlignment(Qt::AlignCenter);
  UI_UpdatedPrintersLabel =
      textLabel("UI_UpdatedPrintersLabel", 10, Qt::AlignVCenter | Qt::AlignLeft);
  UI_UpdatedPrintersLabel->setFixedHeight(dip(48));
  row->addWidget(UI_UpdatedPicBox);
  row->addWidget(UI_UpdatedPrintersLabel, 1);

  auto* column = static_cast<QVBoxLayout*>(ResultTabPage->layout());
  column->addWidget(UI_ResultLabel);
  column->addStretch(1);
  column->addWidget(panel);
  return ResultTabPage;
}

QWidget* UI_Message::buildProgressPage() {
  ProgressTabPage = page("ProgressTabPage", 0);
  UI_ProgressMsgLabel = textLabel("UI_ProgressMsgLabel", 11, Qt::AlignTop | Qt::AlignLeft);
  UI_ProgressMsgLabel->setFixedHeight(dip(207));

  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  UI_PrinterPicBox = named(new QLabel, "UI_PrinterPicBox");
  UI_PrinterPicBox->setFixedSize(dip(100, 68));
  UI_PrinterPicBox->setAlignment(Qt::AlignCenter);
  UI_ProgressBarLabel = textLabel("UI_ProgressBarLabel", 11, Qt::AlignVCenter | Qt::AlignLeft);
  UI_ProgressBarLabel->setFixedHeight(dip(68));
  row->addWidget(UI_PrinterPicBox);
  row->addWidget(UI_ProgressBarLabel, 1);

  auto* column = static_cast<QVBoxLayout*>(ProgressTabPage->layout());
  column->addWidget(UI_ProgressMsgLabel);
  column->addLayout(row);
  column->addStretch(1);
  return ProgressTabPage;
}

}  // namespace nobrix::ui
