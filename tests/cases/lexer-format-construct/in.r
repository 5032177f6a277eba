resource 'MENU' (1) {
  $$Format("%%d = %-+8.3lx", -1),
  $$Format("%255d", 1) $$Format("%hhu", 300)
};
