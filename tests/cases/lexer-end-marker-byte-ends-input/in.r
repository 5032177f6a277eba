resource 'MENU' (1) { };

resource 'MENU' (1) {
