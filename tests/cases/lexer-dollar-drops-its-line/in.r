resource 'MENU' (1) {
  $"0A0B" { { {
  $
};
