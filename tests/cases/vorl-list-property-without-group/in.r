/* A list property needs at least one group. */
resource 'Vorl' (200) {
    {
        ReadTypes { }
    }
};
