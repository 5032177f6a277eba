resource 'MENU' (1) {
  2 * (3 / (1 - 1))
};
