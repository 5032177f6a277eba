resource 'MENU' (1) {
  1,
  2,
  {
  },
  3,
  "text",
  4,
  5,
  lastWord,
  6,
  7 / 0
};
