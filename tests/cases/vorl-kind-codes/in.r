// Every kind keyword; a comma after the last property is accepted.
resource 'Vorl' (500) {
	{
		Kind { Filter },
		Kind { Parser },
		Kind { ImageFormat },
		Kind { ZRForeignProjectFormat },
		Kind { ZRGP },
		Kind { Extension },
		Kind { Acquire },
		Kind { Export },
		Kind { ZREffect },
		Kind { ZRAccelerator },
		Kind { ZRImageFormat },
		Kind { ZRGeneral },
	}
};
