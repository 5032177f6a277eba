// Translation of string-literal bytes from the Macintosh character set to the
// Windows code page 1252.
#pragma once

/// One byte translated: bytes below 128 stay, the upper half is mapped.
unsigned char MacToWinChar(unsigned char byte);
