// The main window's control tree: caption row, printer pane, the two right-hand pages and the
// legal line, with the sizes, colours and fonts of the window's design (at two thirds, see
// look::dip). Pages are switched by code only, so they sit in stacked widgets without tabs.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/widgets/elided_label.h"
#include "ui/widgets/look.h"
#include "ui/window/form1.h"
#include "ui/window/printer_check_list.h"
#include "ui/window/run_notice.h"
#include "ui/window/spoken_names.h"
#include "ui/window/tick_box_style.h"
#include "ui/window/transfer_progress_view.h"
#include "ui/window/window_style.h"

namespace nobrix::ui::window {

using look::dip;

namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QWidget* panel(const QString& name, const QColor& background) {
  auto* widget = named(new QWidget, name);
  widget->setAttribute(Qt::WA_StyledBackground);
  widget->setStyleSheet(
      QStringLiteral("#%1 { background-color: %2; }").arg(name, look::rgb(background)));
  return widget;
}

// Reached by Tab only, so a mouse click leaves no focus mark; Return presses it as Space does.
void reachableByKeyboard(QPushButton* button) {
  button->setFocusPolicy(Qt::TabFocus);
  button->setAutoDefault(true);
}

QListWidget* progressList(const QString& name) {
  auto* list = named(new QListWidget, name);
  list->setFont(look::font(11));
  // Rows are measured one by one (no uniform item sizes): a long status text then widens the
  // list's content and the scroll bar appears instead of an ellipsis.
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  list->setFocusPolicy(Qt::NoFocus);
  list->setStyleSheet(style::progressListSheet(name, dip(30)));
  return list;
}

}  // namespace

void Form1::buildControlTree() {
  setObjectName(QStringLiteral("Form1"));
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(
      QStringLiteral("#Form1 { background-color: %1; }").arg(look::rgb(look::kFrameBlue)));
  setFont(look::font(12));

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(dip(6), dip(6), dip(6), dip(6));
  // The window's one size is set by fitToContent(), not by the layout.
  outer->setSizeConstraint(QLayout::SetNoConstraint);
  MainTableLayoutPanel = panel(QStringLiteral("MainTableLayoutPanel"), look::kCaptionGreyBlue);
  outer->addWidget(MainTableLayoutPanel);

  auto* rows = new QVBoxLayout(MainTableLayoutPanel);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  rows->addWidget(buildCaptionRow());

  buildMenuPanel(*rows);

  CopyrightLabel = named(new QLabel, QStringLiteral("CopyrightLabel"));
  CopyrightLabel->setFont(look::font(10));
  CopyrightLabel->setAlignment(Qt::AlignCenter);
  CopyrightLabel->setFixedHeight(dip(34));
  CopyrightLabel->setStyleSheet(QStringLiteral("#CopyrightLabel { color: black; margin: 1px; }"));
  rows->addWidget(CopyrightLabel);
  orderKeyboardFocus();
}

