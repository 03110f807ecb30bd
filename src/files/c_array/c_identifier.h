#pragma once

#include <QString>

namespace tochkograf {

// A C identifier made from a file's name, without its folder and extension,
// for the names in C source written for the picture (an X bitmap's). Russian
// letters are spelled in Latin ones as in Russian passports (ICAO Doc 9303:
// "Щука" gives "Shchuka", "ЖУК" gives "ZHUK"); every other character that
// has no place in an identifier becomes "_", and a leading digit gets one
// before it. A name with no letter or digit left gives "picture".
QString CIdentifierFromFileName(const QString& path);

}  // namespace tochkograf
