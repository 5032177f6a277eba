resource 'MENU' (1) {
