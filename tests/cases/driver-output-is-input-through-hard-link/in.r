resource 'MENU' (1) { };
