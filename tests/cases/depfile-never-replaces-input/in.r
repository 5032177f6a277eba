resource 'Vorl' (1) { { } };
