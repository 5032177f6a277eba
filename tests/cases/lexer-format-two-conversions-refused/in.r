$$Format("%d%d", 5)
