resource 'MENU' (1) {

word
