#include "windows/adapters/russian_translation.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tochkograf {

namespace {

// The file types the file dialog lists, which Qt's Russian
// translation leaves in English.
class FileTypeTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    static const QHash<QByteArray, QString> kTexts = {
        {"Folder", QStringLiteral("Папка")},      {"File", QStringLiteral("Файл")},
        {"%1 File", QStringLiteral("Файл %1")},   {"Drive", QStringLiteral("Диск")},
        {"Shortcut", QStringLiteral("Ярлык")},    {"Alias", QStringLiteral("Псевдоним")},
        {"Unknown", QStringLiteral("Неизвестно")}};
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0 &&
        qstrcmp(context, "QFileSystemModel") != 0)
      return {};
    return kTexts.value(QByteArray(source));
  }
};

}  // namespace

bool InstallRussianTranslation(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_ru"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  QCoreApplication::installTranslator(new FileTypeTexts(&app));
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  return true;
}

}  // namespace tochkograf
