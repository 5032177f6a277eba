// Nineteen arguments: the first one is still split, at its blank.
