#include "commands/file_filters.h"

namespace tochkograf {

namespace {

const FileFilter kAllFiles{QStringLiteral("Все файлы"), {QStringLiteral("*")}};

FilterTable FiltersOf(const FileFormatList& formats) {
  FilterTable filters;
  for (const FileFormat* format : formats) filters << FilterOf(*format);
  return filters;
}

}  // namespace

FileFilter FilterOf(const FileFormat& format) {
  QStringList patterns;
  for (const QString& extension : format.extensions) patterns << QStringLiteral("*.") + extension;
  return {format.filter, patterns};
}

FilterTable OwnFilters() { return FiltersOf(Where(BuiltInFormats(), IsOwn)) << kAllFiles; }

FilterTable AsItIsFilters() { return FiltersOf(Where(BuiltInFormats(), TakenAsItIs)) << kAllFiles; }

FilterTable CArrayFilters() {
  return FiltersOf(Where(BuiltInFormats(), ImportedAsCArray)) << kAllFiles;
}

FilterTable ImageFilters() {
  FilterTable filters = FiltersOf(Where(FileFormats(), ImportedAsImage));
  QStringList every;
  for (const FileFilter& filter : filters) every << filter.patterns;
  filters.prepend({QStringLiteral("Все изображения"), every});
  return filters << kAllFiles;
}

}  // namespace tochkograf
