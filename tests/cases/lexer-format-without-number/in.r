$$Format("%d", count)
