#pragma once

#include <QByteArray>
#include <QIODevice>
#include <optional>

namespace tochkograf {

// An XPM file's colour table as Qt's reader reads it. Each colour of the
// table is a list of keys and values ("c #000000", "m black", "s name"),
// and Qt's reader takes the word after the first " c " it finds anywhere
// in the colour's line: gammu writes "s c m #000000 g4 #000000 g #000000
// c #000000" (a symbolic name that is "c"), which Qt then takes for the
// colour "m" and refuses. Read as libXpm reads it (a key's first word is
// always its value), each colour is its "c" value, else its "g", "g4" or
// "m" one, as ImageMagick reads those files too.
class XpmColours {
 public:
  // `device` from where it stands; it must outlive this.
  explicit XpmColours(QIODevice& device);
  XpmColours(const XpmColours&) = delete;
  XpmColours& operator=(const XpmColours&) = delete;

  // What Qt's reader is to read: an XPM file whose colour table was read
  // whole with the table rewritten, each colour as "c" and its value,
  // followed by the rest of the file; otherwise `device` itself, where it
  // stood.
  QIODevice& Device();

 private:
  // The rewritten head, then what is left of the file.
  class Spliced : public QIODevice {
   public:
    Spliced(const QByteArray& head, QIODevice& rest);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

   protected:
    qint64 readData(char* data, qint64 most) override;
    qint64 writeData(const char*, qint64) override { return -1; }

   private:
    QByteArray head_;
    qint64 given_ = 0;
    QIODevice& rest_;
  };

  QIODevice& device_;
  std::optional<Spliced> spliced_;
};

}  // namespace tochkograf
