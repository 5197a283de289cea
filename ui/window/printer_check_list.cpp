// The list takes the mouse itself: the view's own handling moves the current entry with the hand
// while the button is down, so a press on one entry and a release on the next used to tick
// nothing and frame the second. Here the entry pressed is the one ticked and framed.
#include "ui/window/printer_check_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace nobrix::ui::window {

PrinterCheckList::PrinterCheckList(QWidget* parent) : QListWidget(parent) {
  // Tab reaches the list; the first entry is framed only once it has focus (see Form1).
  setFocusPolicy(Qt::StrongFocus);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(model(), &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
            if (roles.isEmpty() || roles.contains(Qt::CheckStateRole)) {
              for (int row = first.row(); row <= last.row(); ++row) {
                sayEntry(row);
                announceTick(row);
              }
            }
          });
}

void PrinterCheckList::setSpokenName(SpokenName spokenName) {
  spokenName_ = std::move(spokenName);
  refreshSpokenNames();
}

void PrinterCheckList::setEntries(const QStringList& entries) {
  clear();
  pressed_ = QPersistentModelIndex();
  for (const QString& entry : entries) {
    auto* item = new QListWidgetItem(entry, this);
    // User-checkable, so assistive technology reports the tick and offers to toggle it; Space
    // toggles it through the view, and the mouse through this class alone.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  refreshSpokenNames();
}

void PrinterCheckList::refreshSpokenNames() {
  for (int row = 0; row < count(); ++row) {
    sayEntry(row);
  }
}

void PrinterCheckList::sayEntry(int row) {
  QListWidgetItem* entry = item(row);
  if (entry != nullptr) {
    const bool ticked = entry->checkState() == Qt::Checked;
    entry->setData(Qt::AccessibleTextRole,
                   spokenName_ ? spokenName_(entry->text(), ticked) : entry->text());
  }
}

void PrinterCheckList::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) {
    return;
  }
  pressed_ = QPersistentModelIndex(indexAt(event->position().toPoint()));
  // The mouse is in use now: the keyboard's focus frame goes until the next Tab.
  window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
  setFocus(Qt::MouseFocusReason);
}

// The hand may wander while the button is down; nothing follows it.
void PrinterCheckList::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
}

void PrinterCheckList::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !pressed_.isValid()) {
    return;
  }
  const int row = pressed_.row();
  pressed_ = QPersistentModelIndex();
  // Released outside the list: the click is taken back.
  if (viewport()->rect().contains(event->position().toPoint())) {
    setCurrentRow(row);
    toggle(row);
  }
}

// The second press of a double click is a click of its own: two ticks, as two clicks make.
void PrinterCheckList::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void PrinterCheckList::keyPressEvent(QKeyEvent* event) {
  const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (activates && currentIndex().isValid()) {
    toggle(currentRow());
    event->accept();
    return;
  }
  // Space and Select toggle the current entry through the view, since entries are checkable.
  QListWidget::keyPressEvent(event);
}

void PrinterCheckList::toggle(int row) {
  QListWidgetItem* entry = item(row);
  if (entry == nullptr || !isEnabled()) {
    return;
  }
  entry->setCheckState(entry->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

// The view tells assistive technology that the entry's data changed, not that its tick did.
void PrinterCheckList::announceTick(int row) {
  if (!QAccessible::isActive()) {
    return;
  }
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent state(this, changed);
  state.setChild(row);
  QAccessible::updateAccessibility(&state);
  QAccessibleEvent name(this, QAccessible::NameChanged);
  name.setChild(row);
  QAccessible::updateAccessibility(&name);
}

}  // namespace nobrix::ui::window

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_printer_check_list.cpp"
