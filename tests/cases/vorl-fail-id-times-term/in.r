// An operator the id does not take is refused, not cut off with what follows.
#define kBase 16000
resource 'Vorl' (kBase, "Plug-in") { { } };
resource 'Vorl' (kBase * 2, "Twice") { { } };
