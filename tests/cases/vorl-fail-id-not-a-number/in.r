resource 'Vorl' (- kUndefined) { { } };
