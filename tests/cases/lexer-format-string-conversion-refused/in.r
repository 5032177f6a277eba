word
$$Format("%s", 5)
