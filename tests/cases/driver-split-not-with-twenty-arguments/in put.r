// Twenty arguments fill the list: the first one is taken whole, blank and all.
