resource 'MENU' (128, "File") {
	128, textMenuProc, allEnabled, enabled, "File",
	{
		"Open", noIcon, "O", noMark, plain;
		"Quit", noIcon, "Q", noMark, plain
	}
};

resource 'Vorl' (129) { { Kind { Export } } };
