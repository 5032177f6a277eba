resource 'Vorl' (7) { { } };
