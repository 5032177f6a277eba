resource 'STR ' (1) "no semicolon"

