// In preprocessing mode the warnings VorlTool adds go to standard error, in
// the form compilers write theirs, in the order they are met; the notice of
// a property that is not converted stays on standard output.
#warning the first
resource 'Vorl' (16000) {
    {
        Kind { Filter },
        Code68K { 'CODE', 1000 },
        SupportedModes { doesSupportRGBColor, doesSupportRgbColor },
#warning
        Name { "Warned" }
    }
};
