#pragma once

#include <QGroupBox>
#include <QList>
#include <QString>

#include "files/c_array/c_array_format.h"

class QRadioButton;

namespace tochkograf {

// A question with a few short answers, in a frame, one radio button each in
// a row: the compression of a C array, a display's address or height.
class RadioRow : public QGroupBox {
  Q_OBJECT

 public:
  struct Answer {
    QString caption;
    const char* name;  // the button's object name, which tests find it by
  };
  RadioRow(const QString& title, const QList<Answer>& answers, int chosen,
           QWidget* parent = nullptr);

  int Chosen() const;
  QList<QWidget*> Buttons() const;
  // Puts `widget` at the row's right end: a note on the answers.
  void AddAtEnd(QWidget* widget);

 signals:
  // Raised when the user chooses another answer.
  void Changed();

 private:
  QList<QRadioButton*> buttons_;
};

// "Сжатие: нет / RLE", starting at `chosen`.
RadioRow* CompressionRow(Compression chosen, QWidget* parent);
Compression ChosenCompression(const RadioRow& row);

// What the frames take as they are and packed, as the dialogs say it:
// "Байтов в кадрах: 1024, в сжатых: 212 (21 %)."
QString SizesText(const CArraySizes& sizes);

}  // namespace tochkograf
