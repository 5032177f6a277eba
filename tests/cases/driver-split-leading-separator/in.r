// A leading separator leaves an empty input path: this file is the output
// path, and is never opened.
