$$Format(5)
