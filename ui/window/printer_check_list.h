// The printer check list: one entry per printer, each with a tick box. A click ticks the entry
// the button went down on, wherever in the list it comes up; Space or Return tick the current
// entry; assistive technology hears each entry's printer and tick in the window's language.
#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>
#include <functional>
#include <vector>

namespace nobrix::ui::window {

class PrinterCheckList final : public QListWidget {
  Q_OBJECT

 public:
  // What a screen reader says for an entry, from the entry's text and its tick. The tick is said
  // in the name too: the accessibility bridge of this Qt does not tell a client that a list
  // entry can be ticked, so a screen reader would not say "not checked" by itself.
  using SpokenName = std::function<QString(const QString& entry, bool ticked)>;

  explicit PrinterCheckList(QWidget* parent = nullptr);

  void setSpokenName(SpokenName spokenName);
  // Replaces the entries, none ticked.
  void setEntries(const QStringList& entries);
  // Says every entry again, after a change of language.
  void refreshSpokenNames();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void toggle(int row);
  void sayEntry(int row);
  void announceTick(int row);

  SpokenName spokenName_;
  QPersistentModelIndex pressed_;
};

}  // namespace nobrix::ui::window
