$$Format("%d", - count)
