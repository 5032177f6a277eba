resource 'Vorl' (1) {
  {
    Name { $$Format("%%d = %-+8.3lx", -1) },
    Category { $$Format("%255d", 1) },
    CodeWin64X86 { $$Format("%hhu", 300) }
  }
};
