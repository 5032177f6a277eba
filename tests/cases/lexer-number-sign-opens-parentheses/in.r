/* A sign directly after an opening parenthesis belongs to the number inside:
   a plus leaves it as it is, a minus negates it. */
resource 'Vorl' (1) {
  {
    FormatMaxChannels { { 2 * (+3), 2 * (-3), 10 - (+4 - 1), 1 - (-(+2)) } }
  }
};
