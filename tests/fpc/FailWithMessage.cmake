# A test that stands for one that could not be built: fails with MESSAGE.
message(FATAL_ERROR "${MESSAGE}")
