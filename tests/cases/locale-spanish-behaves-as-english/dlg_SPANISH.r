resource 'MENU' (1) {
Å@
