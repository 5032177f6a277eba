// Translation of string-literal bytes from the Macintosh character set to the
// Windows code page 1252.
#pragma once

/// One byte translated; unchanged under the Japanese and Korean locales.
unsigned char MacToWinChar(unsigned char byte);
