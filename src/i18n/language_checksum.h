#pragma once

#include <QString>

// The text a language file must carry in `font/cs` when its interface strings hold
// `totalLength` characters in all: the decimal values, without separators, of the bytes
// (L + 74), (L - 69), (L * 70) and (L / 70), each taken modulo 256.
//
// Examples: L = 0 gives "7418700", L = 7 gives "811942340", L = 1000 gives "5016311214".
QString languageChecksum(qint64 totalLength);
