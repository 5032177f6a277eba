resource 'MENU' (1) {
  { { } }
  item
