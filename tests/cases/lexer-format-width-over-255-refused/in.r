$$Format("%256d", 5)
