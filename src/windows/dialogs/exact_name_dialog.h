#pragma once

#include <QFileDialog>
#include <QStringList>

namespace tochkograf {

// Qt's file dialog, taking a typed name exactly as typed. Qt reads quote
// marks in the name field as setting several names apart, so that
// `my "best" pic` would choose "best" and `/pics/qu"ote` a file "ote" in
// the dialog's folder. Quotes are legal in file names here: only a list of
// quoted names that all exist, as the dialog itself writes a choice of
// several files, is still read as several.
class ExactNameDialog : public QFileDialog {
  Q_OBJECT

 public:
  using QFileDialog::QFileDialog;

  // The absolute paths of the files chosen by the last accepted run.
  QStringList ChosenPaths() const;

 public slots:
  void accept() override;

 private:
  QString TypedName() const;
  bool NamesSeveralFiles(const QString& typed) const;
  QString PathOf(const QString& typed) const;

  QString exact_;  // a name that Qt would have split, taken whole
};

}  // namespace tochkograf