// The work first: the list, START (or CLOSE on the progress page), then the caption row. The
// window itself holds the focus until the first Tab (see showEvent) and is never a stop of its
// own: a click on a bare part of it still takes the focus back from a control.
void Form1::orderKeyboardFocus() {
  setFocusPolicy(Qt::ClickFocus);
  QWidget* order[] = {this,        SupportedPrinterCheckedListBox,
                      StartButton, AppCloseButton,
                      LangButton,  MinimizeButton,
                      CloseButton};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

// Containers join the window before their contents: a widget that joins a styled parent is
// polished again with everything inside it, so building from the top polishes each control once
// where building from the bottom polished it once per level (an eighth of the start-up's work).
void Form1::buildMenuPanel(QVBoxLayout& rows) {
  auto* menu = panel(QStringLiteral("MenuTabLayoutPanel"), look::kCaptionGreyBlue);
  rows.addWidget(menu, 1);
  auto* columns = new QHBoxLayout(menu);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(0);
  PrinterSelectTabControl = named(new QStackedWidget, QStringLiteral("PrinterSelectTabControl"));
  MainTabControl = named(new QStackedWidget, QStringLiteral("MainTabControl"));
  // 37.954 % and 62.046 % of the width.
  columns->addWidget(PrinterSelectTabControl, 37954);
  columns->addWidget(MainTabControl, 62046);
  buildSelectionPane();
  buildStartPage();
  buildProgressPage();
  MainTabControl->setCurrentWidget(StartTabPage);
}

QWidget* Form1::buildCaptionRow() {
  auto* row = panel(QStringLiteral("CaptionTableLayoutPanel"), look::kCaptionGreyBlue);
  row->setFixedHeight(dip(45));
  auto* cells = new QHBoxLayout(row);
  cells->setContentsMargins(0, 0, 0, 0);
  cells->setSpacing(0);

  MfgIconPicBox = named(new QLabel, QStringLiteral("MfgIconPicBox"));
  MfgIconPicBox->setFixedSize(dip(45), dip(45));
  MfgIconPicBox->setAlignment(Qt::AlignCenter);
  cells->addWidget(MfgIconPicBox);

  VUZProductNameLabel = named(new QLabel, QStringLiteral("VUZProductNameLabel"));
  VUZProductNameLabel->setFont(look::font(11, look::Face::Semibold, true));
  VUZProductNameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  VUZProductNameLabel->setStyleSheet(
      QStringLiteral("#VUZProductNameLabel { color: black; padding-left: 3px; }"));
  VUZProductNameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  VUZProductNameLabel->installEventFilter(this);
  cells->addWidget(VUZProductNameLabel, 1);

  LangButton = buildCaptionButton(QStringLiteral("LangButton"), style::kLangHover);
  LangButton->setFixedSize(dip(67), dip(45));
  cells->addWidget(LangButton);
  cells->addSpacing(dip(8));
  MinimizeButton = buildCaptionButton(QStringLiteral("MinimizeButton"), style::kCaptionButtonHover);
  CloseButton = buildCaptionButton(QStringLiteral("CloseButton"), style::kCaptionButtonHover);
  for (auto [button, column] :
       {std::pair{MinimizeButton, dip(53)}, std::pair{CloseButton, dip(50)}}) {
    auto* cell = new QWidget;
    cell->setFixedSize(column, dip(45));
    button->setParent(cell);
    button->setGeometry(0, 0, dip(47), dip(45));
    cells->addWidget(cell);
  }
  return row;
}

QPushButton* Form1::buildCaptionButton(const QString& name, const QColor& hover) {
  auto* button = named(new QPushButton, name);
  button->setFlat(true);
  reachableByKeyboard(button);
  button->setStyleSheet(look::flatButtonSheet(
      name, {look::kCaptionGreyBlue, hover, look::kCaptionGreyBlue, Qt::black}));
  return button;
}

QPushButton* Form1::buildWideButton(const QString& name) {
  auto* button = named(new QPushButton, name);
  button->setFlat(true);
  button->setFixedHeight(dip(67));
  reachableByKeyboard(button);
  button->setFont(look::font(14, look::Face::Regular, true));
  button->setStyleSheet(
      look::flatButtonSheet(name, {look::kDarkBlue, look::kHoverBlue, look::kDarkBlue, Qt::white}));
  return button;
}

QLabel* Form1::buildHeaderLabel(const QString& name, Qt::Alignment alignment) {
  auto* label = named(new QLabel, name);
  label->setFont(look::font(10, look::Face::Regular, true, true));
  label->setAlignment(alignment);
  label->setStyleSheet(style::headerLabelSheet(name));
  return label;
}

void Form1::buildSelectionPane() {
  auto* page = panel(QStringLiteral("SelectionTabPage"), look::kSteelBlue);
  PrinterSelectTabControl->addWidget(page);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(dip(3), dip(3), dip(3), dip(3));
  auto* mint = panel(QStringLiteral("SelectionPanel"), look::kMintCream);
  pageLayout->addWidget(mint);

  auto* stack = new QVBoxLayout(mint);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  SupportedPrinterLabel =
      buildHeaderLabel(QStringLiteral("SupportedPrinterLabel"), Qt::AlignLeft | Qt::AlignTop);
  SupportedPrinterLabel->setFixedHeight(dip(39));
  stack->addWidget(SupportedPrinterLabel);

  SupportedPrinterCheckedListBox =
      named(new PrinterCheckList, QStringLiteral("SupportedPrinterCheckedListBox"));
  SupportedPrinterCheckedListBox->setFont(look::font(11));
  SupportedPrinterCheckedListBox->setFrameShape(QFrame::NoFrame);
  SupportedPrinterCheckedListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SupportedPrinterCheckedListBox->setSpokenName([this](const QString& entry, bool ticked) {
    const l10n::LanguageState& language = services_.language;
    return spokenPrinterEntry(language.textOf("StrRes_AccessiblePrinter"), entry) +
           QStringLiteral(", ") +
           language.textOf(ticked ? "StrRes_AccessibleChecked" : "StrRes_AccessibleNotChecked");
  });
  SupportedPrinterCheckedListBox->setStyleSheet(
      style::checkListSheet(SupportedPrinterCheckedListBox->objectName()));
  // Owned by the window, which deletes it only after the list (a widget does not own its style).
  auto* tickBoxes = new TickBoxStyle;
  tickBoxes->setParent(this);
  SupportedPrinterCheckedListBox->setStyle(tickBoxes);
  stack->addWidget(SupportedPrinterCheckedListBox, 1);
  stack->addSpacing(dip(10));

  buildConnectionWarning(*stack);
}

void Form1::buildConnectionWarning(QVBoxLayout& stack) {
  WarningPicBox = named(new QLabel, QStringLiteral("WarningPicBox"));
  WarningPicBox->setFixedHeight(dip(35));
  WarningPicBox->setAlignment(Qt::AlignCenter);
  stack.addWidget(WarningPicBox);

  ConnectionWarningLabel = named(new ElidedLabel, QStringLiteral("ConnectionWarningLabel"));
  ConnectionWarningLabel->setFixedHeight(dip(94));
  ConnectionWarningLabel->setFont(look::font(10, look::Face::Semibold, true));
  ConnectionWarningLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ConnectionWarningLabel->setStyleSheet(
      QStringLiteral("#ConnectionWarningLabel { background: %1; color: red; "
                     "border: 1px solid black; padding: 2px; }")
          .arg(look::rgb(style::kWarningBackground)));
  stack.addWidget(ConnectionWarningLabel);
}

void Form1::buildStartPage() {
  StartTabPage = panel(QStringLiteral("StartTabPage"), Qt::white);
  MainTabControl->addWidget(StartTabPage);
  auto* stack = new QVBoxLayout(StartTabPage);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  InstructionCaptionLabel =
      buildHeaderLabel(QStringLiteral("InstructionCaptionLabel"), Qt::AlignLeft | Qt::AlignTop);
  InstructionCaptionLabel->setFixedHeight(dip(39));
  stack->addWidget(InstructionCaptionLabel);

  InstructionsLabel = named(new QLabel, QStringLiteral("InstructionsLabel"));
  InstructionsLabel->setFont(look::font(11));
  InstructionsLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  InstructionsLabel->setWordWrap(true);
  // Margins rather than a style sheet's padding, so the label's height for its width counts them.
  InstructionsLabel->setContentsMargins(8, 0, 8, 0);
  InstructionsLabel->setStyleSheet(
      QStringLiteral("#InstructionsLabel { background: white; color: black; }"));
  stack->addWidget(InstructionsLabel, 1);

  // Printers that are attached but cannot be used; hidden while there are none.
  PrinterDiagnosisLabel = named(new QLabel, QStringLiteral("PrinterDiagnosisLabel"));
  PrinterDiagnosisLabel->setFont(look::font(11));
  PrinterDiagnosisLabel->setWordWrap(true);
  PrinterDiagnosisLabel->setTextFormat(Qt::RichText);
  PrinterDiagnosisLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PrinterDiagnosisLabel->setContentsMargins(8, 4, 8, 4);
  PrinterDiagnosisLabel->setStyleSheet(
      QStringLiteral("#PrinterDiagnosisLabel { background: rgb(255, 244, 214); "
                     "color: rgb(122, 0, 0); }"));
  PrinterDiagnosisLabel->hide();
  stack->addWidget(PrinterDiagnosisLabel);

  StartButton = buildWideButton(QStringLiteral("StartButton"));
  stack->addWidget(StartButton);
}

void Form1::buildProgressPage() {
  ProgressTabPage = panel(QStringLiteral("ProgressTabPage"), Qt::white);
  MainTabControl->addWidget(ProgressTabPage);
  auto* stack = new QVBoxLayout(ProgressTabPage);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  stack->addWidget(buildProgressLists(), 1);
  stack->addWidget(buildProgressFooter());
  AppCloseButton = buildWideButton(QStringLiteral("AppCloseButton"));
  AppCloseButton->setEnabled(false);
  stack->addWidget(AppCloseButton);
  runNotice_ = new RunNotice(Progress_TabLayoutPanel);
}

QWidget* Form1::buildProgressLists() {
  Progress_TabLayoutPanel = named(new QWidget, QStringLiteral("Progress_TabLayoutPanel"));
  auto* cells = new QGridLayout(Progress_TabLayoutPanel);
  cells->setContentsMargins(0, 0, 0, 0);
  cells->setSpacing(0);
  PrinterSerialNumLabel =
      buildHeaderLabel(QStringLiteral("PrinterSerialNumLabel"), Qt::AlignLeft | Qt::AlignVCenter);
  VUZStatusLabel =
      buildHeaderLabel(QStringLiteral("VUZStatusLabel"), Qt::AlignLeft | Qt::AlignVCenter);
  PrinterSerialNumLabel->setFixedHeight(dip(44));
  VUZStatusLabel->setFixedHeight(dip(44));
  VUZPrinterListBox = progressList(QStringLiteral("VUZPrinterListBox"));
  VUZStatusListBox = progressList(QStringLiteral("VUZStatusListBox"));
  cells->addWidget(PrinterSerialNumLabel, 0, 0);
  cells->addWidget(VUZStatusLabel, 0, 1);
  cells->addWidget(VUZPrinterListBox, 1, 0);
  cells->addWidget(VUZStatusListBox, 1, 1);
  cells->setColumnStretch(0, 1);
  cells->setColumnStretch(1, 1);
  cells->setRowStretch(1, 1);
  return Progress_TabLayoutPanel;
}

QWidget* Form1::buildProgressFooter() {
  auto* footer = named(new QWidget, QStringLiteral("Progress_UpdateTabLayoutPanel"));
  footer->setFixedHeight(dip(55));
  auto* cells = new QHBoxLayout(footer);
  cells->setContentsMargins(1, 1, 1, 1);
  cells->setSpacing(0);
  transferProgress_ = new TransferProgressView(
      services_.firmware.progress(),
      [&platform = services_.device.platform()] { return platform.tickCount(); }, footer);
  cells->addWidget(transferProgress_, 18577);
  Progress_UpdateStepsLabel = named(new ElidedLabel, QStringLiteral("Progress_UpdateStepsLabel"));
  Progress_UpdateStepsLabel->setWordWrap(false);
  Progress_UpdateStepsLabel->setFont(look::font(12));
  Progress_UpdateStepsLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Progress_UpdateStepsLabel->setStyleSheet(
      QStringLiteral("#Progress_UpdateStepsLabel { color: black; margin: 1px; }"));
  Progress_UpdateStepsLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  cells->addWidget(Progress_UpdateStepsLabel, 69964);

  PrinterStatusButton = named(new QPushButton, QStringLiteral("PrinterStatusButton"));
  PrinterStatusButton->setFlat(true);
  PrinterStatusButton->setFocusPolicy(Qt::NoFocus);
  PrinterStatusButton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  PrinterStatusButton->setIconSize(QSize(dip(60), dip(50)));
  PrinterStatusButton->setStyleSheet(
      look::flatButtonSheet(PrinterStatusButton->objectName(),
                            {look::kOrchid, Qt::white, style::kMediumTurquoise, Qt::black}));
  PrinterStatusButton->setEnabled(false);
  cells->addWidget(PrinterStatusButton, 11339);
  return footer;
}

}  // namespace nobrix::ui::window
