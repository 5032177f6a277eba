/* A literal of fewer than four characters is no type: write 'TIF ' in full. */
resource 'Vorl' (200) {
    {
        ReadExtensions {
            {
                'TIFF', 'TIF'
            }
        }
    }
};
