resource 'Vorl' ((7)) { { Kind { Filter } } };
