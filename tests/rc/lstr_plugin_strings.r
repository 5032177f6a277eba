/* Strings of a filter plug-in's dialog and its error alerts. */
#define kDialogStrings	16000
#define kProductName	"Soft Focus"

resource 'LStr' (kDialogStrings, "Dialog strings", purgeable) {
	{	kProductName,
		"Radius:",
		"Amount (%):",
		"Preview",
		"Reset all settings to their \"factory\" values?",
		"Processing" "\0x2E\0x2E\0x2E",
		"Column\tRow"
	}
};

data 'LStr' (16001, "Errors") {
	{	"The image is too large for " kProductName ".",
		"Not enough memory.\nClose other documents and try again.",
		"Unsupported image mode."
	}
};

resource 'STR#' (16002, "Skipped") {
	{	"This list is not converted."
	}
};
