#include "files/sms/modem_error_words.h"

#include <QHash>

namespace tochkograf {

namespace {

// The <err> of +CMS ERROR: the causes of the network's relay protocol
// (0..127), of the transfer layer (128..255) and of the modem (300..).
const QHash<int, QString>& MessageServiceWords() {
  static const QHash<int, QString> words = {
      {1, QStringLiteral("номер не существует")},
      {8, QStringLiteral("оператор запретил отправку")},
      {10, QStringLiteral("исходящие запрещены")},
      {21, QStringLiteral("сообщение отклонено")},
      {27, QStringLiteral("получатель недоступен")},
      {28, QStringLiteral("абонент не опознан")},
      {29, QStringLiteral("услуга отклонена")},
      {30, QStringLiteral("неизвестный абонент")},
      {38, QStringLiteral("сеть не работает")},
      {41, QStringLiteral("временный сбой сети")},
      {42, QStringLiteral("сеть перегружена")},
      {47, QStringLiteral("у сети нет ресурсов")},
      {50, QStringLiteral("услуга не подключена")},
      {69, QStringLiteral("услуга не поддерживается")},
      {95, QStringLiteral("неверное сообщение")},
      {96, QStringLiteral("в сообщении нет обязательных данных")},
      {111, QStringLiteral("ошибка протокола")},
      {127, QStringLiteral("ошибка на стыке сетей")},
      {128, QStringLiteral("телематика не поддерживается")},
      {129, QStringLiteral("сообщения типа 0 не поддерживаются")},
      {143, QStringLiteral("неверный идентификатор протокола")},
      {144, QStringLiteral("кодировка не поддерживается")},
      {145, QStringLiteral("класс сообщения не поддерживается")},
      {159, QStringLiteral("неверная кодировка")},
      {176, QStringLiteral("PDU не поддерживается")},
      {192, QStringLiteral("SMS-центр занят")},
      {193, QStringLiteral("нет подписки на SMS-центр")},
      {194, QStringLiteral("сбой SMS-центра")},
      {195, QStringLiteral("неверный адрес")},
      {196, QStringLiteral("получатель заблокирован")},
      {197, QStringLiteral("повтор сообщения отклонён")},
      {198, QStringLiteral("формат срока хранения не поддерживается")},
      {199, QStringLiteral("срок хранения не поддерживается")},
      {208, QStringLiteral("память SMS на SIM-карте заполнена")},
      {210, QStringLiteral("сбой телефона")},
      {211, QStringLiteral("память заполнена")},
      {255, QStringLiteral("неизвестная причина")},
      {300, QStringLiteral("сбой модема")},
      {301, QStringLiteral("служба SMS модема занята")},
      {302, QStringLiteral("действие не разрешено")},
      {303, QStringLiteral("действие не поддерживается")},
      {304, QStringLiteral("неверный формат PDU")},
      {305, QStringLiteral("неверный параметр текстового режима")},
      {310, QStringLiteral("нет SIM-карты")},
      {311, QStringLiteral("нужен PIN-код SIM-карты")},
      {312, QStringLiteral("нужен PIN-код телефона")},
      {313, QStringLiteral("сбой SIM-карты")},
      {314, QStringLiteral("SIM-карта занята")},
      {315, QStringLiteral("не та SIM-карта")},
      {316, QStringLiteral("нужен PUK-код SIM-карты")},
      {317, QStringLiteral("нужен PIN2-код")},
      {318, QStringLiteral("нужен PUK2-код")},
      {320, QStringLiteral("сбой памяти")},
      {321, QStringLiteral("неверный номер ячейки памяти")},
      {322, QStringLiteral("память заполнена")},
      {330, QStringLiteral("не задан номер SMS-центра")},
      {331, QStringLiteral("нет сети")},
      {332, QStringLiteral("сеть не ответила вовремя")},
      {340, QStringLiteral("подтверждение не ожидалось")},
      {500, QStringLiteral("неизвестная ошибка")},
  };
  return words;
}

// The <err> of +CME ERROR.
const QHash<int, QString>& EquipmentWords() {
  static const QHash<int, QString> words = {
      {0, QStringLiteral("сбой телефона")},
      {1, QStringLiteral("нет связи с телефоном")},
      {2, QStringLiteral("связь с телефоном занята")},
      {3, QStringLiteral("действие не разрешено")},
      {4, QStringLiteral("действие не поддерживается")},
      {5, QStringLiteral("нужен PIN-код телефона")},
      {10, QStringLiteral("нет SIM-карты")},
      {11, QStringLiteral("нужен PIN-код SIM-карты")},
      {12, QStringLiteral("нужен PUK-код SIM-карты")},
      {13, QStringLiteral("сбой SIM-карты")},
      {14, QStringLiteral("SIM-карта занята")},
      {15, QStringLiteral("не та SIM-карта")},
      {16, QStringLiteral("неверный пароль")},
      {17, QStringLiteral("нужен PIN2-код")},
      {18, QStringLiteral("нужен PUK2-код")},
      {20, QStringLiteral("память заполнена")},
      {21, QStringLiteral("неверный номер ячейки памяти")},
      {22, QStringLiteral("не найдено")},
      {23, QStringLiteral("сбой памяти")},
      {30, QStringLiteral("нет сети")},
      {31, QStringLiteral("сеть не ответила вовремя")},
      {32, QStringLiteral("сеть разрешает только экстренные вызовы")},
      {100, QStringLiteral("неизвестная ошибка")},
  };
  return words;
}

}  // namespace

QString ModemRefusalText(const ModemAnswer& refusal) {
  const QString line = QString::fromLatin1(refusal.text);
  const QHash<int, QString>* words = nullptr;
  if (refusal.kind == ModemAnswer::Kind::CmsError) words = &MessageServiceWords();
  if (refusal.kind == ModemAnswer::Kind::CmeError) words = &EquipmentWords();
  if (!words || !words->contains(refusal.code)) return line;
  return QStringLiteral("%1 (%2)").arg(words->value(refusal.code), line);
}

}  // namespace tochkograf
