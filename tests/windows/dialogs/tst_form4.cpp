#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "cli/help_text.h"
#include "fakes/side_windows.h"
#include "images/file_formats.h"
#include "version.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/dialogs/form4.h"
#include "windows/dialogs/help_text.h"
#include "windows/main/form1.h"

using namespace tochkograf;

namespace {

QPlainTextEdit* Text1(QWidget& help) {
  return help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}
QPushButton* Close(QWidget& help) {
  return help.findChild<QPushButton*>(QStringLiteral("Command1"));
}
Form4* OnlyHelp(QWidget& owner) {
  const QList<Form4*> all = owner.findChildren<Form4*>();
  return all.size() == 1 ? all.first() : nullptr;
}

// The help text as the box gives it back: LF where the text has CR LF, and
// a plain space for a non-breaking one.
QString ShownText() {
  return HelpWindowText()
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QChar::Nbsp, u' ');
}

void DestroyClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class Form4Test : public QObject {
  Q_OBJECT

 private slots:
  void helpTextIsThePiecesInOrder_data();
  void helpTextIsThePiecesInOrder();
  void helpNamesWhatCameSince_data();
  void helpNamesWhatCameSince();
  void windowHoldsTheTextAndButton();
  void typingChangesNothing();
  void openingTwiceMakesOneWindow();
  void closeButtonHidesAndKeepsScroll();
  void closeBoxDestroysAndNextOpeningStartsAfresh();
};

// A piece given as empty is the program's own one-line note.
void Form4Test::helpTextIsThePiecesInOrder_data() {
  QTest::addColumn<QStringList>("pieces");
  QTest::addColumn<QList<int>>("breaks");
  QTest::newRow("help")
      << QStringList{"Tochkograf.",
                     "Версия " TOCHKOGRAF_VERSION " (и наверное последняя).",
                     "",
                     "   Программа предназначена для создания и редактирования EMS-рисунков "
                     "(рисунков, предназначенных для мобильных телефонов). ",
                     "Данные рисунки настолько малы, что их можно отправлять в SMS-сообщениях. ",
                     "Стандартными размерами для таких рисунков являются 16x16, 24x26, 32x32, "
                     "72x14, но в программе можно изменять размеры и по собственному желанию, "
                     "максимальный размер 128x96. ",
                     "Однако не все телефоны могут отправлять и принимать рисунки не стандартного "
                     "размера.",
                     "   Редактирование рисунка производиться всего двумя клавишами: левой и "
                     "правой кнопками мыши. ",
                     "Есть возможность скролла, осуществляется нажатием стрелок на цифровой "
                     "клавиатуре (цифр). ",
                     "Для удобства можно включать и выключать сетку, разделяющую пикселы (Ctrl+G).",
                     "   В программе есть возможность импорта изображения с BMP-файлов. ",
                     "История версий.",
                     "Версия " TOCHKOGRAF_VERSION,
                     "1. Появилась панель управления, которая намного улучшила жизнь.",
                     "2. Улучшенный внешний вид. Теперь моя программа не выглядит такой "
                     "примитивной. :-)",
                     "3. Появилось простейшее редактирование: отмена, вырезание, копирование и "
                     "вставка.",
                     "4. Устранена ошибка, которая возникала при ведении линий за пределы рисунка "
                     "(так и невозможность  рисовать нижнюю часть у вертикально расположенных "
                     "рисунков).",
                     "5. Имя текущего файла теперь пишется в заголовке программы.",
                     "6. Устранена ошибка, возникающая при отмене открытия файла.",
                     "Версия 1.0",
                     "1. Появилась на свет.",
                     ""}
      << QList<int>{2, 2, 2, 0, 0, 0, 1, 0, 0, 1, 2, 2, 1, 1, 1, 1, 1, 1, 2, 1, 2, 2};
}

void Form4Test::helpTextIsThePiecesInOrder() {
  QFETCH(QStringList, pieces);
  QFETCH(QList<int>, breaks);
  QCOMPARE(pieces.size(), 22);
  const QString text = HelpWindowText();
  const QString crlf = QStringLiteral("\r\n");
  qsizetype at = 0;
  QStringList notes;
  for (int i = 0; i < pieces.size(); ++i) {
    const QString where = QStringLiteral("piece %1").arg(i + 1);
    if (pieces[i].isEmpty()) {
      const qsizetype end = breaks[i] ? text.indexOf(crlf, at) : text.size();
      const QString note = text.mid(at, end - at);
      QVERIFY2(!note.trimmed().isEmpty() && !note.contains(QLatin1Char('\n')) &&
                   !note.contains(QLatin1Char('\r')),
               qPrintable(where));
      notes.append(note);
      at = end;
    } else {
      QVERIFY2(text.mid(at, pieces[i].size()) == pieces[i], qPrintable(where));
      at += pieces[i].size();
    }
    QVERIFY2(text.mid(at, 2 * breaks[i]) == crlf.repeated(breaks[i]), qPrintable(where));
    at += 2 * breaks[i];
    QVERIFY2(!text.mid(at).startsWith(crlf), qPrintable(where));
  }
  // What has come since follows the postscript, ending with no line break.
  QVERIFY(at < text.size() && !text.endsWith(crlf));
  QVERIFY(notes.first().contains(QRegularExpression(QStringLiteral("\\d{4}"))));  // dated
}

