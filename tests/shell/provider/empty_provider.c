/* A library that loads but offers neither provider entry point. */
int emptyProviderLoaded = 1;
