#pragma once

#include <QDialog>

#include "picture/edit_history.h"

class QListWidget;

namespace tochkograf {

class PicturePreview;

// "История правок": the picture's steps by name, "Начало" first and the
// newest last and selected, beside a preview of the picture after the step
// selected. Enter, a double click or "Вернуть" accept the step; Esc closes
// the window with none. Home, End and the arrows walk the list.
class HistoryDialog : public QDialog {
  Q_OBJECT

 public:
  HistoryDialog(const EditHistory& history, QWidget* parent);

  int ChosenStep() const;

 private:
  void ShowStep(int index);

  const EditHistory& history_;
  QListWidget* list_ = nullptr;
  PicturePreview* preview_ = nullptr;
};

}  // namespace tochkograf