// What the help says of what came after the first text: each drawing tool
// with its key and each item of "Кадры" (or its key) as the main window has
// them, each type "Экспорт..." offers, and the command line in the words of
// its --help.
void Form4Test::helpNamesWhatCameSince_data() {
  QTest::addColumn<QString>("named");
  FakeSideWindows side;
  const Form1 main(Form1Seams{.windows = &side});
  for (const char* menu : {"draw", "frames"})
    for (const QAction* action : main.findChild<QMenu*>(QLatin1String(menu))->actions()) {
      if (action->isSeparator()) continue;
      const QString caption = action->text().remove(QStringLiteral("..."));
      const QString key = action->shortcut().toString();
      QTest::newRow(qPrintable(caption))
          << (menu == QByteArrayLiteral("draw")    ? QStringLiteral("%1 (%2)").arg(caption, key)
              : HelpWindowText().contains(caption) ? caption
                                                   : key);
    }
  for (const FileFormat* format : Where(BuiltInFormats(), Exported))
    QTest::newRow(qPrintable(format->name)) << format->name;
  const HelpText command_line = CommandLineHelpText();
  for (const QString& call : command_line.calls) QTest::newRow(qPrintable(call)) << call;
  for (const HelpItem& item : command_line.items) {
    if (!item.term.isEmpty()) QTest::newRow(qPrintable(item.term)) << item.term;
    QTest::newRow(qPrintable(item.text.left(40))) << item.text;
  }
  for (const HelpItem& note : command_line.notes) QTest::newRow(qPrintable(note.term)) << note.text;
}

void Form4Test::helpNamesWhatCameSince() {
  QFETCH(QString, named);
  QVERIFY(!named.isEmpty());
  QVERIFY2(HelpWindowText().contains(named), qPrintable(named));
}

void Form4Test::windowHoldsTheTextAndButton() {
  Form4 help;
  QCOMPARE(help.windowTitle(), QStringLiteral("Справка"));
  QCOMPARE(help.size(), QSize(497, 442));
  QCOMPARE(help.minimumSize(), help.maximumSize());
  QVERIFY(help.windowFlags() & Qt::WindowCloseButtonHint);
  QVERIFY(!(help.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  QVERIFY(!help.isModal());

  QPlainTextEdit* text = Text1(help);
  QCOMPARE(text->geometry(), QRect(0, 0, 497, 409));
  QVERIFY(text->isReadOnly());
  QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(text->toPlainText(), ShownText());

  QCOMPARE(Close(help)->text(), QStringLiteral("Закрыть"));
  QCOMPARE(Close(help)->geometry(), QRect(376, 416, 121, 25));
  help.show();
  QVERIFY(QTest::qWaitForWindowActive(&help));
  QCOMPARE(QApplication::focusWidget(), text);
  QTest::keyClick(text, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), Close(help));
}

void Form4Test::typingChangesNothing() {
  Form4 help;
  help.show();
  QVERIFY(QTest::qWaitForWindowActive(&help));
  const QString before = Text1(help)->toPlainText();
  QTest::keyClicks(Text1(help), QStringLiteral("abc"));
  QTest::keyClick(Text1(help), Qt::Key_Backspace);
  QTest::keyClick(Text1(help), Qt::Key_Delete);
  QTest::keyClick(Text1(help), Qt::Key_Return);
  QCOMPARE(Text1(help)->toPlainText(), before);
  QVERIFY(help.isVisible());
}

void Form4Test::openingTwiceMakesOneWindow() {
  QWidget owner;
  owner.show();
  QtSideWindows windows(&owner);
  windows.ShowHelp();
  Form4* first = OnlyHelp(owner);
  QVERIFY(first && first->isVisible());
  QCOMPARE(QApplication::activeModalWidget(), nullptr);  // the owner stays usable
  windows.ShowHelp();
  QCOMPARE(OnlyHelp(owner), first);
  QVERIFY(first->isVisible());
}

void Form4Test::closeButtonHidesAndKeepsScroll() {
  QWidget owner;
  QtSideWindows windows(&owner);
  windows.ShowHelp();
  Form4* help = OnlyHelp(owner);
  QScrollBar* scroll = Text1(*help)->verticalScrollBar();
  QVERIFY(scroll->maximum() > 0);  // the text is longer than the box
  scroll->setValue(scroll->maximum());
  const int left_at = scroll->value();

  QTest::mouseClick(Close(*help), Qt::LeftButton);
  DestroyClosed();
  QCOMPARE(OnlyHelp(owner), help);
  QVERIFY(!help->isVisible());

  windows.ShowHelp();
  QCOMPARE(OnlyHelp(owner), help);
  QVERIFY(help->isVisible());
  QCOMPARE(Text1(*help)->verticalScrollBar()->value(), left_at);
}

void Form4Test::closeBoxDestroysAndNextOpeningStartsAfresh() {
  QWidget owner;
  QtSideWindows windows(&owner);
  windows.ShowHelp();
  QPointer<Form4> first = OnlyHelp(owner);
  Text1(*first)->verticalScrollBar()->setValue(5);
  first->close();
  DestroyClosed();
  QVERIFY(first.isNull());
  QVERIFY(owner.findChildren<Form4*>().isEmpty());

  windows.ShowHelp();
  Form4* second = OnlyHelp(owner);
  QVERIFY(second && second->isVisible());
  QCOMPARE(Text1(*second)->verticalScrollBar()->value(), 0);
  QCOMPARE(Text1(*second)->toPlainText(), ShownText());  // built again
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
