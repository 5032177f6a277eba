resource 'Vorl' (128) { { Kind { Filter } } };
