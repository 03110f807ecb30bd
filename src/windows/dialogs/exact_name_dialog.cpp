#include "windows/dialogs/exact_name_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>

#include "windows/adapters/qt_user_messages.h"

namespace tochkograf {

QStringList ExactNameDialog::ChosenPaths() const {
  return exact_.isEmpty() ? selectedFiles() : QStringList{exact_};
}

void ExactNameDialog::accept() {
  exact_.clear();
  const QString typed = TypedName();
  if (!typed.contains(QLatin1Char('"')) || NamesSeveralFiles(typed)) {
    QFileDialog::accept();
    return;
  }
  const QString path = PathOf(typed);
  const QFileInfo target(path);
  if (target.isDir()) {  // as the dialog does with a folder's name: go in
    setDirectory(path);
    if (QLineEdit* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) edit->clear();
    return;
  }
  if (acceptMode() == AcceptSave && target.exists() && !testOption(DontConfirmOverwrite) &&
      !QtUserMessages(this).AskReplace(windowTitle(), target.fileName()))
    return;
  exact_ = path;
  QDialog::accept();
}

QString ExactNameDialog::TypedName() const {
  const QLineEdit* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  return edit ? edit->text() : QString();
}

bool ExactNameDialog::NamesSeveralFiles(const QString& typed) const {
  if (fileMode() != ExistingFiles) return false;
  static const QRegularExpression quoted_list(QStringLiteral(R"(^\s*("[^"]+"\s*)+$)"));
  if (!quoted_list.match(typed).hasMatch()) return false;
  const QStringList names = typed.split(QLatin1Char('"'), Qt::SkipEmptyParts);
  for (const QString& name : names)
    if (!name.trimmed().isEmpty() && !QFileInfo::exists(PathOf(name))) return false;
  return true;
}

QString ExactNameDialog::PathOf(const QString& typed) const {
  QString name = typed;
  if (name == QLatin1String("~") || name.startsWith(QLatin1String("~/")))
    name.replace(0, 1, QDir::homePath());
  QString path = QDir(directory().absolutePath()).absoluteFilePath(name);
  if (!defaultSuffix().isEmpty() && QFileInfo(path).suffix().isEmpty())
    path += QLatin1Char('.') + defaultSuffix();
  return path;
}

}  // namespace tochkograf
