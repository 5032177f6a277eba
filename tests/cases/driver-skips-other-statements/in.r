/* Statements of every other type go without a trace. */
resource 'MENU' (128, "Edit", purgeable) {
	128, textMenuProc, allEnabled, enabled, "Edit",
	{ "Cut", noIcon, "X", noMark, plain;
	  "Copy", noIcon, "C", noMark, plain;
	  "Odd { ; } text", noIcon, noKey, noMark, plain }
};
data 'PICT' (129) {
	$"0000 0A0B" { { {
};
resource 'STR ' (130) "A string; with a semicolon";
resource 'STR#' (131) { { "one", "two" } };
read 'DATA' (132) "data.bin";
include "other.r";
include "other.r" 'CODE';
stray words 12 + 3 } ) ; "and a string"
'TEXT' (133) { { } };
