resource 'MENU' (1) {
"ƒ\"
word
